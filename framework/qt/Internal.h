// Framework internals shared by its translation units. Not for the program.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/String.h"

class QWidget;
class QString;
class QFont;
class QMenuBar;

namespace fw {
class RectControl;
class Window;
class Sound;
}

namespace fw::detail {

void Trace(const std::string& step);
// The content area of the window whose NewControl is running, or null: the
// parent new control widgets are made on (see Window::NewControlScope).
QWidget* NewControlParent();

// Whether anything listens to Trace: hot paths skip building their step's text.
bool Tracing();

// Whether Qt runs on a platform without a visible screen (offscreen).
bool Headless();

// Runs program code (a handler). Called from Qt's event dispatch with no
// program code below it on the stack, it stores an escaping exception, ends
// the event loop and returns; RuntimeRun raises it again. Nested inside
// program code, exceptions pass through to the caller.
void CallHandler(const std::function<void()>& handler);
bool CallBoolHandler(const std::function<bool()>& handler);

// Whether program code (a handler) is running.
bool InHandler();
// A control may hold back changes made while a handler runs and apply them
// together (RectControl::Settle); it asks to be settled when the handler
// ends. SettleControls settles every control that asked.
void SettleWhenHandlerEnds(const std::shared_ptr<RectControl>& control);
void SettleControls();

// While a modal loop runs inside a handler, events it dispatches start
// afresh (their exceptions are stored, not thrown through Qt).
class ModalScope {
 public:
  ModalScope();
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  int savedDepth_;
};

// Seams the rest of the framework reads.
std::string ResourceFilePathOverride();
void NotifySoundPlayed(const Sound& sound);

// Menus
void DispatchMenuCommand(const std::shared_ptr<MenuItem>& item);
QMenuBar* BuildMenuBar(QWidget* frame, const std::shared_ptr<MenuBar>& bar);

// Windows
void InstallEventFilter();
// The window lists (WindowLists.cpp).
void CreateWindowLists();
void RegisterWindow(const std::shared_ptr<Window>& w);
void ForgetImplicitWindow(const Window* w);
void ForgetWindow(const Window* w);
void BringToFront(const std::shared_ptr<Window>& w);
void RemoveFromFront(const Window* w);
// Adds a window to those waiting to reach or leave the screen; true when a
// sync must be posted (none is yet).
bool MarkPending(const std::shared_ptr<Window>& w);
// The windows waiting, taken off the list; nothing once the lists are released.
std::optional<std::vector<std::shared_ptr<Window>>> TakePending();
std::vector<std::shared_ptr<Window>> OpenWindows();
void ForgetWindows();
// Brings the window to or off the screen at the next turn of the event loop.
void ScheduleSync(const std::shared_ptr<Window>& w);
// Maps the windows waiting for the screen now, rather than at the next turn
// of the event loop.
void SyncPendingWindows();

// Text conversion between the framework's strings and Qt's.
QString ToQString(const String& s);
String FromQString(const QString& s);
// Classic text uses CR as its line end; Qt uses LF.
QString ToDisplayText(const String& s);
String FromDisplayText(const QString& s);
// The installed face for a classic font name and size (pixels).
QFont FontFor(const String& name, int size, bool bold, bool italic, bool underline);
// The installed face for a classic font family number.
QString FamilyForFontNumber(int number);
QString FamilyForFontName(const String& name);

bool EqualNoCase(const String& a, const String& b);

}  // namespace fw::detail
