#include "framework/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTextEdit>

#include <algorithm>
#include <map>
#include <unordered_map>

#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Runtime.h"
#include "framework/qt/Internal.h"
#include "framework/qt/Views.h"

namespace fw {
namespace {

using WindowRefs = std::vector<std::shared_ptr<Window>>;
using ImplicitRefs = std::vector<std::pair<std::string, std::shared_ptr<Window>>>;

struct Lists {
  std::shared_ptr<ImplicitRefs> implicit;  // open implicit instances by class name
  std::shared_ptr<WindowRefs> dirty;       // windows waiting to reach or leave the screen
  std::shared_ptr<WindowRefs> windows;     // every open window
  std::vector<std::weak_ptr<Window>> front;  // visible windows, front first
  bool syncPosted = false;
};

Lists& L() {
  static Lists lists;
  return lists;
}

void EnsureLists() {
  if (!L().windows) L().windows = std::make_shared<WindowRefs>();
  if (!L().dirty) L().dirty = std::make_shared<WindowRefs>();
  if (!L().implicit) L().implicit = std::make_shared<ImplicitRefs>();
}

template <class Vec, class Pred>
void EraseIf(Vec& v, Pred pred) {
  v.erase(std::remove_if(v.begin(), v.end(), pred), v.end());
}

void RemoveFromFront(const Window* w) {
  EraseIf(L().front, [w](const std::weak_ptr<Window>& p) {
    auto s = p.lock();
    return !s || s.get() == w;
  });
}

void ForgetWindow(const Window* w) {
  if (L().implicit) EraseIf(*L().implicit, [w](const auto& e) { return e.second.get() == w; });
  if (L().dirty) EraseIf(*L().dirty, [w](const auto& p) { return p.get() == w; });
  if (L().windows) EraseIf(*L().windows, [w](const auto& p) { return p.get() == w; });
  RemoveFromFront(w);
}

void ScheduleSync(const std::shared_ptr<Window>& w) {
  EnsureLists();
  auto& dirty = *L().dirty;
  if (std::find(dirty.begin(), dirty.end(), w) == dirty.end()) dirty.push_back(w);
  if (!L().syncPosted) {
    L().syncPosted = true;
    QMetaObject::invokeMethod(qApp, [] { detail::SyncPendingWindows(); }, Qt::QueuedConnection);
  }
}

void DestroyFrame(QPointer<WindowFrame>& frame) {
  if (!frame) return;
  frame->hide();
  frame->deleteLater();
  frame = nullptr;
}

int ToInt(const codec::PropertyValue& v) { return std::get<std::int32_t>(v); }
bool ToBool(const codec::PropertyValue& v) { return std::get<bool>(v); }

// Reacts to key presses, shortcuts and activation for every framework window.
class AppFilter : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
      case QEvent::ShortcutOverride:
        // Delivered up to three times per key press; the top-level delivery
        // is the one that comes before Qt matches the shortcut.
        if (widget->isWindow()) RefreshMenus();
        return false;
      case QEvent::KeyPress:
        return KeyPress(widget, static_cast<QKeyEvent*>(event));
      case QEvent::WindowActivate:
        if (widget->isWindow())
          if (auto w = WindowOfWidget(widget); w && w->IsOpen() && w->Visible()) detail::BringToFront(w);
        return false;
      default:
        return false;
    }
  }

 private:
  static bool KeyPress(QWidget* receiver, QKeyEvent* key) {
    // A key press travels up from the focus widget; handle it once, there.
    QWidget* focus = QApplication::focusWidget();
    if (focus ? receiver != focus : !receiver->isWindow()) return false;
    auto window = WindowOfWidget(receiver);
    if (!window || !window->IsOpen()) return false;
    if (auto* edit = qobject_cast<QTextEdit*>(receiver); edit && !edit->isReadOnly()) return false;

    if (!key->text().isEmpty()) {
      String text = detail::FromQString(key->text());
      if (detail::CallBoolHandler([&] { return window->Event_KeyDown(text); })) return true;
    }
    bool isReturn = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    bool isEscape = key->key() == Qt::Key_Escape;
    if (!isReturn && !isEscape) return false;
    for (const auto& control : window->Controls()) {
      auto button = std::dynamic_pointer_cast<PushButton>(control);
      if (!button || !(isReturn ? button->Default() : button->Cancel())) continue;
      if (button->Enabled() && button->Visible())
        detail::CallHandler([&] { button->Push(); });
      return true;
    }
    return false;
  }
};

}  // namespace

// --- Qt widgets -----------------------------------------------------------

void WindowFrame::closeEvent(QCloseEvent* event) {
  // The close box closes the window the framework's way, Close event included.
  event->ignore();
  if (auto w = Owner()) detail::CallHandler([&w] { w->Close(); });
}

void ContentArea::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  auto w = owner_.lock();
  if (!w) return;
  Window::View& v = w->GetView();
  v.contentWidth = width();
  v.contentHeight = height();
  for (const auto& c : w->Controls())
    c->FollowWindowResize(v.contentWidth - v.designWidth, v.contentHeight - v.designHeight);
}

int Window::View::MenuBarHeight() const {
  if (!menuBar || menuBar->isNativeMenuBar()) return 0;
  return menuBar->sizeHint().height();
}

void Window::View::ApplySize() {
  if (!frame) return;
  int bar = MenuBarHeight();
  int minW = resizeable ? minWidth : contentWidth, minH = resizeable ? minHeight : contentHeight;
  int maxW = resizeable ? maxWidth : contentWidth, maxH = resizeable ? maxHeight : contentHeight;
  maxW = std::min(maxW, QWIDGETSIZE_MAX);
  maxH = std::min(maxH, QWIDGETSIZE_MAX - bar);
  content->setMinimumSize(minW, minH);
  content->setMaximumSize(maxW, maxH);
  frame->setMinimumSize(minW, minH + bar);
  frame->setMaximumSize(maxW, maxH + bar);
  QRect g = frame->geometry();
  frame->setGeometry(g.x(), g.y(), contentWidth, contentHeight + bar);
  content->resize(contentWidth, contentHeight);
}

void Window::View::ApplyFlags() {
  if (!frame) return;
  bool floating = frameKind == 3;
  Qt::WindowFlags flags = (floating ? Qt::Tool : Qt::Window) | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint;
  if (closeButton) flags |= Qt::WindowCloseButtonHint;
  if (minimizeButton && !floating) flags |= Qt::WindowMinimizeButtonHint;
  bool canGrow = resizeable && (maxWidth > minWidth || maxHeight > minHeight);
  if (maximizeButton && canGrow && !floating) flags |= Qt::WindowMaximizeButtonHint;
  // A floating window never takes the keyboard from the document windows.
  if (floating) flags |= Qt::WindowDoesNotAcceptFocus;
  QRect g = frame->geometry();
  frame->setWindowFlags(flags);
  frame->setAttribute(Qt::WA_ShowWithoutActivating, floating);
  frame->setGeometry(g);
  flagsApplied = true;
}

void Window::View::ApplyBackground() {
  if (!content) return;
  content->setAutoFillBackground(hasBackColor);
  QPalette p = content->palette();
  if (hasBackColor) p.setColor(QPalette::Window, QColor(backColor.red, backColor.green, backColor.blue));
  content->setPalette(p);
}

RectControl::View::~View() {
  if (!widget) return;
  // The widget may outlive its control until its window's deferred
  // deletion: it must not call back into a control that is gone.
  widget->disconnect();
  // An attached widget dies with its window; a lone one with its control.
  if (!widget->parent()) delete widget;
}

std::shared_ptr<Window> WindowOfWidget(const QWidget* widget) {
  if (!widget) return nullptr;
  auto* frame = dynamic_cast<const WindowFrame*>(widget->window());
  return frame ? frame->Owner() : nullptr;
}

QWidget* ContentWidgetOf(const Window& window) { return window.GetView().content; }
QWidget* FrameWidgetOf(const Window& window) { return window.GetView().frame; }

// --- Window ---------------------------------------------------------------

namespace {
QWidget* nursery = nullptr;
}  // namespace

QWidget* detail::NurseryParent() { return nursery; }

Window::NurseryScope::NurseryScope(const Window& w) : saved_(nursery) { nursery = w.GetView().content; }
Window::NurseryScope::~NurseryScope() { nursery = saved_; }

Window::Window() : view_(std::make_unique<View>()) {}

Window::~Window() { DestroyFrame(view_->frame); }

void Window::Construct(std::string_view className) {
  EnsureLists();
  className_ = std::string(className);
  auto self = std::static_pointer_cast<Window>(shared_from_this());
  View& v = *view_;
  v.frame = new WindowFrame(self);
  v.content = new ContentArea(self);
  v.frame->setCentralWidget(v.content);
  open_ = true;
  L().windows->push_back(self);
  L().implicit->emplace_back(className_, self);
  try {
    detail::Trace("window create " + className_);
    detail::CallHandler([&] { Layout(); });
    // The menu bar is built when the window first reaches the screen: many
    // windows are made only to be closed again at once.
    if (auto bar = menuBar_ ? menuBar_ : (GetAppObject() ? GetAppObject()->MenuBar() : nullptr);
        bar && v.frameKind != 3 && v.menuBarVisible) {
      v.pendingMenuBar = bar;
    }
    v.designWidth = v.contentWidth;
    v.designHeight = v.contentHeight;
    v.ApplySize();
    if (!v.placed) {
      // Placement 2 centres the window on the main screen; every other code
      // puts it in the upper third, horizontally centred.
      QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
      int h = v.contentHeight + v.MenuBarHeight();
      int x = screen.x() + (screen.width() - v.contentWidth) / 2;
      int y = screen.y() + (v.placement == 2 ? (screen.height() - h) / 2 : (screen.height() - h) / 3);
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
    ForgetWindow(this);
    DestroyFrame(v.frame);
    throw;
  }
}

void Window::Show() {
  if (!open_) return;
  visible_ = true;
  auto self = std::static_pointer_cast<Window>(shared_from_this());
  detail::BringToFront(self);
  ScheduleSync(self);
}

void Window::Hide() {
  if (!open_) return;
  visible_ = false;
  RemoveFromFront(this);
  ScheduleSync(std::static_pointer_cast<Window>(shared_from_this()));
}

void Window::Close() {
  if (!open_) return;
  auto keep = std::static_pointer_cast<Window>(shared_from_this());
  open_ = false;
  visible_ = false;
  if (L().implicit) EraseIf(*L().implicit, [this](const auto& e) { return e.second.get() == this; });
  RemoveFromFront(this);
  detail::Trace("window close " + className_);
  struct Finally {
    Window* w;
    ~Finally() {
      ForgetWindow(w);
      DestroyFrame(w->view_->frame);
      if (auto front = FrontWindow()) ScheduleSync(front);
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
  int minW = v.resizeable ? v.minWidth : v.designWidth, minH = v.resizeable ? v.minHeight : v.designHeight;
  int maxW = v.resizeable ? v.maxWidth : v.designWidth, maxH = v.resizeable ? v.maxHeight : v.designHeight;
  v.contentWidth = std::clamp(width, minW, std::max(minW, maxW));
  v.contentHeight = std::clamp(height, minH, std::max(minH, maxH));
  v.ApplySize();
  for (const auto& c : controls_)
    c->FollowWindowResize(v.contentWidth - v.designWidth, v.contentHeight - v.designHeight);
}

bool Window::IsFloating() const { return view_->frameKind == 3; }

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
  if (detail::Tracing()) detail::Trace("window menu handler " + itemName.Bytes());
  handlers_.emplace_back(itemName, std::move(handler));
}

MenuHandler Window::HandlerFor(const String& itemName) const {
  for (const auto& [name, handler] : handlers_)
    if (detail::EqualNoCase(name, itemName)) return handler;
  return nullptr;
}

void Window::SetProperty(std::string_view name, const codec::PropertyValue& value) {
  View& v = *view_;
  if (name == "Placement") v.placement = ToInt(value);
  else if (name == "Width") v.contentWidth = std::max(0, ToInt(value));
  else if (name == "Height") v.contentHeight = std::max(0, ToInt(value));
  else if (name == "MinWidth") v.minWidth = std::max(0, ToInt(value));
  else if (name == "MinHeight") v.minHeight = std::max(0, ToInt(value));
  else if (name == "MaxWidth") v.maxWidth = std::max(0, ToInt(value));
  else if (name == "MaxHeight") v.maxHeight = std::max(0, ToInt(value));
  else if (name == "Frame") v.frameKind = ToInt(value);
  else if (name == "HasBackColor") v.hasBackColor = ToBool(value), v.ApplyBackground();
  else if (name == "BackColor") v.backColor = std::get<Color>(value), v.ApplyBackground();
  else if (name == "Title") SetTitle(String(std::get<std::string>(value)));
  else if (name == "Visible") ToBool(value) ? Show() : Hide();
  else if (name == "MenuBarVisible") v.menuBarVisible = ToBool(value);
  else if (name == "CloseButton") v.closeButton = ToBool(value);
  else if (name == "Resizeable") v.resizeable = ToBool(value);
  else if (name == "MaximizeButton") v.maximizeButton = ToBool(value);
  else if (name == "MinimizeButton") v.minimizeButton = ToBool(value);
  // Composite, FullScreen, LiveResize, BalloonHelp, MacProcID: nothing to do
  // on this platform (live resizing is Qt's default).
  if (constructed_) v.ApplySize();
}

// --- Lookups and lists ----------------------------------------------------

std::shared_ptr<Window> GetImplicitWindow(std::string_view className) {
  if (!L().implicit) return nullptr;
  for (const auto& [name, w] : *L().implicit)
    if (name == className && w->IsOpen()) return w;
  return nullptr;
}

std::shared_ptr<RectControl> RuntimeWindowControlByName(const std::shared_ptr<Window>& window,
                                                        const String& name) {
  return Need(window).ControlByName(name);
}

namespace {
// Windows apply the same records every time they are made: keep each
// record's decoded entries, keyed by its bytes.
const std::vector<codec::PropertyEntry>& Decoded(std::string_view record) {
  static std::unordered_map<std::string, std::vector<codec::PropertyEntry>> cache;
  auto it = cache.find(std::string(record));
  if (it != cache.end()) return it->second;
  std::vector<codec::PropertyEntry> entries;
  try {
    entries = codec::DecodeRecord(record);
  } catch (const codec::PropertyRecordError& e) {
    throw PropertyRecordException(e.what());
  }
  if (cache.size() > 512) cache.clear();  // records made at run time must not pile up
  return cache.emplace(std::string(record), std::move(entries)).first->second;
}

template <class Target>
void ApplyRecord(Target& target, std::string_view record) {
  for (const auto& entry : Decoded(record)) target.SetProperty(entry.canonical, entry.value);
}
}  // namespace

void SetProperties(Window& window, std::string_view record) { ApplyRecord(window, record); }
void SetProperties(RectControl& control, std::string_view record) {
  struct Batch {
    RectControl& c;
    ~Batch() { c.EndRecord(); }
  } batch{control};
  control.BeginRecord();
  ApplyRecord(control, record);
}

std::shared_ptr<Window> FrontWindow() {
  for (const auto& p : L().front)
    if (auto w = p.lock(); w && w->IsOpen() && w->Visible() && !w->IsFloating()) return w;
  return nullptr;
}

void ReleaseImplicitWindowList() {
  detail::Trace("release implicit windows");
  L().implicit.reset();
}

void ReleaseDirtyWindowList() {
  detail::Trace("release mDirtyWindows");
  L().dirty.reset();
}

void ReleaseWindowList() {
  detail::Trace("release Windows");
  L().windows.reset();
  L().front.clear();
}

namespace testing {
bool WindowListsReleased() { return !L().implicit && !L().dirty && !L().windows; }
}  // namespace testing

namespace detail {

void InstallEventFilter() {
  static AppFilter* filter = nullptr;
  if (filter && filter->parent() == qApp) return;
  filter = new AppFilter();
  filter->setParent(qApp);
  qApp->installEventFilter(filter);
}

void BringToFront(const std::shared_ptr<Window>& w) {
  RemoveFromFront(w.get());
  L().front.insert(L().front.begin(), w);
}

void SyncPendingWindows() {
  L().syncPosted = false;
  if (!L().dirty) return;
  WindowRefs dirty = std::exchange(*L().dirty, {});
  for (const auto& w : dirty) {
    if (!w->IsOpen()) continue;
    Window::View& v = w->GetView();
    if (!v.frame) continue;
    if (w->Visible()) {
      if (auto bar = std::exchange(v.pendingMenuBar, nullptr)) {
        v.menuBar = detail::BuildMenuBar(v.frame, bar);
        v.ApplySize();
      }
      if (!v.flagsApplied) v.ApplyFlags();
      if (!v.frame->isVisible()) detail::Trace("window on screen " + w->ClassName());
      v.frame->show();
      if (!detail::Headless()) v.frame->raise();
    } else if (v.frame->isVisible()) {
      detail::Trace("window off screen " + w->ClassName());
      v.frame->hide();
    }
  }
  // The front document window takes the keyboard.
  if (auto front = FrontWindow(); front && front->GetView().frame) {
    // Windows without a screen have no stacking to change.
    if (!detail::Headless()) front->GetView().frame->raise();
    front->GetView().frame->activateWindow();
  }
  // Floating windows stay above the document windows, also where no window
  // manager keeps them there.
  if (L().windows)
    for (const auto& w : WindowRefs(*L().windows))
      if (QWidget* frame = w->GetView().frame; frame && w->IsFloating() && frame->isVisible()) frame->raise();
}

void CreateWindowLists() { EnsureLists(); }

void ForgetWindows() {
  if (L().windows) {
    for (const auto& w : WindowRefs(*L().windows)) DestroyFrame(w->GetView().frame);
  }
  L().implicit.reset();
  L().dirty.reset();
  L().windows.reset();
  L().front.clear();
  L().syncPosted = false;
}

}  // namespace detail

}  // namespace fw
