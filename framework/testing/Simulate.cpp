#include "framework/testing/Simulate.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextEdit>

#include "framework/Application.h"
#include "framework/Runtime.h"
#include "framework/Testing.h"
#include "framework/qt/Views.h"

namespace fw::testing {
namespace {

// A click as the window system delivers it: to the window, which finds the
// widget under the point.
void Deliver(QWidget* area, QPoint at) {
  ProcessEvents();
  QWidget* top = area->window();
  if (QWindow* handle = top->windowHandle(); handle && top->isVisible()) {
    QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, area->mapTo(top, at));
    return;
  }
  QWidget* target = area->childAt(at);
  if (!target) target = area;
  QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(area, at));
}

Color ColorOf(const QColor& c) {
  auto byte = [](int v) { return static_cast<std::uint8_t>(v); };
  return {byte(c.red()), byte(c.green()), byte(c.blue())};
}

QAction* ActionOf(const String& name) {
  auto app = GetAppObject();
  if (!app || !app->MenuBar()) return nullptr;
  auto item = app->MenuBar()->Lookup(name);
  return item ? item->GetView().action.data() : nullptr;
}

// Brings the window on screen and makes it the active one.
QWindow* ActiveHandle(const Window& window) {
  ProcessEvents();
  QWidget* frame = FrameWidgetOf(window);
  if (!frame || !frame->isVisible()) return nullptr;
  frame->activateWindow();
  QApplication::setActiveWindow(frame);
  ProcessEvents();
  return frame->windowHandle();
}

}  // namespace

void Click(const RectControl& control) {
  QWidget* w = WidgetOf(control);
  Deliver(w->parentWidget() ? w->parentWidget() : w, w->mapToParent(QPoint(w->width() / 2, w->height() / 2)));
}

void ClickInWindow(const Window& window, int x, int y) { Deliver(ContentWidgetOf(window), QPoint(x, y)); }

void TypeKey(const Window& window, char key) {
  if (QWindow* handle = ActiveHandle(window)) QTest::keyClick(handle, key);
}

void PressReturn(const Window& window) {
  if (QWindow* handle = ActiveHandle(window)) QTest::keyClick(handle, Qt::Key_Return);
}

bool PressShortcut(const Window& window, const std::string& shortcut) {
  QWindow* handle = ActiveHandle(window);
  if (!handle) return false;
  const QString text = QString::fromStdString(shortcut).replace("Cmd+", "Ctrl+");
  const QKeyCombination combo = QKeySequence(text, QKeySequence::PortableText)[0];
  QTest::keyClick(handle, combo.key(), combo.keyboardModifiers());
  ProcessEvents();
  return true;
}

void ClickCloseBox(const Window& window) {
  if (QWidget* frame = FrameWidgetOf(window)) {
    QCloseEvent event;
    QApplication::sendEvent(frame, &event);
  }
}

bool ChooseMenuItem(const String& itemName) {
  RefreshMenus();
  QAction* action = ActionOf(itemName);
  if (!action || !action->isEnabled()) return false;
  action->trigger();
  return true;
}

bool IsMenuItemEnabled(const String& itemName) {
  RefreshMenus();
  QAction* action = ActionOf(itemName);
  return action && action->isEnabled();
}

void ClickRow(const Listbox& list, int row) {
  auto* widget = static_cast<QListWidget*>(WidgetOf(list));
  QRect r = widget->visualItemRect(widget->item(row));
  QTest::mouseClick(widget->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
}

bool IsOnScreen(const Window& window) {
  QWidget* frame = FrameWidgetOf(window);
  return frame && frame->isVisible();
}

bool IsOnScreen(const RectControl& control) {
  QWidget* w = WidgetOf(control);
  return w && w->isVisible();
}

std::vector<std::string> MenuBarTitles(const Window& window) {
  std::vector<std::string> titles;
  auto* frame = qobject_cast<QMainWindow*>(FrameWidgetOf(window));
  if (auto* bar = frame ? qobject_cast<QMenuBar*>(frame->menuWidget()) : nullptr)
    for (QAction* a : bar->actions()) titles.push_back(a->text().toStdString());
  return titles;
}

Box ContentBox(const Window& window) {
  QWidget* c = ContentWidgetOf(window);
  return {c->x(), c->y(), c->width(), c->height()};
}

Box GeometryOf(const RectControl& control) {
  QRect g = WidgetOf(control)->geometry();
  return {g.x(), g.y(), g.width(), g.height()};
}

std::string ShownText(const RectControl& control) {
  QWidget* w = WidgetOf(control);
  if (auto* l = qobject_cast<QLabel*>(w)) {
    if (l->textFormat() != Qt::RichText) return l->text().toStdString();
    QTextDocument doc;
    doc.setHtml(l->text());
    return doc.toPlainText().replace(QChar::LineSeparator, QLatin1Char('\n')).toStdString();
  }
  if (auto* b = qobject_cast<QPushButton*>(w)) return b->text().replace("&&", "&").toStdString();
  if (auto* e = qobject_cast<QTextEdit*>(w)) return e->toPlainText().toStdString();
  return {};
}

CharStyle StyleAt(const EditField& field, int index) {
  auto* edit = qobject_cast<QTextEdit*>(WidgetOf(field));
  QTextCursor cursor(edit->document());
  // The format of a character is the one the cursor reports after it.
  QString text = edit->toPlainText();
  int pos = 0;
  for (int n = 0; pos < text.size() && n < index; ++pos)
    if (!text[pos].isLowSurrogate()) ++n;
  while (pos < text.size() && text[pos].isLowSurrogate()) ++pos;
  cursor.setPosition(pos + 1);
  QTextCharFormat f = cursor.charFormat();
  QFont font = f.font();
  return {font.family().toStdString(), font.pixelSize() > 0 ? font.pixelSize() : static_cast<int>(font.pointSizeF()),
          font.bold(), font.italic(), font.underline(), ColorOf(f.foreground().color())};
}

int TextWidth(const RectControl& control, const std::string& text) {
  return QFontMetrics(WidgetOf(control)->font()).horizontalAdvance(QString::fromStdString(text));
}

int ShownLineCount(const RectControl& label) {
  auto* l = qobject_cast<QLabel*>(WidgetOf(label));
  if (!l) return 0;
  // Each paragraph laid out at the label's width, as the label lays it out.
  int lines = 0;
  for (const QString& paragraph : l->text().split(QLatin1Char('\n'))) {
    QTextLayout layout(paragraph, l->font());
    QTextOption option;
    option.setWrapMode(l->wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(l->contentsRect().width());
      ++lines;
    }
    layout.endLayout();
  }
  return lines;
}

bool HasFocus(const RectControl& control) {
  QWidget* w = WidgetOf(control);
  return w && (w->hasFocus() || w->window()->focusWidget() == w);
}

Color PixelAt(const Window& window, int x, int y) {
  QWidget* c = ContentWidgetOf(window);
  return ColorOf(c->grab(QRect(x, y, 1, 1)).toImage().pixelColor(0, 0));
}

std::string SolidPng(int width, int height, Color color) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(QColor(color.red, color.green, color.blue));
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return png.toStdString();
}

}  // namespace fw::testing
