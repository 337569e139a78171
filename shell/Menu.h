// The program's one menu bar: File, Edit, Quiz and Help.
#pragma once

#include <memory>

#include "framework/Menu.h"

namespace korvane {

class Menu : public fw::MenuBar {
 public:
  // The one instance, built on the first request.
  static std::shared_ptr<Menu> Instance();
  // Shutdown's release of the instance.
  static void Release();
  static bool IsReleased();

  // The builders, one menu each, and the constructor that runs them.
  virtual void Untitled1();
  virtual void Untitled2();
  virtual void Untitled3();
  virtual void Untitled4();
  void Constructor();
};

}  // namespace korvane
