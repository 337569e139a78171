// Helpers for declaring windows and controls as data: readable tables that
// become property records, and the creation steps every control goes
// through.
#pragma once

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/Window.h"
#include "codec/PropertyRecord.h"

namespace korvane::declare {

using codec::Color;
using codec::RecordField;
using Fields = std::vector<RecordField>;

// No control of this program belongs to a control array.
constexpr std::int32_t kNoIndex = INT32_MIN;

struct Rect {
  int left, top, width, height;
};

struct Locks {
  bool left = false, top = false, right = false, bottom = false;
};

// The entries every control record of the program ends with (the About
// box's records aside, which have an order of their own).
Fields ControlTail(const char* name, Rect r, Locks locks = {}, bool visible = true,
                   const char* initialParent = "");

// A record from a head of class-specific entries and a tail.
std::string Record(const Fields& head, const Fields& tail);

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
Fields WindowFields(const WindowLook& look);
std::string WindowRecord(const WindowLook& look);

// The text fields of this program differ only in these.
struct FieldLook {
  int tabIndex = 0;
  bool styled = false;
  bool border = true;
  int textSize = 10;
  const char* textFont = "Geneva";
};
// A read-only, multi-line EditField with a vertical scroll bar only.
std::string EditFieldRecord(const char* name, Rect r, const FieldLook& look, Locks locks = {});

// The labels (StaticText) of every window but the About box.
struct LabelLook {
  const char* text = "";
  const char* font = "Geneva";
  int size = 10;
  int align = 0;  // 0 left, 1 centred, 2 right
  bool multiLine = false;
  bool bold = false;
};
std::string LabelRecord(const char* name, Rect r, int tabIndex, const LabelLook& look, bool visible = true,
                        const char* initialParent = "");

// The About box's records have an entry order of their own:
// the values that differ between its controls, made into the full records.
struct AboutLabel {
  const char* name;
  Rect rect;
  int tabIndex;
  const char* initialParent;
  std::string text;
  int textAlign;  // 0 left, 1 centred
  Color textColor;
  bool multiline;
  bool underline;
};
struct AboutCanvas {
  const char* name;
  Rect rect;
  int tabIndex;
  const char* initialParent;
};
// The 28-entry StaticText record, in the About box's order.
std::string AboutLabelRecord(const AboutLabel& label);
// The 21-entry Canvas record, in the About box's order.
std::string AboutCanvasRecord(const AboutCanvas& canvas);

// The steps every control goes through: the window makes it, adds it under
// its name, finds it again by that name, checks its class and applies its
// record. Returns the control as found.
template <class C>
std::shared_ptr<C> CreateControl(const std::shared_ptr<fw::Window>& window, const char* name,
                                 const std::string& record) {
  window->AddControl(name, window->NewControl<C>());
  auto control = fw::CheckedCast<C>(fw::RuntimeWindowControlByName(window, name));
  fw::SetProperties(*control, record);
  return control;
}

// Looks a control up again by name, for binding its handlers.
template <class C>
std::shared_ptr<C> Find(const std::shared_ptr<fw::Window>& window, const char* name) {
  return fw::CheckedCast<C>(fw::RuntimeWindowControlByName(window, name));
}

}  // namespace korvane::declare
