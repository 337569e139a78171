// Applying property records to windows and controls.
#pragma once

#include <string_view>

namespace fw {

class Window;
class RectControl;

// Applies a property record's entries, in order, to a window or control.
// Raises PropertyRecordException for a truncated record or an unknown name.
void SetProperties(Window& window, std::string_view record);
void SetProperties(RectControl& control, std::string_view record);

}  // namespace fw
