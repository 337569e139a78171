#include "declare/Declare.h"

namespace korvane::declare {

namespace {

using codec::RecordField;
using Fields = std::vector<RecordField>;

// A record from a head of class-specific entries and the tail that every
// control record of the program ends with (the About box's aside).
std::string Record(const char* name, Rect r, Fields head, const Tail& tail) {
  head.insert(head.end(), {
      {"LockBottom", tail.locks.bottom},
      {"LockRight", tail.locks.right},
      {"LockTop", tail.locks.top},
      {"LockLeft", tail.locks.left},
      {"AutoDeactivate", true},
      {"DisabledBalloonHelp", ""},
      {"BalloonHelp", ""},
      {"HelpTag", ""},
      {"InitialParent", tail.initialParent},
      {"Height", r.height},
      {"Width", r.width},
      {"Top", r.top},
      {"Left", r.left},
      {"Visible", tail.visible},
      {"TabPanelIndex", 0},
      {"Index", kNoIndex},
      {"Name", name},
  });
  return codec::EncodeRecord(head);
}

// The About box's records begin with name, place and locks, all false.
Fields AboutHead(const char* name, Rect r, int tabIndex) {
  return {
      {"Name", name},
      {"Index", kNoIndex},
      {"Left", r.left},
      {"Top", r.top},
      {"Width", r.width},
      {"Height", r.height},
      {"LockLeft", false},
      {"LockTop", false},
      {"LockRight", false},
      {"LockBottom", false},
      {"TabPanelIndex", 0},
      {"TabIndex", tabIndex},
  };
}

template <class C>
Control Line(const char* name, Rect r, Fields head, const Tail& tail) {
  return Control::Of<C>(name, Record(name, r, std::move(head), tail));
}

}  // namespace

void Control::Create(const std::shared_ptr<fw::Window>& window) const {
  std::shared_ptr<fw::RectControl> control = add_(window, name_);
  if (before_) before_(control);
  fw::SetProperties(fw::Need(control), record_);
  for (const auto& bind : binds_) bind(window, name_);
}

std::string WindowRecord(const WindowLook& w) {
  return codec::EncodeRecord({
      {"Placement", w.placement},
      {"Width", w.width},
      {"Height", w.height},
      {"MinWidth", w.minWidth},
      {"MinHeight", w.minHeight},
      {"MaxWidth", w.maxWidth},
      {"MaxHeight", w.maxHeight},
      {"Frame", w.frame},
      {"Composite", false},
      {"HasBackColor", w.hasBackColor},
      {"BackColor", w.backColor},
      {"Title", w.title},
      {"Visible", true},
      {"FullScreen", false},
      {"MenuBarVisible", true},
      {"CloseButton", w.closeButton},
      {"Resizeable", w.resizeable},
      {"LiveResize", w.liveResize},
      {"MaximizeButton", w.maximizeButton},
      {"MinimizeButton", w.minimizeButton},
      {"BalloonHelp", ""},
      {"MacProcID", 0},
  });
}

Control EditField(const char* name, Rect r, int tabIndex, const FieldLook& f, const Tail& tail) {
  Fields head = {
      {"TabIndex", tabIndex},
      {"Mask", ""},
      {"Format", ""},
      {"DataField", ""},
      {"DataSource", ""},
      {"Text", ""},
      {"Enabled", true},
      {"BackColor", Color{255, 255, 255}},
      {"TextColor", Color{0, 0, 0}},
      {"Alignment", 0},
      {"AcceptTabs", false},
      {"LimitText", 0},
      {"ReadOnly", true},
      {"UseFocusRing", false},
      {"Password", false},
      {"Styled", f.styled},
      {"ScrollBarVertical", true},
      {"ScrollBar", true},
      {"ScrollBarHorizontal", false},
      {"MultiLine", true},
      {"Border", f.border},
      {"Underline", false},
      {"Italic", false},
      {"Bold", false},
      {"TextSize", f.textSize},
      {"TextFont", f.textFont},
  };
  return Line<fw::EditField>(name, r, std::move(head), tail);
}

Control Listbox(const char* name, Rect r, int tabIndex, const Tail& tail) {
  Fields head = {
      {"TabIndex", tabIndex},
      {"ColumnsResizable", false},
      {"DefaultRowHeight", -1},
      {"GridLinesVertical", 0},
      {"GridLinesHorizontal", 0},
      {"DataField", ""},
      {"DataSource", ""},
      {"ScrollPosition", 0},
      {"ScrollBarVertical", true},
      {"ScrollPositionX", 0},
      {"ScrollBarHorizontal", false},
      {"HeadingIndex", -1},
      {"SelectionType", 0},
      {"EnableDragReorder", false},
      {"EnableDrag", false},
      {"Hierarchical", false},
      {"InitialValue", ""},
      {"UseFocusRing", false},
      {"HasHeading", false},
      {"ColumnWidths", ""},
      {"ColumnCount", 1},
      {"Enabled", true},
      {"Underline", false},
      {"Italic", false},
      {"Bold", false},
      {"TextSize", 10},
      {"TextFont", "Geneva"},
  };
  return Line<fw::Listbox>(name, r, std::move(head), tail);
}

Control PushButton(const char* name, Rect r, int tabIndex, const ButtonLook& b, const Tail& tail) {
  Fields head = {
      {"TabIndex", tabIndex},
      {"Enabled", true},
      {"Cancel", false},
      {"Default", b.isDefault},
      {"Caption", b.caption},
      {"Underline", false},
      {"Italic", false},
      {"Bold", false},
      {"TextSize", b.size},
      {"TextFont", b.font},
  };
  return Line<fw::PushButton>(name, r, std::move(head), tail);
}

Control StaticText(const char* name, Rect r, int tabIndex, const LabelLook& l, const Tail& tail) {
  Fields head = {
      {"TabIndex", tabIndex},
      {"DataField", ""},
      {"DataSource", ""},
      {"Enabled", true},
      {"MultiLine", l.multiLine},
      {"TextColor", Color{0, 0, 0}},
      {"TextAlign", l.align},
      {"Text", l.text},
      {"Underline", false},
      {"Italic", false},
      {"Bold", l.bold},
      {"TextSize", l.size},
      {"TextFont", l.font},
  };
  return Line<fw::StaticText>(name, r, std::move(head), tail);
}

Control Separator(const char* name, Rect r, int tabIndex, const Tail& tail) {
  return Line<fw::Separator>(name, r, {{"TabIndex", tabIndex}, {"Enabled", true}}, tail);
}

Control RoundRectangle(const char* name, Rect r, int tabIndex, const BoxLook& box, const Tail& tail) {
  Fields head = {
      {"TabIndex", tabIndex},
      {"OvalHeight", 16},
      {"OvalWidth", 16},
      {"BorderColor", box.border},
      {"BorderWidth", 1},
      {"FillColor", box.fill},
      {"Enabled", true},
  };
  return Line<fw::RoundRectangle>(name, r, std::move(head), tail);
}

Control AboutLabel(const char* name, Rect r, int tabIndex, const AboutLabelLook& l, const char* initialParent) {
  Fields fields = AboutHead(name, r, tabIndex);
  fields.insert(fields.end(), {
      {"Text", l.text},
      {"TextAlign", l.align},
      {"TextColor", l.color},
      {"Multiline", l.multiline},
      {"Enabled", true},
      {"Visible", true},
      {"HelpTag", ""},
      {"AutoDeactivate", true},
      {"TextFont", "Geneva"},
      {"TextSize", 10},
      {"Bold", false},
      {"Italic", false},
      {"Underline", l.underline},
      {"DataSource", ""},
      {"DataField", ""},
      {"InitialParent", initialParent},
  });
  return Control::Of<fw::StaticText>(name, codec::EncodeRecord(fields));
}

Control AboutCanvas(const char* name, Rect r, int tabIndex, const char* initialParent) {
  Fields fields = AboutHead(name, r, tabIndex);
  fields.insert(fields.end(), {
      {"Visible", true},
      {"HelpTag", ""},
      {"AutoDeactivate", true},
      {"Enabled", true},
      {"UseFocusRing", true},
      {"AcceptFocus", false},
      {"AcceptTabs", false},
      {"EraseBackground", true},
      {"InitialParent", initialParent},
  });
  return Control::Of<fw::Canvas>(name, codec::EncodeRecord(fields));
}

}  // namespace korvane::declare
