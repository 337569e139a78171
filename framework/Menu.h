// The menu model: a tree of MenuItems under a MenuBar, found by Name. The
// framework renders it as a real menu bar in every document window and
// dispatches a chosen command to the front window's handlers, then the
// application's.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "framework/Object.h"
#include "framework/String.h"

namespace fw {

// A menu handler returns true when it handled the command; on false the
// command goes on to the next handler (the application's).
using MenuHandler = std::function<bool()>;

class MenuItem : public Object {
 public:
  MenuItem();
  ~MenuItem() override;

  const String& Name() const { return name_; }
  void SetName(const String& name) { name_ = name; }
  const String& Text() const { return text_; }
  void SetText(const String& text);
  // "Cmd+K": the platform's primary modifier with key K; empty for none.
  const String& KeyboardShortcut() const { return shortcut_; }
  void SetKeyboardShortcut(const String& shortcut);
  bool AutoEnable() const { return autoEnable_; }
  void SetAutoEnable(bool on) { autoEnable_ = on; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  // Enabled until the next refresh of the menus.
  void Enable() { SetEnabled(true); }

  // Adds `item` as the last child.
  void Append(const std::shared_ptr<MenuItem>& item);
  int Count() const { return static_cast<int>(children_.size()); }
  std::shared_ptr<MenuItem> Item(int index) const;
  // The direct child of that Name, or nil. Names match without regard to case.
  std::shared_ptr<MenuItem> Child(const String& name) const;
  // The item of that Name anywhere below this one, or nil.
  std::shared_ptr<MenuItem> Lookup(const String& name) const;

  bool IsSeparator() const { return text_.Bytes() == "-"; }

  struct View;  // the rendered Qt side, owned by the item
  View& GetView();

 private:
  String name_, text_, shortcut_;
  bool autoEnable_ = false;
  bool enabled_ = true;
  std::vector<std::shared_ptr<MenuItem>> children_;
  std::unique_ptr<View> view_;
};

class MenuBar : public MenuItem {
 public:
  ~MenuBar() override;
};

// The framework's own quit command: choosing it ends the application
// without any handler of the program.
class QuitMenuItem : public MenuItem {};

// The item of the application menu (the About command); on platforms with an
// application menu the framework shows it there.
class AppleMenuItem : public MenuItem {};

// Recomputes every command's enabled state: an item whose AutoEnable is false
// is disabled, one whose AutoEnable is true enabled, then the application's
// EnableMenuItems event runs. Runs before a menu opens and before a shortcut
// is acted on.
void RefreshMenus();

}  // namespace fw
