#include "declare/Declare.h"

namespace korvane::declare {

Fields ControlTail(const char* name, Rect r, Locks locks, bool visible, const char* initialParent) {
  return {
      {"LockBottom", locks.bottom},
      {"LockRight", locks.right},
      {"LockTop", locks.top},
      {"LockLeft", locks.left},
      {"AutoDeactivate", true},
      {"DisabledBalloonHelp", ""},
      {"BalloonHelp", ""},
      {"HelpTag", ""},
      {"InitialParent", initialParent},
      {"Height", r.height},
      {"Width", r.width},
      {"Top", r.top},
      {"Left", r.left},
      {"Visible", visible},
      {"TabPanelIndex", 0},
      {"Index", kNoIndex},
      {"Name", name},
  };
}

std::string Record(const Fields& head, const Fields& tail) {
  Fields all = head;
  all.insert(all.end(), tail.begin(), tail.end());
  return codec::EncodeRecord(all);
}

Fields WindowFields(const WindowLook& w) {
  return {
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
  };
}

std::string WindowRecord(const WindowLook& look) { return codec::EncodeRecord(WindowFields(look)); }

std::string EditFieldRecord(const char* name, Rect r, const FieldLook& f, Locks locks) {
  return Record(
      {
          {"TabIndex", f.tabIndex},
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
      },
      ControlTail(name, r, locks));
}

std::string LabelRecord(const char* name, Rect r, int tabIndex, const LabelLook& look, bool visible,
                        const char* initialParent) {
  return Record(
      {
          {"TabIndex", tabIndex},
          {"DataField", ""},
          {"DataSource", ""},
          {"Enabled", true},
          {"MultiLine", look.multiLine},
          {"TextColor", Color{0, 0, 0}},
          {"TextAlign", look.align},
          {"Text", look.text},
          {"Underline", false},
          {"Italic", false},
          {"Bold", look.bold},
          {"TextSize", look.size},
          {"TextFont", look.font},
      },
      ControlTail(name, r, {}, visible, initialParent));
}

std::string AboutLabelRecord(const AboutLabel& l) {
  return codec::EncodeRecord({
      {"Name", l.name},
      {"Index", kNoIndex},
      {"Left", l.rect.left},
      {"Top", l.rect.top},
      {"Width", l.rect.width},
      {"Height", l.rect.height},
      {"LockLeft", false},
      {"LockTop", false},
      {"LockRight", false},
      {"LockBottom", false},
      {"TabPanelIndex", 0},
      {"TabIndex", l.tabIndex},
      {"Text", l.text},
      {"TextAlign", l.textAlign},
      {"TextColor", l.textColor},
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
      {"InitialParent", l.initialParent},
  });
}

std::string AboutCanvasRecord(const AboutCanvas& c) {
  return codec::EncodeRecord({
      {"Name", c.name},
      {"Index", kNoIndex},
      {"Left", c.rect.left},
      {"Top", c.rect.top},
      {"Width", c.rect.width},
      {"Height", c.rect.height},
      {"LockLeft", false},
      {"LockTop", false},
      {"LockRight", false},
      {"LockBottom", false},
      {"TabPanelIndex", 0},
      {"TabIndex", c.tabIndex},
      {"Visible", true},
      {"HelpTag", ""},
      {"AutoDeactivate", true},
      {"Enabled", true},
      {"UseFocusRing", true},
      {"AcceptFocus", false},
      {"AcceptTabs", false},
      {"EraseBackground", true},
      {"InitialParent", c.initialParent},
  });
}

}  // namespace korvane::declare
