// The floor for start-up: a bare Qt program with Korvane's two widgets — a
// 43-row list and a read-only rich-text field in a 625x432 window, showing
// the first topic with its styles — that ends after the field's first paint.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QTextCursor>
#include <QListWidget>
#include <QTextEdit>
#include <QTimer>

#include "codec/FileBytes.h"
#include "codec/ResourceMap.h"
#include "codec/StyleScrap.h"

namespace {

class FirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && qobject_cast<QTextEdit*>(watched->parent()))
      QCoreApplication::exit(0);
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(625, 432);
  QListWidget list(&window);
  list.setGeometry(0, 0, 181, 418);

  list.setCurrentRow(0);
  QTextEdit text(&window);
  text.setGeometry(180, 0, 446, 418);
  text.setReadOnly(true);
  // The same topic as Korvane shows first, read and styled without the framework.
  std::string file = *codec::ReadFileBytes(QDir(QCoreApplication::applicationDirPath()).filePath("Korvane.rsrc").toStdString());
  auto map = *codec::ResourceMap::Parse(file);
  const auto* ref = map.At("TEXT", 0);
  const auto* styl = map.At("styl", 0);
  std::string topic = file.substr(ref->dataOffset, ref->length);
  QTextCursor cursor(text.document());
  for (const auto& span : codec::StyleSpansForText(topic, file.substr(styl->dataOffset, styl->length))) {
    QTextCharFormat format;
    QFont font(span.style.font == 20 ? "DejaVu Serif" : "DejaVu Sans");
    font.setPixelSize(span.style.size);
    font.setBold(span.style.face & codec::kFaceBold);
    font.setItalic(span.style.face & codec::kFaceItalic);
    format.setFont(font);
    format.setForeground(QColor(span.style.red >> 8, span.style.green >> 8, span.style.blue >> 8));
    QString piece = QString::fromUtf8(topic.data() + span.begin, static_cast<qsizetype>(span.end - span.begin));
    cursor.insertText(piece.replace(QLatin1Char('\r'), QLatin1Char('\n')), format);
  }
  for (int k = 0; k < 43; ++k) {
    const auto* row = map.At("TEXT", k);
    list.addItem(QString::fromStdString(row->name));
  }
  FirstPaint watcher;
  app.installEventFilter(&watcher);
  window.show();
  return app.exec();
}
