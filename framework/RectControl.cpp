#include "framework/RectControl.h"

#include <QWidget>

#include <algorithm>

#include "framework/Window.h"
#include "framework/qt/ControlView.h"
#include "framework/qt/Dispatch.h"
#include "framework/qt/RuntimeState.h"
#include "framework/qt/TextConversion.h"
#include "framework/qt/WindowRegistry.h"
#include "framework/qt/WindowView.h"

namespace fw {
namespace {

std::string Lower(const String& s) {
  std::string out = s.Bytes();
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

}  // namespace

RectControl::View::~View() {
  if (!widget) return;
  // The widget may outlive its control until its window's deferred
  // deletion: it must not call back into a control that is gone.
  widget->disconnect();
  // An attached widget dies with its window; a lone one with its control.
  if (!widget->parent()) delete widget;
}

QWidget* WidgetOf(const RectControl& control) {
  control.Settle();
  return control.GetView().widget;
}

namespace {
std::vector<std::weak_ptr<const RectControl>>& Unsettled() {
  static std::vector<std::weak_ptr<const RectControl>> controls;
  return controls;
}
}  // namespace

void detail::SettleWhenHandlerEnds(const std::shared_ptr<RectControl>& control) {
  Unsettled().push_back(control);
}

void detail::SettleControls() {
  // Settling runs no program code, so nothing is added meanwhile.
  for (const auto& weak : std::exchange(Unsettled(), {}))
    if (auto control = weak.lock()) control->Settle();
}

RectControl::RectControl() : RectControl(std::make_unique<View>(new QWidget(detail::NewControlParent()))) {}

RectControl::RectControl(std::unique_ptr<View> view) : view_(std::move(view)) {}

RectControl::~RectControl() = default;

void RectControl::SetVisible(bool visible) {
  visible_ = visible;
  ApplyVisibility();
}

void RectControl::ApplyVisibility() {
  QWidget* w = view_->widget;
  // A control not yet on a window would show as a window of its own.
  if (!w || !w->parent()) return;
  // A child never shown or hidden by hand appears with its window: showing
  // it explicitly would only cost time.
  if (visible_ && !w->testAttribute(Qt::WA_WState_ExplicitShowHide)) return;
  w->setVisible(visible_);
}

void RectControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (view_->widget) view_->widget->setEnabled(enabled);
}

void RectControl::SetFocus() {
  if (view_->widget) view_->widget->setFocus(Qt::OtherFocusReason);
}

bool RectControl::HasEvent(std::string_view event) const { return event == "open"; }

void RectControl::InstallEventHandler(const String& event, ControlEventHandler handler) {
  std::string name = Lower(event);
  if (!HasEvent(name) || name == "mousedown")
    throw UnsupportedOperationException("control \"" + name_.Bytes() + "\" has no event \"" +
                                        event.Bytes() + "\" of this kind");
  if (detail::Tracing()) detail::Trace("event handler " + name_.Bytes() + "." + event.Bytes());
  handlers_.emplace_back(String(name), std::move(handler));
}

void RectControl::InstallEventHandler(const String& event, MouseDownHandler handler) {
  if (Lower(event) != "mousedown" || !HasEvent("mousedown"))
    throw UnsupportedOperationException("control \"" + name_.Bytes() + "\" has no event \"" +
                                        event.Bytes() + "\" of this kind");
  if (detail::Tracing()) detail::Trace("event handler " + name_.Bytes() + "." + event.Bytes());
  mouseDown_ = std::move(handler);
}

void RectControl::RaiseEvent(std::string_view event) {
  // A handler may install more handlers, which moves the list: walk it by
  // position, over the handlers there were when the event came. A handler
  // may also close the window: the control lives until the walk ends.
  std::shared_ptr<RectControl> self;
  for (std::size_t i = 0, n = handlers_.size(); i < n; ++i) {
    if (handlers_[i].first.Bytes() != event) continue;
    if (!self) self = SelfRef();
    auto h = handlers_[i].second;
    detail::CallHandler([&] { h(self); });
  }
}

void RectControl::RaiseOpen() { RaiseEvent("open"); }

const property::Setter<RectControl> RectControl::kProperties[] = {
    {"Name", [](RectControl& c, const auto& v) { c.name_ = property::Str(v); }},
    {"Left", [](RectControl& c, const auto& v) { c.designLeft_ = c.left_ = property::Int(v); }},
    {"Top", [](RectControl& c, const auto& v) { c.designTop_ = c.top_ = property::Int(v); }},
    {"Width", [](RectControl& c, const auto& v) { c.designWidth_ = c.width_ = property::Size(v); }},
    {"Height", [](RectControl& c, const auto& v) { c.designHeight_ = c.height_ = property::Size(v); }},
    {"LockLeft", [](RectControl& c, const auto& v) { c.lockLeft_ = property::Bool(v); }},
    {"LockTop", [](RectControl& c, const auto& v) { c.lockTop_ = property::Bool(v); }},
    {"LockRight", [](RectControl& c, const auto& v) { c.lockRight_ = property::Bool(v); }},
    {"LockBottom", [](RectControl& c, const auto& v) { c.lockBottom_ = property::Bool(v); }},
    {"Visible", [](RectControl& c, const auto& v) { c.SetVisible(property::Bool(v)); }},
    {"Enabled", [](RectControl& c, const auto& v) { c.SetEnabled(property::Bool(v)); }},
    {"TabIndex", [](RectControl& c, const auto& v) { c.tabIndex_ = property::Int(v); }},
    {"InitialParent", [](RectControl& c, const auto& v) { c.initialParent_ = property::Str(v); }},
    {"HelpTag", [](RectControl& c, const auto& v) {
       // Most records carry an empty tag: only a change is worth Qt's events.
       QString tag = detail::ToQString(property::Str(v));
       if (c.view_->widget && c.view_->widget->toolTip() != tag) c.view_->widget->setToolTip(tag);
     }},
};

void RectControl::SetProperty(std::string_view name, const codec::PropertyValue& value) {
  Settle();
  if (SetOwnProperty(name, value)) {
    if (!inRecord_) Refresh();
  } else if (property::Strict()) {
    property::CheckIgnored(detail::RegisteredClassName(typeid(*this)), "RectControl", name);
  }
}

bool RectControl::SetOwnProperty(std::string_view name, const codec::PropertyValue& value) {
  return property::Set(kProperties, *this, name, value);
}

void RectControl::ApplyGeometry() {
  if (view_->widget && !inRecord_) view_->widget->setGeometry(left_, top_, ShownWidth(), height_);
}

void RectControl::EndRecord() {
  inRecord_ = false;
  Refresh();
}

void RectControl::AttachTo(const std::shared_ptr<fw::Window>& window, const String& name) {
  window_ = window;
  name_ = name;
  if (QWidget* content = ContentWidgetOf(*window); content && view_->widget) {
    if (view_->widget->parentWidget() != content) view_->widget->setParent(content);
    ApplyGeometry();
    ApplyVisibility();
  }
  Attached();
}

void RectControl::FollowWindowResize(int dx, int dy) {
  // A control locked to both edges of an axis grows with the window; locked
  // to the far edge only, it moves with it.
  left_ = designLeft_;
  width_ = designWidth_;
  if (lockRight_) (lockLeft_ ? width_ : left_) += dx;
  top_ = designTop_;
  height_ = designHeight_;
  if (lockBottom_) (lockTop_ ? height_ : top_) += dy;
  width_ = std::max(0, width_);
  height_ = std::max(0, height_);
  ApplyGeometry();
}

}  // namespace fw
