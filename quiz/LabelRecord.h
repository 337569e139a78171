// The record of a label (StaticText) in the quiz engine's windows.
#pragma once

#include <string>

#include "shell/Declare.h"

namespace korvane::declare {

struct LabelLook {
  const char* text = "";
  const char* font = "Geneva";
  int size = 10;
  int align = 0;  // 0 left, 2 right
  bool multiLine = false;
  bool bold = false;
};

std::string LabelRecord(const char* name, Rect r, int tabIndex, const LabelLook& look, bool visible = true,
                        const char* initialParent = "");

}  // namespace korvane::declare
