// Korvane as the user starts it, ending as soon as the main window's reader
// has painted its first topic: the start-up figure of bench/run.
#include <QApplication>
#include <QEvent>
#include <QTextEdit>

#include "framework/Runtime.h"
#include "framework/Testing.h"
#include "shell/Main.h"

namespace {

class FirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
      auto* edit = qobject_cast<QTextEdit*>(static_cast<QWidget*>(watched)->parentWidget());
      if (edit && !edit->document()->isEmpty()) fw::Quit(0);
    }
    return false;
  }
};

}  // namespace

int main() {
  fw::SetPackageShortVersion(KORVANE_VERSION);
  FirstPaint watcher;
  // The application exists once the event loop is about to run.
  fw::testing::SetTraceSink([&watcher](const std::string& step) {
    if (step == "RuntimeRun") qApp->installEventFilter(&watcher);
  });
  return korvane::main();
}
