#include "shell/Declare.h"

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
