#include "framework/Controls.h"

namespace fw {

// Styling comes with the resource work; until then the text arrives plain.
void EditField::SetTextAndStyle(const String& text, const String& /*styleTable*/) { SetText(text); }

}  // namespace fw
