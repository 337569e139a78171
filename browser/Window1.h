// The main window: the topic list on the left, the styled reader filling
// the rest.
#pragma once

#include <memory>

#include "declare/DeclaredWindow.h"
#include "framework/Controls.h"

namespace korvane {

class Window1 : public declare::DeclaredWindow<Window1> {
 public:
  static constexpr const char* kClassName = "Window1.Window1";
  static declare::WindowLook Look();
  static declare::ControlTable Declare();

  // Installs the menu bar before the window record is applied.
  void Layout() override;
  virtual void BrowserListBox_Open(const std::shared_ptr<fw::Listbox>& me);
  virtual void BrowserListBox_Change(const std::shared_ptr<fw::Listbox>& me);
  void AddMenuHandlers(const std::shared_ptr<fw::Window>& w) override;
  void Event_Close() override;
  virtual bool FileClose_Action();
  // Ends a quiz run and shows its result.
  virtual void Finish();
};

}  // namespace korvane
