#include <gtest/gtest.h>

#include <set>

#include "browser/Window1.h"
#include "codec/PropertyRecord.h"
#include "quiz/HintWindow.h"
#include "quiz/ResultsWindow.h"
#include "quiz/RireradQuiz.h"
#include "shell/AboutBox.h"
#include "shell/AboutWindow.h"

namespace korvane {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

TEST(Records, TheHintWindowsRecordHasTheDeclaredBytes) {
  const std::string& record = HintWindow::WindowRecord();
  std::string start = "Placement " + Bytes({0, 0, 0, 2}) + "Width " + Bytes({0, 0, 1, 0x47});
  EXPECT_EQ(record.substr(0, start.size()), start);
  EXPECT_NE(record.find("HasBackColor " + Bytes({1})), std::string::npos);
  EXPECT_NE(record.find("BackColor " + Bytes({0xFC, 0xFF, 0xE5})), std::string::npos);
  EXPECT_NE(record.find("Title " + Bytes({0, 0, 0, 4}) + "Hint"), std::string::npos);
  auto entries = codec::DecodeRecord(record);
  ASSERT_EQ(entries.size(), 22u);
  EXPECT_EQ(entries.back().name, "MacProcID");
}

TEST(Records, ControlRecordsEndWithNoIndexAndTheirName) {
  const std::string& record = HintWindow::ControlRecord("HintText");
  std::string tail = "Index " + Bytes({0x80, 0, 0, 0}) + "Name " + Bytes({0, 0, 0, 8}) + "HintText";
  ASSERT_GE(record.size(), tail.size());
  EXPECT_EQ(record.substr(record.size() - tail.size()), tail);
  EXPECT_NE(record.find("Text " + Bytes({0, 0, 0, 0})), std::string::npos);  // empty Text
}

// A control is found by the name its table line gives, and its record sets
// that same name: the two must agree, once per window.
template <class W>
void ExpectEachControlNamedOnceAndByItsRecord(std::size_t count) {
  SCOPED_TRACE(W::kClassName);
  const auto& table = W::Declared();
  EXPECT_EQ(table.size(), count);
  std::set<std::string> names;
  for (const auto& control : table) {
    EXPECT_TRUE(names.insert(control.Name()).second) << control.Name() << " declared twice";
    std::string named;
    for (const auto& e : codec::DecodeRecord(control.Record()))
      if (e.canonical == "Name") named = std::get<std::string>(e.value);
    EXPECT_EQ(named, control.Name());
    EXPECT_EQ(&W::ControlRecord(control.Name()), &control.Record());
  }
  EXPECT_THROW(W::ControlRecord("NoSuchControl"), fw::PropertyRecordException);
}

TEST(Records, EveryWindowDeclaresEachControlOnceUnderTheNameItsRecordSets) {
  ExpectEachControlNamedOnceAndByItsRecord<Window1>(2);
  ExpectEachControlNamedOnceAndByItsRecord<RireradQuiz>(25);
  ExpectEachControlNamedOnceAndByItsRecord<HintWindow>(1);
  ExpectEachControlNamedOnceAndByItsRecord<ResultsWindow>(1);
  ExpectEachControlNamedOnceAndByItsRecord<AboutBox>(7);
  ExpectEachControlNamedOnceAndByItsRecord<AboutWindow>(1);
}

}  // namespace
}  // namespace korvane
