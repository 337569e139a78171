// The separator line, supplied by the appearance-control plug-in.
#pragma once

#include "framework/RectControl.h"

namespace fw {

class Separator : public RectControl {
 public:
  Separator();
  ~Separator() override;
};

}  // namespace fw
