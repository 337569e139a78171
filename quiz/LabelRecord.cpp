#include "quiz/LabelRecord.h"

namespace korvane::declare {

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

}  // namespace korvane::declare
