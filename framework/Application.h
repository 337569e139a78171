// The application object: the program derives its own class from it and
// registers one instance with RuntimeRegisterAppObject.
#pragma once

#include <memory>
#include <vector>

#include "framework/Menu.h"
#include "framework/MenuHandlers.h"
#include "framework/Object.h"
#include "framework/String.h"

namespace fw {

class ResourceFork;

class Application : public Object {
 public:
  Application();
  ~Application() override;

  virtual void Event_Open() {}
  virtual void Event_EnableMenuItems() {}

  std::shared_ptr<fw::MenuBar> MenuBar() const { return menuBar_; }
  void SetMenuBar(const std::shared_ptr<fw::MenuBar>& bar);

  // Choosing the item whose Name matches `itemName` (without regard to case)
  // runs the handler, unless the front window's handler handled it.
  void AddMenuHandler(const String& itemName, MenuHandler handler);
  // The handler registered for the item, or null.
  MenuHandler HandlerFor(const String& itemName) const;

  // The application's own resource file, opened anew at every call; nil
  // when it is missing or fails validation.
  std::shared_ptr<fw::ResourceFork> ResourceFork() const;

  String ShortVersion() const;

 private:
  std::shared_ptr<fw::MenuBar> menuBar_;
  MenuHandlers handlers_{"menu handler"};
};

}  // namespace fw
