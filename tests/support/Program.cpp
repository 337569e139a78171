#include "tests/support/Program.h"

#include <algorithm>
#include <fstream>

#include "codec/ContentIds.h"
#include "codec/StyleScrap.h"
#include "codec/Wave.h"
#include "framework/Runtime.h"
#include "framework/Testing.h"
#include "framework/testing/Simulate.h"
#include "quiz/Module1.h"
#include "shell/App.h"
#include "shell/Main.h"

namespace korvane::test {

std::vector<std::string> CrLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\r') lines.emplace_back();
    else lines.back() += c;
  }
  return lines;
}

std::string RealResourceFile() { return KORVANE_RESOURCE_FILE; }

std::string TinyWave() {
  const std::string silence(200, '\0');
  return codec::EncodeWave({.channels = 1, .sampleRate = 22050, .bitsPerSample = 16, .samples = silence});
}

std::vector<codec::ResourceSpec> FixtureResources() {
  std::vector<codec::ResourceSpec> set;
  for (int k = 0; k < codec::kTopicCount; ++k) {
    std::string name = "Topic " + std::to_string(k);
    set.push_back({"TEXT", static_cast<std::int16_t>(codec::kFirstTopicId + k), name, "Text of topic " + std::to_string(k)});
  }
  for (int k = 0; k < codec::kTopicCount; ++k) {
    codec::StyleElement plain{.startChar = 0, .height = 16, .ascent = 12, .font = 3, .face = 0, .size = 12};
    codec::StyleElement bold = plain;
    bold.startChar = 5;
    bold.face = codec::kFaceBold;
    set.push_back({"styl", static_cast<std::int16_t>(codec::kFirstTopicId + k), std::nullopt, codec::EncodeStyleScrap({plain, bold})});
  }
  for (int id = codec::QuizRecordId(1, 0); id <= codec::QuizRecordId(codec::kQuizCount, codec::kRecordsPerQuiz - 1); ++id) {
    std::string n = std::to_string(id);
    QuizRecord r{"Scenario " + n,
                 {"W" + n, "X" + n, "Y" + n, "Z" + n},
                 {"fW" + n, "fX" + n, "fY" + n, "fZ" + n},
                 "Hint " + n,
                 "1"};
    set.push_back({"wstr", static_cast<std::int16_t>(id), std::nullopt, r.Bytes()});
  }
  set.push_back({"WAVE", 168, std::nullopt, TinyWave()});
  set.push_back({"WAVE", 169, std::nullopt, TinyWave()});
  set.push_back({"PNG ", 169, std::nullopt, fw::testing::SolidPng(409, 65, fw::RGB(255, 255, 255))});
  return set;
}

void Remove(std::vector<codec::ResourceSpec>& set, const std::string& type, int id) {
  std::erase_if(set, [&](const codec::ResourceSpec& r) { return r.type == type && r.id == id; });
}

void Replace(std::vector<codec::ResourceSpec>& set, const std::string& type, int id, std::string data) {
  for (auto& r : set)
    if (r.type == type && r.id == id) r.data = std::move(data);
}

std::string WriteResourceFile(const TempDir& dir, const std::vector<codec::ResourceSpec>& set) {
  std::string path = dir.Path("Korvane.rsrc").string();
  std::ofstream out(path, std::ios::binary);
  std::string bytes = codec::WriteResourceFile(set);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

void StartProgram(const std::string& resourceFile, Recorder& recorder) {
  fw::testing::ResetRuntime();
  quizing = answered = HintTaken = false;
  score = QuestionNum = mixa = mixb = mixc = mixd = 0;
  fw::testing::SetResourceFilePath(resourceFile.empty() ? "/nonexistent/Korvane.rsrc" : resourceFile);
  fw::testing::SetMessagePresenter([&recorder](const fw::String& m) { recorder.messages.push_back(m.Bytes()); });
  fw::testing::SetUrlOpener([&recorder](const fw::String& u) { recorder.urls.push_back(u.Bytes()); });
  fw::testing::SetSoundObserver([&recorder](const fw::Sound&) { ++recorder.soundsPlayed; });
  fw::RuntimeInit();
  initialize();
  StartUp();
  fw::testing::ProcessEvents();
}

void ShutdownProgram() {
  finalize();
  fw::RuntimeExit();
  fw::testing::ResetRuntime();
}

std::shared_ptr<fw::Window> Choose(const char* item, const char* className) {
  EXPECT_TRUE(fw::testing::ChooseMenuItem(item)) << item;
  fw::testing::ProcessEvents();
  return fw::GetImplicitWindow(className);
}

void ProgramTest::Start(const std::string& file) {
  started = true;
  StartProgram(file, *this);
}

void ProgramTest::StartWith(const std::function<void(std::vector<codec::ResourceSpec>&)>& edit) {
  auto set = FixtureResources();
  if (edit) edit(set);
  resourceFile = WriteResourceFile(dir, set);
  Start(resourceFile);
}

void ProgramTest::Shutdown() {
  if (!started) return;
  started = false;
  ShutdownProgram();
}

}  // namespace korvane::test
