// The main window: the topic list on the left, the styled reader filling
// the rest.
#pragma once

#include <memory>
#include <string>

#include "framework/Controls.h"
#include "framework/Window.h"

namespace korvane {

class Window1 : public fw::Window {
 public:
  static constexpr const char* kClassName = "Window1.Window1";
  // The implicit instance: the open main window, or a new one.
  static std::shared_ptr<Window1> Instance();

  void Layout() override;
  void CreateControls() override;
  virtual void CreateControls0();
  virtual void BrowserListBox_Open(const std::shared_ptr<fw::Listbox>& me);
  virtual void BrowserListBox_Change(const std::shared_ptr<fw::Listbox>& me);
  void AddMenuHandlers(const std::shared_ptr<fw::Window>& w) override;
  void Event_Close() override;
  virtual bool FileClose_Action();
  // Ends a quiz run and shows its result.
  virtual void Finish();

  // The declared records, for tests.
  static const std::string& WindowRecord();
  static const std::string& EditFieldRecord();
  static const std::string& ListBoxRecord();
};

}  // namespace korvane
