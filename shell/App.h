// The application class and its one instance, App.
#pragma once

#include <memory>

#include "framework/Application.h"
#include "framework/Menu.h"

namespace korvane {

class Class1 : public fw::Application {
 public:
  void Event_EnableMenuItems() override;
  void Event_Open() override;

  // Menu handlers; each returns false.
  virtual bool Quiz1Menu_Action();
  virtual bool Quiz2Menu_Action();
  virtual bool Quiz3Menu_Action();
  virtual bool AboutMenu_Action();
  virtual bool AboutAuthorsMenu_Action();
  virtual bool FileClose_Action();
};

// The registered application object (nil before start-up registers it).
std::shared_ptr<Class1> App();

// Start-up step: registers App's six menu handlers by item name.
void ApplicationAddMenuHandlers();

// The items of App's menu bar that menu enabling touches; nil when the bar
// holds no item of that name.
std::shared_ptr<fw::MenuItem> Quiz1Menu();
std::shared_ptr<fw::MenuItem> Quiz2Menu();
std::shared_ptr<fw::MenuItem> Quiz3Menu();
std::shared_ptr<fw::AppleMenuItem> AboutMenu();
std::shared_ptr<fw::MenuItem> AboutAuthorsMenu();
std::shared_ptr<fw::MenuItem> FileClose();

}  // namespace korvane
