#include "framework/Application.h"

#include "framework/Runtime.h"
#include "framework/qt/Internal.h"

namespace fw {

Application::Application() = default;
Application::~Application() = default;

void Application::SetMenuBar(const std::shared_ptr<fw::MenuBar>& bar) {
  detail::Trace("Application.MenuBar set");
  menuBar_ = bar;
}

void Application::AddMenuHandler(const String& itemName, MenuHandler handler) {
  if (detail::Tracing()) detail::Trace("menu handler " + itemName.Bytes());
  handlers_.emplace_back(itemName, std::move(handler));
}

MenuHandler Application::HandlerFor(const String& itemName) const {
  for (const auto& [name, handler] : handlers_)
    if (detail::EqualNoCase(name, itemName)) return handler;
  return nullptr;
}

String Application::ShortVersion() const { return fw::ShortVersion(); }

}  // namespace fw
