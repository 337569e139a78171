#include "framework/Separator.h"

#include "framework/qt/ControlView.h"
#include "framework/qt/Plugin.h"

namespace fw {

Separator::Separator() : RectControl(std::make_unique<View>(plugin::Appearance().CreateSeparator())) {}

Separator::~Separator() = default;

}  // namespace fw
