// The sounds and the title picture, loaded from the application's resources
// on first use and kept until shutdown.
#pragma once

#include <memory>

#include "framework/Media.h"

namespace korvane {

// Each is nil when its resource did not load: no resource file (missing,
// damaged, or gone since start-up), no such resource, or bytes that do not
// decode. A failed load is tried again at the next call.
std::shared_ptr<fw::Sound> rightsound();
std::shared_ptr<fw::Sound> wrongsound();
std::shared_ptr<fw::Picture> RireradTitle();

// Shutdown's releases, in this order.
void ReleaseRightSound();
void ReleaseWrongSound();
void ReleaseRireradTitle();

// Whether every cache is empty (for tests of shutdown).
bool MediaCachesEmpty();

}  // namespace korvane
