#include "framework/EditField.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <optional>
#include <utility>
#include <vector>

#include "codec/ContentLimits.h"
#include "codec/StyleScrap.h"
#include "framework/Properties.h"
#include "framework/qt/ControlView.h"
#include "framework/qt/Dispatch.h"
#include "framework/qt/TextConversion.h"
#include "framework/qt/TextStyle.h"
#include "framework/qt/WindowRegistry.h"

namespace fw {
namespace {

struct EditView : RectControl::View {
  EditView() : View(new QTextEdit(detail::NewControlParent())) {}
  QTextEdit* Edit() const { return static_cast<QTextEdit*>(widget.data()); }
  TextStyle style;
  bool readOnly = false, styled = false, multiLine = true, border = true;
  bool scrollVertical = true, scrollHorizontal = false;
  Color back{255, 255, 255};

  // What a handler changed, held back until it ends.
  struct Content {
    String text;
    std::optional<String> styleTable;  // none for plain text
  };
  struct Pending {
    std::optional<Content> content;  // replaces the whole text
    std::optional<int> selStart;     // after the content
  } pending;

  void Configure() {
    QTextEdit* e = Edit();
    if (!e) return;
    e->setReadOnly(readOnly);
    if (readOnly) e->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    e->setAcceptRichText(false);
    // Setting even the same frame lays the widget's frame out again.
    if (QFrame::Shape shape = border ? QFrame::StyledPanel : QFrame::NoFrame; e->frameShape() != shape)
      e->setFrameShape(shape);
    e->setVerticalScrollBarPolicy(multiLine && scrollVertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    e->setHorizontalScrollBarPolicy(scrollHorizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    e->setLineWrapMode(multiLine && !scrollHorizontal ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    e->setFont(style.Font());
    SetColors(e, {{QPalette::Base, ToQColor(back)}, {QPalette::Text, ToQColor(style.color)}});
  }
};

// UTF-16 positions of Qt against character (code point) positions.
int CharsBefore(const QString& text, int utf16Pos) {
  int chars = 0;
  for (int i = 0; i < utf16Pos && i < text.size(); ++i)
    if (!text[i].isLowSurrogate()) ++chars;
  return chars;
}

int Utf16PosOfChar(const QString& text, int chars) {
  int i = 0;
  for (int n = 0; i < text.size() && n < chars; ++i)
    if (!text[i].isLowSurrogate()) ++n;
  while (i < text.size() && text[i].isLowSurrogate()) ++i;
  return i;
}

QTextCharFormat FormatOf(const codec::StyleElement& style, const QFont& fieldFont) {
  QTextCharFormat format;
  QFont font(detail::FamilyForFontNumber(style.font));
  font.setPixelSize(style.size > 0 ? style.size : fieldFont.pixelSize());
  font.setBold(style.face & codec::kFaceBold);
  font.setItalic(style.face & codec::kFaceItalic);
  font.setUnderline(style.face & codec::kFaceUnderline);
  format.setFont(font);
  format.setForeground(QColor(style.red >> 8, style.green >> 8, style.blue >> 8));
  return format;
}

}  // namespace

// The widget takes its configuration from the record (or, without one,
// when its window is complete): configuring it twice costs more than making it.
EditField::EditField() : RectControl(std::make_unique<EditView>()) {}

String EditField::Text() const {
  Settle();
  QTextEdit* e = ViewOf<EditView>(*this).Edit();
  return e ? detail::FromDisplayText(e->toPlainText()) : String();
}

void EditField::SetText(const String& text) {
  if (!Hold(text, std::nullopt)) ApplyText(text);
}

void EditField::SetTextAndStyle(const String& text, const String& styleTable) {
  // More than the packer writes is damage, and laying it out could take
  // minutes.
  if (!codec::TopicWithinLimits(text.Bytes(), styleTable.Bytes()))
    throw OutOfBoundsException("text or style table beyond what a topic holds");
  if (!Hold(text, styleTable)) ApplyStyledText(text, styleTable, false);
}

int EditField::SelStart() const {
  Settle();
  QTextEdit* e = ViewOf<EditView>(*this).Edit();
  return e ? CharsBefore(e->toPlainText(), e->textCursor().selectionStart()) : 0;
}

void EditField::SetSelStart(int position) {
  EditView& v = ViewOf<EditView>(*this);
  if (!v.Edit()) return;
  if (!MayHold()) return ApplySelStart(position);
  v.pending.selStart = position;
}

bool EditField::Hold(const String& text, std::optional<String> styleTable) {
  EditView& v = ViewOf<EditView>(*this);
  if (!v.Edit()) return true;
  if (!MayHold()) return false;
  // A new text replaces whatever came before it, the insertion point included.
  v.pending.content = EditView::Content{text, std::move(styleTable)};
  v.pending.selStart.reset();
  return true;
}

bool EditField::MayHold() {
  // Only while a handler runs, which settles the field when it ends.
  if (!detail::InHandler() || weak_from_this().expired()) return false;
  EditView& v = ViewOf<EditView>(*this);
  if (!v.pending.content && !v.pending.selStart) detail::SettleWhenHandlerEnds(SelfRef());
  return true;
}

void EditField::Settle() const {
  EditView& v = const_cast<EditView&>(ViewOf<EditView>(*this));
  if (!v.pending.content && !v.pending.selStart) return;
  auto pending = std::exchange(v.pending, {});
  auto* self = const_cast<EditField*>(this);
  if (!v.Edit()) return;
  // The commonest pair, a new text read from its start, is applied as one
  // change: the insertion point is put at the start before the text goes in.
  bool atStart = pending.content && pending.selStart && *pending.selStart <= 0;
  if (pending.content) {
    if (pending.content->styleTable)
      self->ApplyStyledText(pending.content->text, *pending.content->styleTable, atStart);
    else
      self->ApplyText(pending.content->text);
  }
  if (pending.selStart && !(atStart && pending.content->styleTable)) self->ApplySelStart(*pending.selStart);
}

void EditField::ApplyText(const String& text) {
  QTextEdit* e = ViewOf<EditView>(*this).Edit();
  if (text.IsEmpty() && e->document()->isEmpty()) return;  // nothing to empty
  e->setPlainText(detail::ToDisplayText(text));
}

void EditField::ApplyStyledText(const String& text, const String& styleTable, bool cursorAtStart) {
  QTextEdit* edit = ViewOf<EditView>(*this).Edit();
  const std::string& bytes = text.Bytes();
  QTextDocument* doc = edit->document();
  // Turning undo off compacts the document's text every time: only once.
  if (doc->isUndoRedoEnabled()) doc->setUndoRedoEnabled(false);
  doc->clear();
  QTextCursor cursor(doc);
  if (cursorAtStart) {
    // The field's insertion point waits in front of a placeholder, the text
    // goes in behind it, and the placeholder goes: placing the insertion
    // point after the text would lay the first line out a second time.
    cursor.insertText(QStringLiteral(" "));
    edit->setTextCursor(QTextCursor(doc));
  }
  cursor.beginEditBlock();
  QTextCharFormat plain;
  plain.setFont(edit->font());
  plain.setForeground(edit->palette().color(QPalette::Text));
  // A text uses a handful of styles over many runs: make each format once.
  std::vector<std::pair<codec::StyleElement, QTextCharFormat>> formats;
  auto formatOf = [&](codec::StyleElement style) -> const QTextCharFormat& {
    style.startChar = 0;  // where a run starts is no part of its look
    style.height = style.ascent = 0;
    for (const auto& [made, format] : formats)
      if (made == style) return format;
    return formats.emplace_back(style, FormatOf(style, edit->font())).second;
  };
  for (const codec::StyledSpan& span : codec::StyleSpansForText(bytes, styleTable.Bytes())) {
    // Spans end on character boundaries, so each piece decodes on its own.
    QString piece = QString::fromUtf8(bytes.data() + span.begin, static_cast<qsizetype>(span.end - span.begin));
    piece.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    cursor.insertText(piece, span.hasStyle ? formatOf(span.style) : plain);
  }
  if (cursorAtStart) {
    cursor.setPosition(0);
    cursor.deleteChar();
  }
  cursor.endEditBlock();
}

void EditField::ApplySelStart(int position) {
  QTextEdit* e = ViewOf<EditView>(*this).Edit();
  QTextCursor cursor = e->textCursor();
  // setTextCursor shows the insertion point itself.
  cursor.setPosition(position <= 0 ? 0 : Utf16PosOfChar(e->toPlainText(), position));
  e->setTextCursor(cursor);
}

bool EditField::ReadOnly() const { return ViewOf<EditView>(*this).readOnly; }
bool EditField::Styled() const { return ViewOf<EditView>(*this).styled; }

const property::Setter<EditField> EditField::kProperties[] = {
    {"Text", [](EditField& f, const auto& v) { f.SetText(property::Str(v)); }},
    {"ReadOnly", [](EditField& f, const auto& v) { ViewOf<EditView>(f).readOnly = property::Bool(v); }},
    {"Styled", [](EditField& f, const auto& v) { ViewOf<EditView>(f).styled = property::Bool(v); }},
    {"MultiLine", [](EditField& f, const auto& v) { ViewOf<EditView>(f).multiLine = property::Bool(v); }},
    {"Border", [](EditField& f, const auto& v) { ViewOf<EditView>(f).border = property::Bool(v); }},
    {"ScrollBarVertical", [](EditField& f, const auto& v) { ViewOf<EditView>(f).scrollVertical = property::Bool(v); }},
    {"ScrollBarHorizontal",
     [](EditField& f, const auto& v) { ViewOf<EditView>(f).scrollHorizontal = property::Bool(v); }},
    {"BackColor", [](EditField& f, const auto& v) { ViewOf<EditView>(f).back = property::Colour(v); }},
    {"AcceptTabs", [](EditField& f, const auto& v) {
       if (QTextEdit* e = ViewOf<EditView>(f).Edit()) e->setTabChangesFocus(!property::Bool(v));
     }},
};

bool EditField::SetOwnProperty(std::string_view name, const codec::PropertyValue& value) {
  return ViewOf<EditView>(*this).style.Take(name, value) || property::Set(kProperties, *this, name, value) ||
         RectControl::SetOwnProperty(name, value);
}

void EditField::Refresh() {
  Settle();
  ViewOf<EditView>(*this).Configure();
  RectControl::Refresh();
}

}  // namespace fw
