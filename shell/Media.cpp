#include "shell/Media.h"

#include "framework/ResourceFork.h"
#include "framework/Runtime.h"
#include "shell/App.h"

namespace korvane {
namespace {

constexpr int kRightSound = 168;
constexpr int kWrongSound = 169;
constexpr int kTitlePicture = 169;

std::shared_ptr<fw::Sound> rightCache;
std::shared_ptr<fw::Sound> wrongCache;
std::shared_ptr<fw::Picture> titleCache;

// Loads into the cache unless it holds something already.
template <class T, class Load>
std::shared_ptr<T> Cached(std::shared_ptr<T>& cache, Load load) {
  if (!cache) {
    auto fork = fw::Need(App()).ResourceFork();
    cache = load(fw::Need(fork));
  }
  return cache;
}

}  // namespace

std::shared_ptr<fw::Sound> rightsound() {
  return Cached(rightCache, [](fw::ResourceFork& fork) { return fork.GetSound(kRightSound); });
}

std::shared_ptr<fw::Sound> wrongsound() {
  return Cached(wrongCache, [](fw::ResourceFork& fork) { return fork.GetSound(kWrongSound); });
}

std::shared_ptr<fw::Picture> RireradTitle() {
  return Cached(titleCache, [](fw::ResourceFork& fork) { return fork.GetPicture(kTitlePicture); });
}

void ReleaseRightSound() { rightCache.reset(); }
void ReleaseWrongSound() { wrongCache.reset(); }
void ReleaseRireradTitle() { titleCache.reset(); }

bool MediaCachesEmpty() { return !rightCache && !wrongCache && !titleCache; }

}  // namespace korvane
