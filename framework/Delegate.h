// Delegates: a handler method bound to its target object, as the typed
// callbacks the framework stores. The target is held weakly, so a control's
// handlers never keep their window alive; a delegate whose target is gone
// does nothing.
#pragma once

#include <memory>

#include "framework/Controls.h"
#include "framework/Menu.h"

namespace fw {

template <class W, class C>
ControlEventHandler MakeDelegate(const std::shared_ptr<W>& target,
                                 void (W::*method)(const std::shared_ptr<C>& me)) {
  std::weak_ptr<W> weak = target;
  return [weak, method](const std::shared_ptr<RectControl>& me) {
    if (auto self = weak.lock()) ((*self).*method)(CheckedCast<C>(me));
  };
}

template <class W, class C>
MouseDownHandler MakeDelegate(const std::shared_ptr<W>& target,
                              bool (W::*method)(const std::shared_ptr<C>& me, std::int32_t x,
                                                std::int32_t y)) {
  std::weak_ptr<W> weak = target;
  return [weak, method](const std::shared_ptr<RectControl>& me, std::int32_t x, std::int32_t y) {
    auto self = weak.lock();
    return self ? ((*self).*method)(CheckedCast<C>(me), x, y) : false;
  };
}

template <class W>
MenuHandler MakeDelegate(const std::shared_ptr<W>& target, bool (W::*method)()) {
  std::weak_ptr<W> weak = target;
  return [weak, method]() {
    auto self = weak.lock();
    return self ? ((*self).*method)() : false;
  };
}

}  // namespace fw
