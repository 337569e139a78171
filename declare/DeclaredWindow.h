// The part every window class of the program shares. A class W derives from
// DeclaredWindow<W> and gives its class name (kClassName), its look
// (static WindowLook Look()) and its control table (static ControlTable
// Declare()); this supplies the implicit instance and the three creation
// events.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "declare/Declare.h"
#include "framework/Delegate.h"
#include "framework/Window.h"

namespace korvane::declare {

template <class W>
class DeclaredWindow : public fw::Window {
 public:
  // The implicit instance: the open window of the class, hidden or not, or
  // a new one built from its records.
  static std::shared_ptr<W> Instance() { return fw::ImplicitWindow<W>(); }

  // Applies the window record.
  void Layout() override { fw::SetProperties(*this, WindowRecord()); }
  void CreateControls() override { CreateControls0(); }
  // Creates the declared controls in their order, each with its handlers.
  virtual void CreateControls0() {
    const std::shared_ptr<fw::Window> self = Self<W>();
    for (const Control& control : Declared()) control.Create(self);
  }
  // Checks the window's class and registers no menu handler.
  void AddMenuHandlers(const std::shared_ptr<fw::Window>& w) override { fw::CheckedCast<W>(w); }

  // The records are made once and applied by every window of the class.
  static const std::string& WindowRecord() {
    static const std::string record = declare::WindowRecord(W::Look());
    return record;
  }
  static const ControlTable& Declared() {
    static const ControlTable controls = W::Declare();
    return controls;
  }
  // The record of a declared control; PropertyRecordException for a name
  // the class does not declare.
  static const std::string& ControlRecord(std::string_view name) {
    for (const Control& control : Declared())
      if (name == control.Name()) return control.Record();
    throw fw::PropertyRecordException(std::string(W::kClassName) + " declares no control \"" + std::string(name) +
                                      "\"");
  }

 protected:
  // Registers a menu handler of the window being set up, w, on it under a
  // menu item's name.
  static void BindMenuHandler(const std::shared_ptr<fw::Window>& w, const char* itemName, bool (W::*action)()) {
    auto window = fw::CheckedCast<W>(w);
    fw::Need(window).AddMenuHandler(itemName, fw::MakeDelegate(window, action));
  }
};

}  // namespace korvane::declare
