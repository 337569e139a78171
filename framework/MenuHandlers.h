// Menu handlers registered by menu-item name, as the application and every
// window hold them.
#pragma once

#include <utility>
#include <vector>

#include "framework/Menu.h"
#include "framework/String.h"

namespace fw {

class MenuHandlers {
 public:
  // `traceLabel` introduces each registration in the runtime's trace.
  explicit MenuHandlers(const char* traceLabel) : traceLabel_(traceLabel) {}

  void Add(const String& itemName, MenuHandler handler);
  // The handler registered for the item, matched without regard to case, or null.
  MenuHandler Find(const String& itemName) const;

 private:
  const char* traceLabel_;
  std::vector<std::pair<String, MenuHandler>> handlers_;
};

}  // namespace fw
