// The base of every control a window holds. Each is declared by a property
// record and reached through its window by name; its events are bound by
// name.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "codec/PropertyRecord.h"
#include "framework/Object.h"
#include "framework/Properties.h"
#include "framework/String.h"

namespace fw {

class Window;
class RectControl;

using Color = codec::Color;
inline Color RGB(int red, int green, int blue) {
  return Color{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
               static_cast<std::uint8_t>(blue)};
}

// Handlers of "Open", "Change" and "Action": they receive the control that
// fired as `me`.
using ControlEventHandler = std::function<void(const std::shared_ptr<RectControl>& me)>;
// Handler of a canvas's "MouseDown": the press position in the control.
using MouseDownHandler =
    std::function<bool(const std::shared_ptr<RectControl>& me, std::int32_t x, std::int32_t y)>;

class RectControl : public Object {
 public:
  RectControl();
  ~RectControl() override;

  const String& Name() const { return name_; }
  std::shared_ptr<fw::Window> Window() const { return window_.lock(); }

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int TabIndex() const { return tabIndex_; }
  bool LockLeft() const { return lockLeft_; }
  bool LockTop() const { return lockTop_; }
  bool LockRight() const { return lockRight_; }
  bool LockBottom() const { return lockBottom_; }
  const String& InitialParent() const { return initialParent_; }
  void SetFocus();

  // Binds a handler to an event of this control by the event's name
  // (without regard to case). An event the control does not have raises
  // UnsupportedOperationException.
  void InstallEventHandler(const String& event, ControlEventHandler handler);
  void InstallEventHandler(const String& event, MouseDownHandler handler);

  // Sets one design property, named in its canonical spelling (as
  // codec::CanonicalPropertyName gives it). Names the control has no use
  // for are ignored. Outside a record the widget follows at once.
  void SetProperty(std::string_view name, const codec::PropertyValue& value);

  // Applies the changes the control held back during the current handler
  // (see EditField). Whatever reads the widget settles the control first.
  virtual void Settle() const {}

  struct View;  // the Qt side
  const View& GetView() const { return *view_; }
  View& GetView() { return *view_; }  // framework use

  // Framework use: attaches the control to its window's content area.
  void AttachTo(const std::shared_ptr<fw::Window>& window, const String& name);
  // Framework use: follows the window's content size by the control's locks.
  void FollowWindowResize(int dx, int dy);
  // Framework use: raises the control's events.
  void RaiseOpen();
  // Framework use: a property record is applied between these two calls;
  // the widget is brought up to date once, at the end.
  void BeginRecord() { inRecord_ = true; }
  void EndRecord();
  // Framework use: brings a control that never had a record up to date.
  void EnsureConfigured() {
    if (!configured_) Refresh();
  }

 protected:
  explicit RectControl(std::unique_ptr<View> view);
  // Called once the control sits on its window.
  virtual void Attached() {}
  // Sets a property of the class's own table, else of its base's; false
  // for a name neither has. Overrides end with their base's.
  virtual bool SetOwnProperty(std::string_view name, const codec::PropertyValue& value);
  // Runs a bound handler for a simple event, if any.
  void RaiseEvent(std::string_view event);
  virtual bool HasEvent(std::string_view event) const;
  void ApplyGeometry();
  void ApplyVisibility();
  // The width the widget takes on screen; a control may draw wider than its
  // declared rectangle (see StaticText).
  virtual int ShownWidth() const { return width_; }
  // Brings the widget up to date with every property (overrides call this
  // last).
  virtual void Refresh() {
    configured_ = true;
    ApplyGeometry();
  }
  bool InRecord() const { return inRecord_; }
  std::shared_ptr<RectControl> SelfRef() { return std::static_pointer_cast<RectControl>(shared_from_this()); }

  std::unique_ptr<View> view_;
  std::vector<std::pair<String, ControlEventHandler>> handlers_;
  MouseDownHandler mouseDown_;

 private:
  static const property::Setter<RectControl> kProperties[];

  String name_, initialParent_;
  std::weak_ptr<fw::Window> window_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  int designLeft_ = 0, designTop_ = 0, designWidth_ = 0, designHeight_ = 0;
  int tabIndex_ = 0;
  bool visible_ = true, enabled_ = true;
  bool lockLeft_ = false, lockTop_ = false, lockRight_ = false, lockBottom_ = false;
  bool inRecord_ = false;
  bool configured_ = false;  // the widget reflects the properties
};

}  // namespace fw
