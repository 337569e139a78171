#include "framework/MenuHandlers.h"

#include <string>

#include "framework/qt/RuntimeState.h"
#include "framework/qt/TextConversion.h"

namespace fw {

void MenuHandlers::Add(const String& itemName, MenuHandler handler) {
  if (detail::Tracing()) detail::Trace(std::string(traceLabel_) + " " + itemName.Bytes());
  handlers_.emplace_back(itemName, std::move(handler));
}

MenuHandler MenuHandlers::Find(const String& itemName) const {
  for (const auto& [name, handler] : handlers_)
    if (detail::EqualNoCase(name, itemName)) return handler;
  return nullptr;
}

}  // namespace fw
