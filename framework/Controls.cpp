#include "framework/Controls.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

#include "framework/Media.h"
#include "framework/Window.h"
#include "framework/qt/Internal.h"
#include "framework/qt/MediaImpl.h"
#include "framework/qt/Plugin.h"
#include "framework/qt/Views.h"

namespace fw {
namespace {

int ToInt(const codec::PropertyValue& v) { return std::get<std::int32_t>(v); }
bool ToBool(const codec::PropertyValue& v) { return std::get<bool>(v); }
String ToStr(const codec::PropertyValue& v) { return String(std::get<std::string>(v)); }
QColor ToQColor(Color c) { return QColor(c.red, c.green, c.blue); }

// Font and colour of a control's text, as its record and code set them.
struct TextStyle {
  String font = "System";
  int size = 12;
  bool bold = false, italic = false, underline = false;
  Color color{0, 0, 0};

  // Takes the property if it is one of the text style's; says whether it did.
  bool Take(std::string_view name, const codec::PropertyValue& v) {
    if (name == "TextFont") font = ToStr(v);
    else if (name == "TextSize") size = ToInt(v);
    else if (name == "Bold") bold = ToBool(v);
    else if (name == "Italic") italic = ToBool(v);
    else if (name == "Underline") underline = ToBool(v);
    else if (name == "TextColor") color = std::get<Color>(v);
    else return false;
    return true;
  }
  QFont Font() const { return detail::FontFor(font, size, bold, italic, underline); }
};

// Sets palette colours, only where they differ: a palette change is costly
// and most controls keep the style's black on white.
void SetColors(QWidget* w, std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colors) {
  QPalette p = w->palette();
  bool changed = false;
  for (const auto& [role, color] : colors) {
    if (p.color(role) == color) continue;
    p.setColor(role, color);
    changed = true;
  }
  if (changed) w->setPalette(p);
}

// --- Widgets --------------------------------------------------------------

class RoundRectWidget : public QWidget {
 public:
  using QWidget::QWidget;
  Color fill{255, 255, 255}, border{0, 0, 0};
  int borderWidth = 1, ovalWidth = 0, ovalHeight = 0;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    qreal inset = borderWidth / 2.0;
    QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    p.setBrush(ToQColor(fill));
    if (borderWidth > 0) p.setPen(QPen(ToQColor(border), borderWidth));
    else p.setPen(Qt::NoPen);
    p.drawRoundedRect(r, ovalWidth / 2.0, ovalHeight / 2.0);
  }
};

class CanvasWidget : public QWidget {
 public:
  using QWidget::QWidget;
  std::weak_ptr<Canvas> owner;
  QPixmap backdrop;

 protected:
  void paintEvent(QPaintEvent*) override {
    // Nothing of its own to draw leaves what lies below visible.
    if (backdrop.isNull()) return;
    QPainter p(this);
    p.drawPixmap(0, 0, backdrop);
  }
  // A second press in quick succession is a press all the same.
  void mouseDoubleClickEvent(QMouseEvent* e) override { mousePressEvent(e); }
  void mousePressEvent(QMouseEvent* e) override {
    auto canvas = owner.lock();
    if (!canvas) return;
    QPoint at = e->position().toPoint();
    detail::CallHandler([&] { canvas->MousePressed(at.x(), at.y()); });
  }
};

struct EditView : RectControl::View {
  EditView() : View(new QTextEdit(detail::NurseryParent())) {}
  QTextEdit* Edit() const { return static_cast<QTextEdit*>(widget.data()); }
  TextStyle style;
  bool readOnly = false, styled = false, multiLine = true, border = true;
  bool scrollVertical = true, scrollHorizontal = false;
  Color back{255, 255, 255};

  void Configure() {
    QTextEdit* e = Edit();
    if (!e) return;
    e->setReadOnly(readOnly);
    if (readOnly) e->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    e->setAcceptRichText(false);
    e->setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame);
    e->setVerticalScrollBarPolicy(multiLine && scrollVertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    e->setHorizontalScrollBarPolicy(scrollHorizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    e->setLineWrapMode(multiLine && !scrollHorizontal ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    e->setFont(style.Font());
    SetColors(e, {{QPalette::Base, ToQColor(back)}, {QPalette::Text, ToQColor(style.color)}});
  }
};

struct ListView : RectControl::View {
  ListView() : View(new QListWidget(detail::NurseryParent())) {}
  QListWidget* List() const { return static_cast<QListWidget*>(widget.data()); }
  TextStyle style{.font = "System", .size = 12};
  std::vector<String> rows;
  bool scrollVertical = true, scrollHorizontal = false;
};

struct ButtonView : RectControl::View {
  ButtonView() : View(new QPushButton(detail::NurseryParent())) {}
  QPushButton* Button() const { return static_cast<QPushButton*>(widget.data()); }
  TextStyle style;
  String caption;
};

struct LabelView : RectControl::View {
  LabelView() : View(new QLabel(detail::NurseryParent())) {
    Label()->setTextFormat(Qt::PlainText);
    Label()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }
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

struct RoundRectView : RectControl::View {
  RoundRectView() : View(new RoundRectWidget(detail::NurseryParent())) {}
  RoundRectWidget* Box() const { return static_cast<RoundRectWidget*>(widget.data()); }
};

struct CanvasView : RectControl::View {
  CanvasView() : View(new CanvasWidget(detail::NurseryParent())) {}
  CanvasWidget* Surface() const { return static_cast<CanvasWidget*>(widget.data()); }
};

template <class V>
V& ViewOf(const RectControl& c) {
  return static_cast<V&>(c.GetView());
}

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

}  // namespace

// --- RectControl ----------------------------------------------------------

RectControl::RectControl() : RectControl(std::make_unique<View>(new QWidget(detail::NurseryParent()))) {}

RectControl::RectControl(std::unique_ptr<View> view) : view_(std::move(view)) {}

RectControl::~RectControl() = default;

void RectControl::SetVisible(bool visible) {
  visible_ = visible;
  ApplyVisibility();
}

void RectControl::ApplyVisibility() {
  QWidget* w = view_->widget;
  // A control not yet on a window would show as a window of its own.
  if (!w || !w->parent()) return;
  // A child never shown or hidden by hand appears with its window: showing
  // it explicitly would only cost time.
  if (visible_ && !w->testAttribute(Qt::WA_WState_ExplicitShowHide)) return;
  w->setVisible(visible_);
}

void RectControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (view_->widget) view_->widget->setEnabled(enabled);
}

void RectControl::SetFocus() {
  if (view_->widget) view_->widget->setFocus(Qt::OtherFocusReason);
}

bool RectControl::HasEvent(std::string_view event) const { return event == "open"; }

namespace {
std::string Lower(const String& s) {
  std::string out = s.Bytes();
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}
}  // namespace

void RectControl::InstallEventHandler(const String& event, ControlEventHandler handler) {
  std::string name = Lower(event);
  if (!HasEvent(name) || name == "mousedown")
    throw UnsupportedOperationException("control \"" + name_.Bytes() + "\" has no event \"" +
                                        event.Bytes() + "\" of this kind");
  if (detail::Tracing()) detail::Trace("event handler " + name_.Bytes() + "." + event.Bytes());
  handlers_.emplace_back(String(name), std::move(handler));
}

void RectControl::InstallEventHandler(const String& event, MouseDownHandler handler) {
  if (Lower(event) != "mousedown" || !HasEvent("mousedown"))
    throw UnsupportedOperationException("control \"" + name_.Bytes() + "\" has no event \"" +
                                        event.Bytes() + "\" of this kind");
  if (detail::Tracing()) detail::Trace("event handler " + name_.Bytes() + "." + event.Bytes());
  mouseDown_ = std::move(handler);
}

void RectControl::RaiseEvent(std::string_view event) {
  for (const auto& [name, handler] : handlers_) {
    if (name.Bytes() != event) continue;
    auto self = SelfRef();
    auto h = handler;
    detail::CallHandler([&] { h(self); });
  }
}

void RectControl::RaiseOpen() { RaiseEvent("open"); }

void RectControl::SetProperty(std::string_view name, const codec::PropertyValue& value) {
  if (name == "Name") name_ = ToStr(value);
  else if (name == "Left") designLeft_ = left_ = ToInt(value), ApplyGeometry();
  else if (name == "Top") designTop_ = top_ = ToInt(value), ApplyGeometry();
  else if (name == "Width") designWidth_ = width_ = std::max(0, ToInt(value)), ApplyGeometry();
  else if (name == "Height") designHeight_ = height_ = std::max(0, ToInt(value)), ApplyGeometry();
  else if (name == "LockLeft") lockLeft_ = ToBool(value);
  else if (name == "LockTop") lockTop_ = ToBool(value);
  else if (name == "LockRight") lockRight_ = ToBool(value);
  else if (name == "LockBottom") lockBottom_ = ToBool(value);
  else if (name == "Visible") SetVisible(ToBool(value));
  else if (name == "Enabled") SetEnabled(ToBool(value));
  else if (name == "TabIndex") tabIndex_ = ToInt(value);
  else if (name == "InitialParent") initialParent_ = ToStr(value);
  else if (name == "HelpTag" && view_->widget) view_->widget->setToolTip(detail::ToQString(ToStr(value)));
  // Index, TabPanelIndex, AutoDeactivate, balloon help and data binding have
  // no effect here.
}

void RectControl::ApplyGeometry() {
  if (view_->widget && !inRecord_) view_->widget->setGeometry(left_, top_, ShownWidth(), height_);
}

void RectControl::EndRecord() {
  inRecord_ = false;
  Refresh();
}

void RectControl::AttachTo(const std::shared_ptr<fw::Window>& window, const String& name) {
  window_ = window;
  name_ = name;
  if (QWidget* content = ContentWidgetOf(*window); content && view_->widget) {
    if (view_->widget->parentWidget() != content) view_->widget->setParent(content);
    ApplyGeometry();
    ApplyVisibility();
  }
  Attached();
}

void RectControl::FollowWindowResize(int dx, int dy) {
  // A control locked to both edges of an axis grows with the window; locked
  // to the far edge only, it moves with it.
  left_ = designLeft_;
  width_ = designWidth_;
  if (lockRight_) (lockLeft_ ? width_ : left_) += dx;
  top_ = designTop_;
  height_ = designHeight_;
  if (lockBottom_) (lockTop_ ? height_ : top_) += dy;
  width_ = std::max(0, width_);
  height_ = std::max(0, height_);
  ApplyGeometry();
}

QWidget* WidgetOf(const RectControl& control) { return control.GetView().widget; }

// --- EditField ------------------------------------------------------------

// The widget takes its configuration from the record (or, without one,
// when its window is complete): configuring it twice costs more than making it.
EditField::EditField() : RectControl(std::make_unique<EditView>()) {}

String EditField::Text() const {
  QTextEdit* e = ViewOf<EditView>(*this).Edit();
  return e ? detail::FromDisplayText(e->toPlainText()) : String();
}

void EditField::SetText(const String& text) {
  EditView& v = ViewOf<EditView>(*this);
  if (!v.Edit()) return;
  if (text.IsEmpty() && v.Edit()->document()->isEmpty()) return;  // nothing to empty
  v.Edit()->setPlainText(detail::ToDisplayText(text));
}

int EditField::SelStart() const {
  QTextEdit* e = ViewOf<EditView>(*this).Edit();
  return e ? CharsBefore(e->toPlainText(), e->textCursor().selectionStart()) : 0;
}

void EditField::SetSelStart(int position) {
  QTextEdit* e = ViewOf<EditView>(*this).Edit();
  if (!e) return;
  QTextCursor cursor = e->textCursor();
  // setTextCursor shows the insertion point itself.
  cursor.setPosition(position <= 0 ? 0 : Utf16PosOfChar(e->toPlainText(), position));
  e->setTextCursor(cursor);
}

bool EditField::ReadOnly() const { return ViewOf<EditView>(*this).readOnly; }
bool EditField::Styled() const { return ViewOf<EditView>(*this).styled; }

void EditField::SetProperty(std::string_view name, const codec::PropertyValue& value) {
  EditView& v = ViewOf<EditView>(*this);
  if (v.style.Take(name, value)) {}
  else if (name == "Text") SetText(ToStr(value));
  else if (name == "ReadOnly") v.readOnly = ToBool(value);
  else if (name == "Styled") v.styled = ToBool(value);
  else if (name == "MultiLine") v.multiLine = ToBool(value);
  else if (name == "Border") v.border = ToBool(value);
  else if (name == "ScrollBarVertical") v.scrollVertical = ToBool(value);
  else if (name == "ScrollBarHorizontal") v.scrollHorizontal = ToBool(value);
  else if (name == "BackColor") v.back = std::get<Color>(value);
  else if (name == "AcceptTabs" && v.Edit()) v.Edit()->setTabChangesFocus(!ToBool(value));
  else return RectControl::SetProperty(name, value);
  if (!InRecord()) v.Configure();
}

void EditField::Refresh() {
  ViewOf<EditView>(*this).Configure();
  RectControl::Refresh();
}

// --- Listbox --------------------------------------------------------------

Listbox::Listbox() : RectControl(std::make_unique<ListView>()) {
  ListView& v = ViewOf<ListView>(*this);
  QListWidget* list = v.List();
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setFont(v.style.Font());
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QObject::connect(list, &QListWidget::currentRowChanged, list, [this](int) {
    // Only the user's changes: the program's own go through SetListIndex.
    SelectionChangedByUser();
  });
}

void Listbox::AddRow(const String& text) {
  ListView& v = ViewOf<ListView>(*this);
  v.rows.push_back(text);
  if (v.List()) v.List()->addItem(detail::ToDisplayText(text));
}

int Listbox::ListCount() const { return static_cast<int>(ViewOf<ListView>(*this).rows.size()); }

String Listbox::List(int row) const {
  const auto& rows = ViewOf<ListView>(*this).rows;
  if (row < 0 || row >= static_cast<int>(rows.size()))
    throw OutOfBoundsException("list row " + std::to_string(row) + " out of bounds");
  return rows[static_cast<std::size_t>(row)];
}

int Listbox::ListIndex() const {
  QListWidget* list = ViewOf<ListView>(*this).List();
  return list ? list->currentRow() : -1;
}

void Listbox::SetListIndex(int row) {
  QListWidget* list = ViewOf<ListView>(*this).List();
  if (!list) return;
  if (row < -1 || row >= list->count())
    throw OutOfBoundsException("list row " + std::to_string(row) + " out of bounds");
  if (row == list->currentRow()) return;
  {
    QSignalBlocker block(list);
    list->setCurrentRow(row);
    if (row < 0) list->clearSelection();
  }
  RaiseEvent("change");
}

String Listbox::Text() const {
  int row = ListIndex();
  return row < 0 ? String() : ViewOf<ListView>(*this).rows[static_cast<std::size_t>(row)];
}

void Listbox::SelectionChangedByUser() { RaiseEvent("change"); }

void Listbox::Refresh() {
  ListView& v = ViewOf<ListView>(*this);
  if (v.List()) v.List()->setFont(v.style.Font());
  RectControl::Refresh();
}

bool Listbox::HasEvent(std::string_view event) const {
  return event == "change" || RectControl::HasEvent(event);
}

void Listbox::SetProperty(std::string_view name, const codec::PropertyValue& value) {
  ListView& v = ViewOf<ListView>(*this);
  QListWidget* list = v.List();
  if (v.style.Take(name, value)) {
    if (list && !InRecord()) list->setFont(v.style.Font());
  } else if (name == "ScrollBarVertical") {
    if (list) list->setVerticalScrollBarPolicy(ToBool(value) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  } else if (name == "ScrollBarHorizontal") {
    if (list) list->setHorizontalScrollBarPolicy(ToBool(value) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  } else if (name == "InitialValue") {
    // Rows of the design, one per line.
    String rows = ToStr(value);
    for (int i = 1, n = CountFields(rows, "\r"); i <= n && !rows.IsEmpty(); ++i)
      AddRow(NthField(rows, "\r", i));
  } else {
    RectControl::SetProperty(name, value);
  }
}

// --- PushButton -----------------------------------------------------------

PushButton::PushButton() : RectControl(std::make_unique<ButtonView>()) {
  ButtonView& v = ViewOf<ButtonView>(*this);
  v.Button()->setAutoDefault(false);
  v.Button()->setFont(v.style.Font());
  QObject::connect(v.Button(), &QPushButton::clicked, v.Button(), [this] {
    if (Enabled()) RaiseEvent("action");
  });
}

String PushButton::Caption() const { return ViewOf<ButtonView>(*this).caption; }

void PushButton::SetCaption(const String& caption) {
  ButtonView& v = ViewOf<ButtonView>(*this);
  v.caption = caption;
  // An ampersand is text here, not a mnemonic marker.
  QString shown = detail::ToDisplayText(caption);
  shown.replace(QLatin1Char('&'), QLatin1String("&&"));
  if (v.Button()) v.Button()->setText(shown);
}

bool PushButton::Underline() const { return ViewOf<ButtonView>(*this).style.underline; }

void PushButton::SetUnderline(bool on) {
  ButtonView& v = ViewOf<ButtonView>(*this);
  v.style.underline = on;
  if (v.Button()) v.Button()->setFont(v.style.Font());
}

void PushButton::Push() {
  if (Enabled()) RaiseEvent("action");
}

void PushButton::Refresh() {
  ButtonView& v = ViewOf<ButtonView>(*this);
  if (v.Button()) v.Button()->setFont(v.style.Font());
  RectControl::Refresh();
}

bool PushButton::HasEvent(std::string_view event) const {
  return event == "action" || RectControl::HasEvent(event);
}

void PushButton::SetProperty(std::string_view name, const codec::PropertyValue& value) {
  ButtonView& v = ViewOf<ButtonView>(*this);
  if (v.style.Take(name, value)) {
    if (v.Button() && !InRecord()) v.Button()->setFont(v.style.Font());
  } else if (name == "Caption") {
    SetCaption(ToStr(value));
  } else if (name == "Default") {
    default_ = ToBool(value);
    if (v.Button()) v.Button()->setDefault(default_);
  } else if (name == "Cancel") {
    cancel_ = ToBool(value);
  } else {
    RectControl::SetProperty(name, value);
  }
}

// --- StaticText -----------------------------------------------------------

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

void StaticText::SetProperty(std::string_view name, const codec::PropertyValue& value) {
  LabelView& v = ViewOf<LabelView>(*this);
  if (v.style.Take(name, value)) {}
  else if (name == "Text") v.text = ToStr(value);
  else if (name == "TextAlign") v.align = ToInt(value);
  else if (name == "MultiLine") v.multiLine = ToBool(value);
  else return RectControl::SetProperty(name, value);
  if (!InRecord()) Refresh();
}

// --- RoundRectangle -------------------------------------------------------

RoundRectangle::RoundRectangle() : RectControl(std::make_unique<RoundRectView>()) {}

Color RoundRectangle::FillColor() const { return ViewOf<RoundRectView>(*this).Box()->fill; }
Color RoundRectangle::BorderColor() const { return ViewOf<RoundRectView>(*this).Box()->border; }
int RoundRectangle::BorderWidth() const { return ViewOf<RoundRectView>(*this).Box()->borderWidth; }
int RoundRectangle::OvalWidth() const { return ViewOf<RoundRectView>(*this).Box()->ovalWidth; }
int RoundRectangle::OvalHeight() const { return ViewOf<RoundRectView>(*this).Box()->ovalHeight; }

void RoundRectangle::SetFillColor(Color c) {
  RoundRectWidget* box = ViewOf<RoundRectView>(*this).Box();
  box->fill = c;
  box->update();
}

void RoundRectangle::SetBorderColor(Color c) {
  RoundRectWidget* box = ViewOf<RoundRectView>(*this).Box();
  box->border = c;
  box->update();
}

void RoundRectangle::SetProperty(std::string_view name, const codec::PropertyValue& value) {
  RoundRectWidget* box = ViewOf<RoundRectView>(*this).Box();
  if (name == "FillColor") box->fill = std::get<Color>(value);
  else if (name == "BorderColor") box->border = std::get<Color>(value);
  else if (name == "BorderWidth") box->borderWidth = std::max(0, ToInt(value));
  else if (name == "OvalWidth") box->ovalWidth = std::max(0, ToInt(value));
  else if (name == "OvalHeight") box->ovalHeight = std::max(0, ToInt(value));
  else return RectControl::SetProperty(name, value);
  box->update();
}

// --- Canvas ---------------------------------------------------------------

Canvas::Canvas() : RectControl(std::make_unique<CanvasView>()) {
  CanvasWidget* surface = ViewOf<CanvasView>(*this).Surface();
  surface->setFocusPolicy(Qt::NoFocus);
}

void Canvas::SetBackdrop(const std::shared_ptr<Picture>& picture) {
  backdrop_ = picture;
  CanvasWidget* surface = ViewOf<CanvasView>(*this).Surface();
  surface->backdrop = picture ? picture->GetImpl().pixmap : QPixmap();
  surface->update();
}

bool Canvas::MousePressed(int x, int y) {
  if (!mouseDown_) return false;
  auto self = SelfRef();
  auto handler = mouseDown_;
  return detail::CallBoolHandler([&] { return handler(self, x, y); });
}

void Canvas::Attached() {
  ViewOf<CanvasView>(*this).Surface()->owner = std::static_pointer_cast<Canvas>(shared_from_this());
}

bool Canvas::HasEvent(std::string_view event) const {
  return event == "mousedown" || RectControl::HasEvent(event);
}

void Canvas::SetProperty(std::string_view name, const codec::PropertyValue& value) {
  CanvasWidget* surface = ViewOf<CanvasView>(*this).Surface();
  if (name == "AcceptFocus") surface->setFocusPolicy(ToBool(value) ? Qt::StrongFocus : Qt::NoFocus);
  // UseFocusRing, AcceptTabs and EraseBackground change nothing on a canvas
  // that draws only its backdrop.
  RectControl::SetProperty(name, value);
}

// --- Separator ------------------------------------------------------------

Separator::Separator() : RectControl(std::make_unique<View>(plugin::Appearance().CreateSeparator())) {}

Separator::~Separator() = default;

}  // namespace fw
