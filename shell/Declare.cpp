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

}  // namespace korvane::declare
