#include <gtest/gtest.h>

#include "codec/PropertyRecord.h"
#include "quiz/HintWindow.h"
#include "declare/Declare.h"

namespace korvane {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

TEST(Records, TheHintWindowsRecordHasTheDeclaredBytes) {
  std::string record = declare::WindowRecord(HintWindow::Look());
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
  std::string record = declare::LabelRecord("HintText", {13, 13, 300, 40}, 0, {.multiLine = true});
  std::string tail = "Index " + Bytes({0x80, 0, 0, 0}) + "Name " + Bytes({0, 0, 0, 8}) + "HintText";
  ASSERT_GE(record.size(), tail.size());
  EXPECT_EQ(record.substr(record.size() - tail.size()), tail);
  EXPECT_NE(record.find("Text " + Bytes({0, 0, 0, 0})), std::string::npos);  // empty Text
}

}  // namespace
}  // namespace korvane
