// Windows: built from property records through their class's implicit
// instance, holding controls found by name, raising numbered events.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "codec/PropertyRecord.h"
#include "framework/Menu.h"
#include "framework/MenuHandlers.h"
#include "framework/Object.h"
#include "framework/PropertyRecords.h"
#include "framework/Runtime.h"
#include "framework/String.h"
#include "framework/WindowLists.h"

class QWidget;

namespace fw {

class RectControl;

class Window : public Object {
 public:
  // NewControl makes a control through its class table, whose factories
  // take no arguments; while this scope lives, the parent they make new
  // widgets on (detail::NewControlParent) is this window's content area.
  // Moving a widget onto its window later would cost more than making it.
  struct NewControlScope {
    explicit NewControlScope(const Window& w);
    ~NewControlScope();
    NewControlScope(const NewControlScope&) = delete;
    NewControlScope& operator=(const NewControlScope&) = delete;

   private:
    ::QWidget* saved_;
  };

  Window();
  ~Window() override;

  // The window constructor: registers the window under its class name, then
  // raises Layout, CreateControls and AddMenuHandlers, then the controls'
  // Open events in creation order and last the window's Open event. An
  // exception from any step closes the half-built window and passes on.
  void Construct(std::string_view className);
  const std::string& ClassName() const { return className_; }

  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void AddMenuHandlers(const std::shared_ptr<Window>& /*w*/) {}
  virtual void Event_Open() {}
  virtual void Event_Close() {}
  // Returns true when the key was handled; otherwise the window goes on with
  // it (Return presses the default button).
  virtual bool Event_KeyDown(const String& /*key*/) { return false; }

  // Show and Hide take effect on screen when the event loop next runs, so a
  // window created and closed within one handler never appears.
  void Show();
  void Hide();
  // Removes the window and fires its Close event, as its close box does.
  void Close();
  bool IsOpen() const { return open_; }
  bool Visible() const { return visible_; }

  String Title() const;
  void SetTitle(const String& title);
  // Position of the window's client area on the screen, in pixels.
  int Left() const;
  void SetLeft(int left);
  int Top() const;
  void SetTop(int top);
  // Size of the content area (below the menu bar), in pixels.
  int Width() const;
  int Height() const;
  // Resizes the content area within the window's minimum and maximum.
  void SetSize(int width, int height);
  // Frame 3 is a floating window; every other frame a document window.
  bool IsFloating() const;

  std::shared_ptr<fw::MenuBar> MenuBar() const { return menuBar_; }
  void SetMenuBar(const std::shared_ptr<fw::MenuBar>& bar);

  // A new control of class T for this window (not yet added); nil when
  // the class has no class table.
  template <class T>
  std::shared_ptr<T> NewControl() {
    NewControlScope scope(*this);
    return NewObject<T>();
  }
  void AddControl(const String& name, const std::shared_ptr<RectControl>& control);
  std::shared_ptr<RectControl> ControlByName(const String& name) const;
  const std::vector<std::shared_ptr<RectControl>>& Controls() const { return controls_; }

  void AddMenuHandler(const String& itemName, MenuHandler handler);
  MenuHandler HandlerFor(const String& itemName) const;

  // Sets one design property, named in its canonical spelling.
  void SetProperty(std::string_view name, const codec::PropertyValue& value);

  // A shared reference to this window, as its own class.
  template <class W>
  std::shared_ptr<W> Self() {
    return std::static_pointer_cast<W>(shared_from_this());
  }

  struct View;  // the Qt side
  const View& GetView() const { return *view_; }
  View& GetView() { return *view_; }  // framework use

 private:
  std::string className_;
  bool open_ = false;
  bool visible_ = false;
  bool constructed_ = false;
  std::shared_ptr<fw::MenuBar> menuBar_;
  std::vector<std::shared_ptr<RectControl>> controls_;
  MenuHandlers handlers_{"window menu handler"};
  std::unique_ptr<View> view_;
};

// The implicit instance of window class W: the open one, or a new one built
// from its records. W names its class in W::kClassName.
template <class W>
std::shared_ptr<W> ImplicitWindow() {
  std::shared_ptr<Window> w = GetImplicitWindow(W::kClassName);
  if (!w) {
    auto fresh = NewObject<W>();
    Need(fresh).Construct(W::kClassName);
    w = fresh;
  }
  return CheckedCast<W>(w);
}

// The control added to the window under that name, or nil.
std::shared_ptr<RectControl> RuntimeWindowControlByName(const std::shared_ptr<Window>& window,
                                                        const String& name);

}  // namespace fw
