#include "shell/FileTypes.h"

#include "framework/Runtime.h"

namespace korvane::FileTypes {

std::shared_ptr<fw::FileType> pText;

void Initialize() {
  pText = fw::NewObject<fw::FileType>();
  fw::Need(pText).SetName("text");
  fw::Need(pText).SetExtensions("");
  fw::Need(pText).SetMacType("TEXT");
  fw::Need(pText).SetMacCreator("V*or");
  fw::Need(pText).ToText();  // registers the type
}

void Release() { pText.reset(); }

}  // namespace korvane::FileTypes
