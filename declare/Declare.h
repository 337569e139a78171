// Helpers for declaring windows and controls as data: a window's look and a
// table of its controls, one line each, that become property records, and
// the creation steps every control goes through.
#pragma once

#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "codec/PropertyRecord.h"
#include "framework/Controls.h"
#include "framework/Delegate.h"
#include "framework/Window.h"

namespace korvane::declare {

using codec::Color;

// No control of this program belongs to a control array.
constexpr std::int32_t kNoIndex = INT32_MIN;

struct Rect {
  int left, top, width, height;
};

struct Locks {
  bool left = false, top = false, right = false, bottom = false;
};
constexpr Locks kEveryEdge{.left = true, .top = true, .right = true, .bottom = true};

// The entries of the common record tail that differ between controls.
struct Tail {
  Locks locks{};
  bool visible = true;
  const char* initialParent = "";  // the control it lies on
};

// What sets one window apart from another; the 22 entries of a window
// record are made from it, in their fixed order.
struct WindowLook {
  int placement = 0;
  int width = 0, height = 0;
  int minWidth = 64, minHeight = 64, maxWidth = 32000, maxHeight = 32000;
  int frame = 0;
  bool hasBackColor = false;
  Color backColor{255, 255, 255};
  const char* title = "";
  bool closeButton = true, resizeable = false, liveResize = false;
  bool maximizeButton = false, minimizeButton = false;
};
std::string WindowRecord(const WindowLook& look);

// Looks a control up again by name, checking its class.
template <class C>
std::shared_ptr<C> Find(const std::shared_ptr<fw::Window>& window, const char* name) {
  return fw::CheckedCast<C>(fw::RuntimeWindowControlByName(window, name));
}

// One line of a window's control table: the control's class, name and
// record, anything set between adding it and applying its record, and the
// window's handlers bound to its events. Made once per window class.
class Control {
 public:
  template <class C>
  static Control Of(const char* name, std::string record) {
    return Control(name, std::move(record), &AddAndFind<C>);
  }

  // Binds a handler of the window to an event of the control, after its
  // record is applied; several bind in the order given.
  template <class W, class C>
  Control On(const char* event, void (W::*handler)(const std::shared_ptr<C>& me)) && {
    return std::move(*this).Bind<W, C>(event, handler);
  }
  template <class W, class C>
  Control On(const char* event, bool (W::*handler)(const std::shared_ptr<C>& me, std::int32_t x, std::int32_t y)) && {
    return std::move(*this).Bind<W, C>(event, handler);
  }

  // A step between adding the control and applying its record: what the
  // record does not name keeps what the step set.
  template <class C>
  Control BeforeRecord(void (*step)(C& control)) && {
    before_ = [step](const std::shared_ptr<fw::RectControl>& control) {
      step(fw::Need(fw::CheckedCast<C>(control)));
    };
    return std::move(*this);
  }

  const char* Name() const { return name_; }
  const std::string& Record() const { return record_; }

  // The window makes the control, adds it under its name, finds it again by
  // that name (checking its class) and applies its record; then each
  // handler is bound to the control, found by name once more.
  void Create(const std::shared_ptr<fw::Window>& window) const;

 private:
  using AddStep = std::shared_ptr<fw::RectControl> (*)(const std::shared_ptr<fw::Window>&, const char* name);

  Control(const char* name, std::string record, AddStep add) : name_(name), record_(std::move(record)), add_(add) {}

  template <class C>
  static std::shared_ptr<fw::RectControl> AddAndFind(const std::shared_ptr<fw::Window>& window, const char* name) {
    window->AddControl(name, window->NewControl<C>());
    return Find<C>(window, name);
  }

  template <class W, class C, class Handler>
  Control Bind(const char* event, Handler handler) && {
    binds_.push_back([event, handler](const std::shared_ptr<fw::Window>& window, const char* name) {
      fw::Need(Find<C>(window, name)).InstallEventHandler(event, fw::MakeDelegate(fw::CheckedCast<W>(window), handler));
    });
    return std::move(*this);
  }

  const char* name_;
  std::string record_;
  AddStep add_;
  std::function<void(const std::shared_ptr<fw::RectControl>&)> before_;
  std::vector<std::function<void(const std::shared_ptr<fw::Window>&, const char* name)>> binds_;
};

// A window's controls in creation order.
using ControlTable = std::vector<Control>;

// The lines of the control tables: name, rectangle, TabIndex, then what
// sets the control apart. Records carry a head of class-specific entries
// and the common tail, except the About box's, which have an order of
// their own.

// The text fields of this program differ only in these.
struct FieldLook {
  bool styled = false;
  bool border = true;
  int textSize = 10;
  const char* textFont = "Geneva";
};
// A read-only, multi-line EditField with a vertical scroll bar only.
Control EditField(const char* name, Rect r, int tabIndex, const FieldLook& look = {}, const Tail& tail = {});

// A one-column Listbox in Geneva 10, with no heading and no rows.
Control Listbox(const char* name, Rect r, int tabIndex, const Tail& tail = {});

struct ButtonLook {
  const char* caption = "";
  const char* font = "Geneva";
  int size = 10;
  bool isDefault = false;
};
Control PushButton(const char* name, Rect r, int tabIndex, const ButtonLook& look = {}, const Tail& tail = {});

struct LabelLook {
  const char* text = "";
  const char* font = "Geneva";
  int size = 10;
  int align = 0;  // 0 left, 1 centred, 2 right
  bool multiLine = false;
  bool bold = false;
};
Control StaticText(const char* name, Rect r, int tabIndex, const LabelLook& look, const Tail& tail = {});

Control Separator(const char* name, Rect r, int tabIndex, const Tail& tail = {});

// A box with corners of radius 16 and a border one pixel wide.
struct BoxLook {
  Color border;
  Color fill;
};
Control RoundRectangle(const char* name, Rect r, int tabIndex, const BoxLook& look, const Tail& tail = {});

// The About box's labels and canvases: in its own entry order, Geneva 10,
// locked to no edge, visible.
struct AboutLabelLook {
  std::string text;
  int align = 0;  // 0 left, 1 centred
  Color color{0, 0, 0};
  bool multiline = false;
  bool underline = false;
};
// The 28-entry StaticText record.
Control AboutLabel(const char* name, Rect r, int tabIndex, const AboutLabelLook& look, const char* initialParent = "");
// The 21-entry Canvas record.
Control AboutCanvas(const char* name, Rect r, int tabIndex, const char* initialParent = "");

}  // namespace korvane::declare
