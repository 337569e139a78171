// A framework brought up as the program brings it up, with test windows.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>

#include <functional>
#include <string>
#include <vector>

#include "codec/PropertyRecord.h"
#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Delegate.h"
#include "framework/Runtime.h"
#include "framework/Testing.h"
#include "framework/Window.h"

namespace fw::test {

inline std::string PanelRecord(const char* title = "Panel", int frame = 0, int width = 300, int height = 200) {
  return codec::EncodeRecord({{"Width", width}, {"Height", height}, {"MinWidth", 200}, {"MinHeight", 100},
                              {"MaxWidth", 2 * width}, {"MaxHeight", 2 * height}, {"Frame", frame},
                              {"Title", title}, {"Resizeable", true}, {"Visible", true}});
}

// A window whose steps are recorded and whose creation a test can shape.
class Panel : public Window {
 public:
  static constexpr const char* kClassName = "Panel.Panel";
  static inline std::vector<std::string> log;
  static inline std::function<void(Panel&)> createControls;
  static inline std::string record = PanelRecord();

  void Layout() override {
    log.push_back("Layout");
    SetProperties(*this, record);
  }
  void CreateControls() override {
    log.push_back("CreateControls");
    if (createControls) createControls(*this);
  }
  void AddMenuHandlers(const std::shared_ptr<Window>&) override { log.push_back("AddMenuHandlers"); }
  void Event_Open() override { log.push_back("Open"); }
  void Event_Close() override { log.push_back("Close"); }
  bool Event_KeyDown(const String& key) override {
    log.push_back("KeyDown " + key.Bytes());
    return false;
  }
};

// A second class, for menu dispatch between two windows.
class OtherPanel : public Panel {
 public:
  static constexpr const char* kClassName = "OtherPanel.OtherPanel";
};

class TestApp : public Application {
 public:
  std::function<void()> enableMenuItems;
  void Event_EnableMenuItems() override {
    if (enableMenuItems) enableMenuItems();
  }
};

class FrameworkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ResetRuntime();
    testing::SetStrictProperties(true);
    testing::SetMessagePresenter([this](const String& m) { messages.push_back(m.Bytes()); });
    RuntimeInit();
    RuntimeInitFrameworkClasses();
    RegisterClass<Panel>(Panel::kClassName);
    RegisterClass<OtherPanel>(OtherPanel::kClassName);
    InitPluginEntrypoints();
    Panel::log.clear();
    Panel::createControls = nullptr;
    Panel::record = PanelRecord();
  }
  void TearDown() override {
    ReleaseImplicitWindowList();
    ReleaseDirtyWindowList();
    ReleaseWindowList();
    testing::ResetRuntime();
    testing::SetStrictProperties(false);
  }

  // Registers an application with a menu bar of one menu and `commands`.
  std::shared_ptr<TestApp> StartApp(std::initializer_list<std::pair<const char*, const char*>> commands) {
    auto app = std::make_shared<TestApp>();
    auto bar = std::make_shared<MenuBar>();
    auto menu = std::make_shared<MenuItem>();
    menu->SetName("FileMenu");
    menu->SetText("File");
    bar->Append(menu);
    for (auto [name, shortcut] : commands) {
      auto item = std::string(name) == "FileQuit" ? std::make_shared<QuitMenuItem>() : std::make_shared<MenuItem>();
      item->SetName(name);
      item->SetText(name);
      item->SetKeyboardShortcut(shortcut);
      item->SetAutoEnable(true);
      menu->Append(item);
    }
    app->SetMenuBar(bar);
    RuntimeRegisterAppObject(app);
    return app;
  }

  std::vector<std::string> messages;
};

}  // namespace fw::test
