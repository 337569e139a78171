#include "framework/WindowLists.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/Window.h"
#include "framework/qt/RuntimeState.h"
#include "framework/qt/WindowRegistry.h"
#include "framework/qt/WindowView.h"

namespace fw {
namespace {

using WindowRefs = std::vector<std::shared_ptr<Window>>;
using ImplicitRefs = std::vector<std::pair<std::string, std::shared_ptr<Window>>>;

struct Lists {
  std::shared_ptr<ImplicitRefs> implicit;  // open implicit instances by class name
  std::shared_ptr<WindowRefs> dirty;       // windows waiting to reach or leave the screen
  std::shared_ptr<WindowRefs> windows;     // every open window
  std::vector<std::weak_ptr<Window>> front;  // visible windows, front first
  bool syncPosted = false;
};

Lists& L() {
  static Lists lists;
  return lists;
}

void EnsureLists() {
  if (!L().windows) L().windows = std::make_shared<WindowRefs>();
  if (!L().dirty) L().dirty = std::make_shared<WindowRefs>();
  if (!L().implicit) L().implicit = std::make_shared<ImplicitRefs>();
}

template <class Vec, class Pred>
void EraseIf(Vec& v, Pred pred) {
  v.erase(std::remove_if(v.begin(), v.end(), pred), v.end());
}

}  // namespace

std::shared_ptr<Window> GetImplicitWindow(std::string_view className) {
  if (!L().implicit) return nullptr;
  for (const auto& [name, w] : *L().implicit)
    if (name == className && w->IsOpen()) return w;
  return nullptr;
}

std::shared_ptr<Window> FrontWindow() {
  for (const auto& p : L().front)
    if (auto w = p.lock(); w && w->IsOpen() && w->Visible() && !w->IsFloating()) return w;
  return nullptr;
}

void ReleaseImplicitWindowList() {
  detail::Trace("release implicit windows");
  L().implicit.reset();
}

void ReleaseDirtyWindowList() {
  detail::Trace("release dirty windows");
  L().dirty.reset();
}

void ReleaseWindowList() {
  detail::Trace("release Windows");
  L().windows.reset();
  L().front.clear();
}

namespace testing {
bool WindowListsReleased() { return !L().implicit && !L().dirty && !L().windows; }
}  // namespace testing

namespace detail {

void CreateWindowLists() { EnsureLists(); }

void RegisterWindow(const std::shared_ptr<Window>& w) {
  EnsureLists();
  L().windows->push_back(w);
  L().implicit->emplace_back(w->ClassName(), w);
}

void ForgetImplicitWindow(const Window* w) {
  if (L().implicit) EraseIf(*L().implicit, [w](const auto& e) { return e.second.get() == w; });
}

void RemoveFromFront(const Window* w) {
  EraseIf(L().front, [w](const std::weak_ptr<Window>& p) {
    auto s = p.lock();
    return !s || s.get() == w;
  });
}

void ForgetWindow(const Window* w) {
  ForgetImplicitWindow(w);
  if (L().dirty) EraseIf(*L().dirty, [w](const auto& p) { return p.get() == w; });
  if (L().windows) EraseIf(*L().windows, [w](const auto& p) { return p.get() == w; });
  RemoveFromFront(w);
}

void BringToFront(const std::shared_ptr<Window>& w) {
  RemoveFromFront(w.get());
  L().front.insert(L().front.begin(), w);
}

bool MarkPending(const std::shared_ptr<Window>& w) {
  EnsureLists();
  auto& dirty = *L().dirty;
  if (std::find(dirty.begin(), dirty.end(), w) == dirty.end()) dirty.push_back(w);
  return !std::exchange(L().syncPosted, true);
}

std::optional<std::vector<std::shared_ptr<Window>>> TakePending() {
  L().syncPosted = false;
  if (!L().dirty) return std::nullopt;
  return std::exchange(*L().dirty, {});
}

std::vector<std::shared_ptr<Window>> OpenWindows() {
  return L().windows ? *L().windows : WindowRefs{};
}

void ForgetWindows() {
  if (L().windows) {
    for (const auto& w : WindowRefs(*L().windows)) w->GetView().DestroyFrame();
  }
  L().implicit.reset();
  L().dirty.reset();
  L().windows.reset();
  L().front.clear();
  L().syncPosted = false;
}

}  // namespace detail
}  // namespace fw
