// Runtime services: start-up and shutdown of the framework, the application
// object, the event loop, the unhandled-exception report, class tables and
// the small services the program calls (message box, quit, URL opening,
// screen, random numbers, background tasks).
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "framework/Object.h"
#include "framework/String.h"

namespace fw {

class Application;

// Prepares the framework: creates the Qt application (handing Qt only the
// program's name) unless one exists. On a machine without a display it
// prints a clear message and ends the process with status 1.
void RuntimeInit();
// Shuts the framework down and returns the process's exit status: 0, or 1
// after an unhandled exception was reported.
int RuntimeExit();

// Builds the framework's own class tables; the window list is created
// right after the Window class table.
void RuntimeInitFrameworkClasses();
// Records the class table of a program class, for creation by NewObject.
template <class T>
void RegisterClass(const char* name);
// A new object of a registered class, or nil when the class has no table.
template <class T>
std::shared_ptr<T> NewObject();

void RuntimeInitExternalClasses();
// Looks up the control plug-in's entry points by name; raises
// PluginException naming the first one that is missing.
void InitPluginEntrypoints();

void RuntimeRegisterAppObject(std::shared_ptr<Application> app);
std::shared_ptr<Application> GetAppObject();

// The event loop. Returns when the application quits, at once when Quit
// came before it. An exception that escaped a handler during the loop is
// raised again from here, once.
void RuntimeRun();
// The report of an exception nobody caught: a modal message naming the
// exception's class, also written to standard error.
void UnhandledException(std::exception_ptr e);

// Ends the event loop (or the coming one).
void Quit(int code = 0);
// Gives the framework's pending work a turn.
void RuntimeBackgroundTask();
// A modal message box; returns when dismissed.
void MsgBox(const String& message);
// Hands a URL to the system's handler; nothing is awaited.
void ShowURL(const String& url);

struct ScreenInfo : Object {
  int width = 0;
  int height = 0;
  int Width() const { return width; }
  int Height() const { return height; }
};
// Screen 0 is the main screen; nil for a screen that does not exist.
std::shared_ptr<ScreenInfo> Screen(int index);

// A double drawn uniformly from [0, 1).
double Rnd();

// The application package's short version string.
String ShortVersion();
// Set by the executable's entry from the build's version.
void SetPackageShortVersion(const String& version);

namespace detail {
void RegisterClassTable(const char* name, const std::type_info& type, std::function<std::shared_ptr<Object>()> factory);
std::shared_ptr<Object> NewObjectOf(const std::type_info& type);
}  // namespace detail

template <class T>
void RegisterClass(const char* name) {
  detail::RegisterClassTable(name, typeid(T), [] { return std::make_shared<T>(); });
}

template <class T>
std::shared_ptr<T> NewObject() {
  return std::dynamic_pointer_cast<T>(detail::NewObjectOf(typeid(T)));
}

}  // namespace fw
