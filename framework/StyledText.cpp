#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "framework/Controls.h"
#include "codec/ContentLimits.h"
#include "codec/StyleScrap.h"
#include "framework/qt/Internal.h"
#include "framework/qt/Views.h"

namespace fw {
namespace {

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

void EditField::SetTextAndStyle(const String& text, const String& styleTable) {
  const std::string& bytes = text.Bytes();
  // More than the packer writes is damage, and laying it out could take
  // minutes.
  if (!codec::TopicWithinLimits(bytes, styleTable.Bytes()))
    throw OutOfBoundsException("text or style table beyond what a topic holds");
  auto* edit = qobject_cast<QTextEdit*>(WidgetOf(*this));
  if (!edit) return;
  QTextDocument* doc = edit->document();
  doc->setUndoRedoEnabled(false);
  doc->clear();
  QTextCursor cursor(doc);
  cursor.beginEditBlock();
  QTextCharFormat plain;
  plain.setFont(edit->font());
  plain.setForeground(edit->palette().color(QPalette::Text));
  for (const codec::StyledSpan& span : codec::StyleSpansForText(bytes, styleTable.Bytes())) {
    // Spans end on character boundaries, so each piece decodes on its own.
    QString piece = QString::fromUtf8(bytes.data() + span.begin, static_cast<qsizetype>(span.end - span.begin));
    piece.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    cursor.insertText(piece, span.hasStyle ? FormatOf(span.style, edit->font()) : plain);
  }
  cursor.endEditBlock();
}

}  // namespace fw
