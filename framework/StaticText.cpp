#include "framework/StaticText.h"

#include <QLabel>

#include <algorithm>

#include "framework/Properties.h"
#include "framework/qt/ControlView.h"
#include "framework/qt/TextConversion.h"
#include "framework/qt/TextStyle.h"
#include "framework/qt/WindowRegistry.h"

namespace fw {
namespace {

struct LabelView : RectControl::View {
  // Text, format and alignment come with the record, or without one when
  // the window is complete (see EditField).
  LabelView() : View(new QLabel(detail::NewControlParent())) {}
  QLabel* Label() const { return static_cast<QLabel*>(widget.data()); }
  TextStyle style;
  String text;
  int align = 0;
  bool multiLine = false;
  int textWidth = 0;  // of the shown text, for a single-line label

  void Configure(int declaredWidth) {
    QLabel* l = Label();
    if (!l) return;
    // Labels store "&&" for one ampersand.
    QString shown = detail::ToDisplayText(text);
    shown.replace(QLatin1String("&&"), QLatin1String("&"));
    int pixels = style.size > 0 ? style.size : 12;
    if (multiLine) {
      // Lines of a label stand at the classic distance for its size (13
      // pixels for 10), which the declared positions of other controls
      // lying on those lines assume; blanks are kept as they are stored.
      l->setTextFormat(Qt::RichText);
      l->setText(QString("<p style=\"margin:0; white-space:pre-wrap; line-height:%1px\">%2</p>")
                     .arg((pixels * 13 + 5) / 10)
                     .arg(shown.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>"))));
    } else {
      l->setTextFormat(Qt::PlainText);
      l->setText(shown);
    }
    l->setWordWrap(multiLine);
    Qt::Alignment h = align == 1 ? Qt::AlignHCenter : align == 2 ? Qt::AlignRight : Qt::AlignLeft;
    l->setAlignment(h | Qt::AlignTop);
    l->setFont(style.Font());
    SetColors(l, {{QPalette::WindowText, ToQColor(style.color)}});
    // Measuring shapes the text, which costs more than building the label:
    // only measure when the text might not fit (no glyph is wider than 1.2
    // times the font's pixel size).
    bool mightOverflow = !multiLine && align == 0 && shown.size() * pixels * 12 / 10 > declaredWidth;
    textWidth = mightOverflow ? l->fontMetrics().horizontalAdvance(shown) + 2 * l->margin() + 1 : 0;
  }
};

}  // namespace

StaticText::StaticText() : RectControl(std::make_unique<LabelView>()) {}

String StaticText::Text() const { return ViewOf<LabelView>(*this).text; }

void StaticText::SetText(const String& text) {
  ViewOf<LabelView>(*this).text = text;
  Refresh();
}

int StaticText::ShownWidth() const {
  const LabelView& v = ViewOf<LabelView>(*this);
  QLabel* label = v.Label();
  if (!label || v.multiLine || v.align != 0 || v.textWidth <= Width()) return Width();
  int room = label->parentWidget() ? label->parentWidget()->width() - Left() : v.textWidth;
  return std::max(Width(), std::min(v.textWidth, room));
}

void StaticText::Refresh() {
  ViewOf<LabelView>(*this).Configure(Width());
  RectControl::Refresh();
}

int StaticText::TextAlign() const { return ViewOf<LabelView>(*this).align; }
Color StaticText::TextColor() const { return ViewOf<LabelView>(*this).style.color; }

const property::Setter<StaticText> StaticText::kProperties[] = {
    {"Text", [](StaticText& t, const auto& v) { ViewOf<LabelView>(t).text = property::Str(v); }},
    {"TextAlign", [](StaticText& t, const auto& v) { ViewOf<LabelView>(t).align = property::Int(v); }},
    {"MultiLine", [](StaticText& t, const auto& v) { ViewOf<LabelView>(t).multiLine = property::Bool(v); }},
};

bool StaticText::SetOwnProperty(std::string_view name, const codec::PropertyValue& value) {
  return ViewOf<LabelView>(*this).style.Take(name, value) || property::Set(kProperties, *this, name, value) ||
         RectControl::SetOwnProperty(name, value);
}

}  // namespace fw
