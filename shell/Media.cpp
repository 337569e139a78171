#include "shell/Media.h"

#include "codec/ContentIds.h"
#include "framework/ResourceFork.h"
#include "framework/Runtime.h"
#include "shell/App.h"

namespace korvane {
namespace {

std::shared_ptr<fw::Sound> rightCache;
std::shared_ptr<fw::Sound> wrongCache;
std::shared_ptr<fw::Picture> titleCache;

// Loads into the cache unless it holds something already. Without a
// resource file nothing loads, as without the resource; the cache stays
// empty for the next call to try again.
template <class T, class Load>
std::shared_ptr<T> Cached(std::shared_ptr<T>& cache, Load load) {
  if (!cache)
    if (auto fork = fw::Need(App()).ResourceFork()) cache = load(*fork);
  return cache;
}

}  // namespace

std::shared_ptr<fw::Sound> rightsound() {
  return Cached(rightCache, [](fw::ResourceFork& fork) { return fork.GetSound(codec::kRightSoundId); });
}

std::shared_ptr<fw::Sound> wrongsound() {
  return Cached(wrongCache, [](fw::ResourceFork& fork) { return fork.GetSound(codec::kWrongSoundId); });
}

std::shared_ptr<fw::Picture> RireradTitle() {
  return Cached(titleCache, [](fw::ResourceFork& fork) { return fork.GetPicture(codec::kTitlePictureId); });
}

void ReleaseRightSound() { rightCache.reset(); }
void ReleaseWrongSound() { wrongCache.reset(); }
void ReleaseRireradTitle() { titleCache.reset(); }

bool MediaCachesEmpty() { return !rightCache && !wrongCache && !titleCache; }

}  // namespace korvane
