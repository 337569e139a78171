#include "framework/qt/AppFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextEdit>

#include "framework/PushButton.h"
#include "framework/Window.h"
#include "framework/qt/Dispatch.h"
#include "framework/qt/TextConversion.h"
#include "framework/qt/WindowRegistry.h"
#include "framework/qt/WindowView.h"

namespace fw {

bool AppFilter::eventFilter(QObject* watched, QEvent* event) {
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

bool AppFilter::KeyPress(QWidget* receiver, QKeyEvent* key) {
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

namespace detail {

void InstallEventFilter() {
  static AppFilter* filter = nullptr;
  if (filter && filter->parent() == qApp) return;
  filter = new AppFilter();
  filter->setParent(qApp);
  qApp->installEventFilter(filter);
}

}  // namespace detail
}  // namespace fw
