#include "framework/Window.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

#include "framework/Application.h"
#include "framework/Properties.h"
#include "framework/RectControl.h"
#include "framework/Runtime.h"
#include "framework/qt/ControlView.h"
#include "framework/qt/Dispatch.h"
#include "framework/qt/RuntimeState.h"
#include "framework/qt/TextConversion.h"
#include "framework/qt/WindowRegistry.h"
#include "framework/qt/WindowView.h"

namespace fw {

namespace {
QWidget* newControlParent = nullptr;  // see NewControlScope
}  // namespace

QWidget* detail::NewControlParent() { return newControlParent; }

Window::NewControlScope::NewControlScope(const Window& w) : saved_(newControlParent) {
  newControlParent = w.GetView().content;
}
Window::NewControlScope::~NewControlScope() { newControlParent = saved_; }

Window::Window() : view_(std::make_unique<View>()) {}

Window::~Window() { view_->DestroyFrame(); }

void Window::Construct(std::string_view className) {
  className_ = std::string(className);
  auto self = std::static_pointer_cast<Window>(shared_from_this());
  View& v = *view_;
  v.frame = new WindowFrame(self);
  v.content = new ContentArea(self);
  v.frame->setCentralWidget(v.content);
  open_ = true;
  detail::RegisterWindow(self);
  try {
    detail::Trace("window create " + className_);
    detail::CallHandler([&] { Layout(); });
    // The menu bar is built when the window first reaches the screen: many
    // windows are made only to be closed again at once.
    if (auto bar = menuBar_ ? menuBar_ : (GetAppObject() ? GetAppObject()->MenuBar() : nullptr);
        bar && v.frameKind != View::kFloatingFrame && v.menuBarVisible) {
      v.pendingMenuBar = bar;
    }
    v.designWidth = v.contentWidth;
    v.designHeight = v.contentHeight;
    v.ApplySize();
    if (!v.placed) {
      // Every placement but the centred one puts the window in the upper
      // third, horizontally centred.
      QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
      int h = v.contentHeight + v.MenuBarHeight();
      int x = screen.x() + (screen.width() - v.contentWidth) / 2;
      bool centred = v.placement == View::kCentredPlacement;
      int y = screen.y() + (screen.height() - h) / (centred ? 2 : 3);
      v.frame->setGeometry(std::max(x, screen.x()), std::max(y, screen.y()), v.contentWidth, h);
      v.placed = true;
    }
    detail::CallHandler([&] { CreateControls(); });
    for (const auto& c : controls_) c->EnsureConfigured();
    // Keyboard focus follows the controls' TabIndex, creation order breaking ties.
    std::vector<std::shared_ptr<RectControl>> order = controls_;
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a->TabIndex() < b->TabIndex(); });
    QWidget* previous = nullptr;
    for (const auto& c : order) {
      QWidget* w = WidgetOf(*c);
      if (!w || w->focusPolicy() == Qt::NoFocus) continue;
      if (previous) QWidget::setTabOrder(previous, w);
      previous = w;
    }
    detail::CallHandler([&] { AddMenuHandlers(self); });
    constructed_ = true;
    detail::Trace("window open " + className_);
    for (const auto& c : std::vector<std::shared_ptr<RectControl>>(controls_)) c->RaiseOpen();
    detail::CallHandler([&] { Event_Open(); });
  } catch (...) {
    open_ = false;
    visible_ = false;
    detail::ForgetWindow(this);
    v.DestroyFrame();
    throw;
  }
}

void Window::Show() {
  if (!open_) return;
  visible_ = true;
  auto self = std::static_pointer_cast<Window>(shared_from_this());
  detail::BringToFront(self);
  detail::ScheduleSync(self);
}

void Window::Hide() {
  if (!open_) return;
  visible_ = false;
  detail::RemoveFromFront(this);
  detail::ScheduleSync(std::static_pointer_cast<Window>(shared_from_this()));
}

void Window::Close() {
  if (!open_) return;
  auto keep = std::static_pointer_cast<Window>(shared_from_this());
  open_ = false;
  visible_ = false;
  detail::ForgetImplicitWindow(this);
  detail::RemoveFromFront(this);
  detail::Trace("window close " + className_);
  struct Finally {
    Window* w;
    ~Finally() {
      detail::ForgetWindow(w);
      w->view_->DestroyFrame();
      if (auto front = FrontWindow()) detail::ScheduleSync(front);
    }
  } finally{this};
  detail::CallHandler([this] { Event_Close(); });
}

String Window::Title() const {
  return view_->frame ? detail::FromQString(view_->frame->windowTitle()) : String();
}

void Window::SetTitle(const String& title) {
  if (view_->frame) view_->frame->setWindowTitle(detail::ToQString(title));
}

int Window::Left() const { return view_->frame ? view_->frame->geometry().x() : 0; }
int Window::Top() const { return view_->frame ? view_->frame->geometry().y() : 0; }

void Window::SetLeft(int left) {
  if (!view_->frame) return;
  QRect g = view_->frame->geometry();
  g.moveLeft(left);
  view_->frame->setGeometry(g);
  view_->placed = true;
}

void Window::SetTop(int top) {
  if (!view_->frame) return;
  QRect g = view_->frame->geometry();
  g.moveTop(top);
  view_->frame->setGeometry(g);
  view_->placed = true;
}

int Window::Width() const { return view_->contentWidth; }
int Window::Height() const { return view_->contentHeight; }

void Window::SetSize(int width, int height) {
  View& v = *view_;
  View::SizeLimits limits = v.Limits();
  v.contentWidth = std::clamp(width, limits.minWidth, limits.maxWidth);
  v.contentHeight = std::clamp(height, limits.minHeight, limits.maxHeight);
  v.ApplySize();
  for (const auto& c : controls_)
    c->FollowWindowResize(v.contentWidth - v.designWidth, v.contentHeight - v.designHeight);
}

bool Window::IsFloating() const { return view_->frameKind == View::kFloatingFrame; }

void Window::SetMenuBar(const std::shared_ptr<fw::MenuBar>& bar) { menuBar_ = bar; }

void Window::AddControl(const String& name, const std::shared_ptr<RectControl>& control) {
  Need(control);
  control->AttachTo(std::static_pointer_cast<Window>(shared_from_this()), name);
  controls_.push_back(control);
  if (constructed_) control->EnsureConfigured();
}

std::shared_ptr<RectControl> Window::ControlByName(const String& name) const {
  for (const auto& c : controls_)
    if (c->Name() == name) return c;
  return nullptr;
}

void Window::AddMenuHandler(const String& itemName, MenuHandler handler) {
  handlers_.Add(itemName, std::move(handler));
}

MenuHandler Window::HandlerFor(const String& itemName) const { return handlers_.Find(itemName); }

namespace {

const property::Setter<Window> kWindowProperties[] = {
    {"Placement", [](Window& w, const auto& v) { w.GetView().placement = property::Int(v); }},
    {"Width", [](Window& w, const auto& v) { w.GetView().contentWidth = property::Size(v); }},
    {"Height", [](Window& w, const auto& v) { w.GetView().contentHeight = property::Size(v); }},
    {"MinWidth", [](Window& w, const auto& v) { w.GetView().minWidth = property::Size(v); }},
    {"MinHeight", [](Window& w, const auto& v) { w.GetView().minHeight = property::Size(v); }},
    {"MaxWidth", [](Window& w, const auto& v) { w.GetView().maxWidth = property::Size(v); }},
    {"MaxHeight", [](Window& w, const auto& v) { w.GetView().maxHeight = property::Size(v); }},
    {"Frame", [](Window& w, const auto& v) { w.GetView().frameKind = property::Int(v); }},
    {"HasBackColor", [](Window& w, const auto& v) {
       w.GetView().hasBackColor = property::Bool(v);
       w.GetView().ApplyBackground();
     }},
    {"BackColor", [](Window& w, const auto& v) {
       w.GetView().backColor = property::Colour(v);
       w.GetView().ApplyBackground();
     }},
    {"Title", [](Window& w, const auto& v) { w.SetTitle(property::Str(v)); }},
    {"Visible", [](Window& w, const auto& v) { property::Bool(v) ? w.Show() : w.Hide(); }},
    {"MenuBarVisible", [](Window& w, const auto& v) { w.GetView().menuBarVisible = property::Bool(v); }},
    {"CloseButton", [](Window& w, const auto& v) { w.GetView().closeButton = property::Bool(v); }},
    {"Resizeable", [](Window& w, const auto& v) { w.GetView().resizeable = property::Bool(v); }},
    {"MaximizeButton", [](Window& w, const auto& v) { w.GetView().maximizeButton = property::Bool(v); }},
    {"MinimizeButton", [](Window& w, const auto& v) { w.GetView().minimizeButton = property::Bool(v); }},
};

}  // namespace

void Window::SetProperty(std::string_view name, const codec::PropertyValue& value) {
  if (!property::Set(kWindowProperties, *this, name, value)) {
    if (property::Strict()) property::CheckIgnored("Window", "", name);
    return;
  }
  // Once the window is built, its size stays within its limits.
  if (constructed_) SetSize(view_->contentWidth, view_->contentHeight);
}

std::shared_ptr<RectControl> RuntimeWindowControlByName(const std::shared_ptr<Window>& window,
                                                        const String& name) {
  return Need(window).ControlByName(name);
}

}  // namespace fw
