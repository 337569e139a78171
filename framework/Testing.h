// Test seams of the framework. The program never calls these; tests use
// them to record what would reach the user (message boxes, URLs, sounds),
// to fake the screen or the random generator, to point the application at
// a fixture resource file, and to watch the runtime's steps.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "framework/String.h"

namespace fw {
class Sound;
}

namespace fw::testing {

// Every runtime step the framework takes ("RuntimeInit", "class Window1.Window1",
// "menu handler Quiz1Menu", "window open Window1.Window1", "release Windows", …)
// is passed to the sink, in order. Null stops tracing. A window reaching or
// leaving the screen is traced as "window on screen <class>" and "window off
// screen <class>", so a window that merely flashes up can be caught.
void SetTraceSink(std::function<void(const std::string&)> sink);

// Replaces the modal message box (MsgBox and the unhandled-exception report).
// Null restores the real one.
void SetMessagePresenter(std::function<void(const String&)> presenter);
// Replaces the system's URL handler.
void SetUrlOpener(std::function<void(const String&)> opener);
// Fakes the main screen's size; 0, 0 restores the real one.
void SetScreenSize(int width, int height);
// Seeds Rnd, or replaces its source (null restores the generator).
void SeedRnd(std::uint64_t seed);
void SetRndSource(std::function<double()> source);
// The application's resource file; "" restores the lookup next to the
// executable and in the install tree.
void SetResourceFilePath(const std::string& path);
// Called whenever a sound is asked to play (also where there is no audio device).
void SetSoundObserver(std::function<void(const Sound&)> observer);
// Runs once inside RuntimeRun's event loop, as soon as it starts.
void OnEventLoopStart(std::function<void()> action);

// Makes a property name that the receiving class neither sets nor lists as
// ignored (property::kIgnored) raise PropertyRecordException; off, such a
// name changes nothing. Kept across ResetRuntime.
void SetStrictProperties(bool on);

// Lets the event loop's pending work run once: windows reach or leave the
// screen, deferred deletions happen.
void ProcessEvents();
// Forgets every runtime state (application object, pending quit or
// exception, seams), so that one test process can start the program again.
void ResetRuntime();

// Whether Quit was called since the last reset.
bool QuitRequested();
// Whether the framework's window lists are nil (released).
bool WindowListsReleased();
// How many times an unhandled exception was reported since the last reset.
int UnhandledExceptionReports();

}  // namespace fw::testing
