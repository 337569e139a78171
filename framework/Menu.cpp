#include "framework/Menu.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include "framework/Application.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "framework/qt/Dispatch.h"
#include "framework/qt/MenuDispatch.h"
#include "framework/qt/RuntimeState.h"
#include "framework/qt/TextConversion.h"
#include "framework/qt/Views.h"

namespace fw {

namespace {

QString ShownText(const String& text) {
  // An ampersand in a menu text is text, not a mnemonic marker.
  QString shown = detail::ToQString(text);
  shown.replace(QLatin1Char('&'), QLatin1String("&&"));
  return shown;
}

QKeySequence ToKeySequence(const String& shortcut) {
  // "Cmd+" is the platform's primary modifier, which Qt writes "Ctrl+"
  // (and shows as Command on macOS).
  QString text = detail::ToQString(shortcut).trimmed();
  if (text.isEmpty()) return {};
  if (text.startsWith(QLatin1String("Cmd+"), Qt::CaseInsensitive)) text = "Ctrl+" + text.mid(4);
  return QKeySequence(text, QKeySequence::PortableText);
}

template <class F>
void ForEachCommand(const MenuItem& item, F&& f) {
  for (int i = 0; i < item.Count(); ++i) {
    auto child = item.Item(i);
    if (child->Count() > 0) ForEachCommand(*child, f);
    else f(*child);
  }
}

void AddItems(QMenu* menu, const MenuItem& parent) {
  for (int i = 0; i < parent.Count(); ++i) {
    auto item = parent.Item(i);
    if (item->IsSeparator()) {
      menu->addSeparator();
    } else if (item->Count() > 0) {
      AddItems(menu->addMenu(ShownText(item->Text())), *item);
    } else {
      menu->addAction(item->GetView().action);
    }
  }
}

}  // namespace

MenuItem::MenuItem() = default;
MenuItem::~MenuItem() = default;
MenuBar::~MenuBar() { detail::Trace("release menu bar"); }

MenuItem::View& MenuItem::GetView() {
  if (!view_) view_ = std::make_unique<View>();
  if (!view_->action && !IsSeparator()) {
    auto* action = new QAction(ShownText(text_), qApp);
    action->setShortcut(ToKeySequence(shortcut_));
    action->setShortcutContext(Qt::ApplicationShortcut);
    action->setEnabled(enabled_);
    if (dynamic_cast<QuitMenuItem*>(this)) action->setMenuRole(QAction::QuitRole);
    else if (dynamic_cast<AppleMenuItem*>(this)) action->setMenuRole(QAction::AboutRole);
    else action->setMenuRole(QAction::NoRole);
    std::weak_ptr<MenuItem> weak = std::static_pointer_cast<MenuItem>(shared_from_this());
    QObject::connect(action, &QAction::triggered, action, [weak] {
      if (auto item = weak.lock()) detail::DispatchMenuCommand(item);
    });
    view_->action = action;
  }
  return *view_;
}

void MenuItem::SetText(const String& text) {
  text_ = text;
  if (view_ && view_->action) view_->action->setText(ShownText(text));
}

void MenuItem::SetKeyboardShortcut(const String& shortcut) {
  shortcut_ = shortcut;
  if (view_ && view_->action) view_->action->setShortcut(ToKeySequence(shortcut));
}

void MenuItem::SetEnabled(bool on) {
  enabled_ = on;
  if (view_ && view_->action) view_->action->setEnabled(on);
}

void MenuItem::Append(const std::shared_ptr<MenuItem>& item) {
  Need(item);
  children_.push_back(item);
}

std::shared_ptr<MenuItem> MenuItem::Item(int index) const {
  if (index < 0 || index >= Count())
    throw OutOfBoundsException("menu item index " + std::to_string(index) + " out of bounds");
  return children_[static_cast<std::size_t>(index)];
}

std::shared_ptr<MenuItem> MenuItem::Child(const String& name) const {
  for (const auto& c : children_)
    if (detail::EqualNoCase(c->Name(), name)) return c;
  return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(const String& name) const {
  for (const auto& c : children_) {
    if (detail::EqualNoCase(c->Name(), name)) return c;
    if (auto found = c->Lookup(name)) return found;
  }
  return nullptr;
}

void RefreshMenus() {
  auto app = GetAppObject();
  if (!app || !app->MenuBar()) return;
  // Menus themselves stay enabled; their commands follow AutoEnable until the
  // application's event enables them.
  ForEachCommand(*app->MenuBar(), [](MenuItem& item) {
    if (!item.IsSeparator()) item.SetEnabled(item.AutoEnable());
  });
  detail::CallHandler([&app] { app->Event_EnableMenuItems(); });
}

namespace detail {

void DispatchMenuCommand(const std::shared_ptr<MenuItem>& item) {
  Trace("menu command " + item->Name().Bytes());
  if (dynamic_cast<QuitMenuItem*>(item.get())) {
    Quit(0);
    return;
  }
  bool handled = false;
  if (auto front = FrontWindow())
    if (auto handler = front->HandlerFor(item->Name())) handled = CallBoolHandler(handler);
  if (handled) return;
  if (auto app = GetAppObject())
    if (auto handler = app->HandlerFor(item->Name())) CallBoolHandler(handler);
}

QMenuBar* BuildMenuBar(QWidget* frame, const std::shared_ptr<MenuBar>& bar) {
  auto* window = qobject_cast<QMainWindow*>(frame);
  if (!window || !bar) return nullptr;
  auto* menuBar = new QMenuBar(window);
  for (int i = 0; i < bar->Count(); ++i) {
    auto item = bar->Item(i);
    if (item->Count() == 0 && !item->IsSeparator()) {
      menuBar->addAction(item->GetView().action);
      continue;
    }
    QMenu* menu = menuBar->addMenu(ShownText(item->Text()));
    AddItems(menu, *item);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [] { RefreshMenus(); });
  }
  window->setMenuBar(menuBar);
  return menuBar;
}

}  // namespace detail
}  // namespace fw
