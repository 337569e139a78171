// Test support for the program: temporary resource files and a fixture that
// starts Korvane the way main() does, up to its event loop.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "codec/QuizRecord.h"
#include "codec/ResourceWriter.h"
#include "tests/TestCase.h"

namespace fw {
class Window;
}  // namespace fw

namespace korvane::test {

using korvane_test::TempDir;

// The resource file packed from data/ at build time.
std::string RealResourceFile();

using codec::QuizRecord;

// A small complete data set: 43 topics "Topic 0" … "Topic 42" (each text
// "Text of topic k" styled bold from its 5th byte), quiz records whose fields
// name their id ("Scenario 128", choices "W128" … "Z128", feedback "fW128" …,
// hint "Hint 128", correct item 1), the two sounds and the picture.
std::vector<codec::ResourceSpec> FixtureResources();
// Removes one resource of a set; replaces the data of one.
void Remove(std::vector<codec::ResourceSpec>& set, const std::string& type, int id);
void Replace(std::vector<codec::ResourceSpec>& set, const std::string& type, int id, std::string data);
// Writes the set as a resource file in the folder; returns its path.
std::string WriteResourceFile(const TempDir& dir, const std::vector<codec::ResourceSpec>& set);
// A text's lines, split at carriage returns only (the classic line break).
std::vector<std::string> CrLines(const std::string& text);
// A tiny valid WAV.
std::string TinyWave();

// What the program would have shown the user.
struct Recorder {
  std::vector<std::string> messages;  // MsgBox texts, in order
  std::vector<std::string> urls;      // ShowURL calls, in order
  int soundsPlayed = 0;
};

// Starts the program as main() does, without entering the event loop:
// class tables and arrays, external classes, plug-in entry points, file
// type, App, menu handlers and the main window, over a resource file (""
// for none). Message boxes, URLs and sounds go to the recorder instead of
// the user.
void StartProgram(const std::string& resourceFile, Recorder& recorder);
// Shuts the program down as main() does after its event loop.
void ShutdownProgram();
// Chooses the menu item and lets what it opens reach the screen: the open
// instance of `className`, or nil.
std::shared_ptr<fw::Window> Choose(const char* item, const char* className);

class ProgramTest : public ::testing::Test, protected Recorder {
 protected:
  void TearDown() override { Shutdown(); }
  void Start(const std::string& file);
  void StartWithRealData() { Start(RealResourceFile()); }
  // Starts over the fixture data set, changed by `edit` first, written to
  // `resourceFile` in `dir`.
  void StartWith(const std::function<void(std::vector<codec::ResourceSpec>&)>& edit = nullptr);
  void Shutdown();

  bool started = false;
  TempDir dir;
  std::string resourceFile;
};

}  // namespace korvane::test
