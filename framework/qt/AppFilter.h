// The application's event filter: key presses, shortcuts and activation for
// every framework window.
#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace fw {

class AppFilter : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static bool KeyPress(QWidget* receiver, QKeyEvent* key);
};

namespace detail {
// Puts the filter on the application, once per Qt application.
void InstallEventFilter();
}  // namespace detail

}  // namespace fw
