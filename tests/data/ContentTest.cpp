// The packed content as the program will read it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

#include "codec/BigEndian.h"
#include "codec/ContentIds.h"
#include "codec/FileBytes.h"
#include "codec/ResourceMap.h"
#include "codec/StyleScrap.h"
#include "codec/Utf8.h"
#include "codec/Wave.h"
#include "tests/TestCase.h"

namespace {

struct Packed {
  std::string bytes;
  std::optional<codec::ResourceMap> map;
  std::string Data(const codec::ResourceRef* ref) const { return korvane_test::DataOf(bytes, ref); }
};

const Packed& Resources() {
  static const Packed packed = [] {
    Packed p{codec::ReadFileBytes(KORVANE_RESOURCE_FILE).value_or(""), std::nullopt};
    p.map = codec::ResourceMap::Parse(p.bytes);
    return p;
  }();
  return packed;
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos; start = at + 1)
    parts.emplace_back(text.substr(start, at - start));
  parts.emplace_back(text.substr(start));
  return parts;
}

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Quiz records are plain ASCII (a byte a character), so a choice spells a topic's typographic
// apostrophe as a straight one.
std::string AsChoice(std::string name) {
  for (std::size_t at; (at = name.find("\u2019")) != std::string::npos;) name.replace(at, 3, "'");
  return name;
}

struct Record {
  int id;
  std::string scenario, hint;
  std::vector<std::string> choices, feedback;
  int correct;  // 1..4, 0 when unreadable
};

std::vector<Record> QuizRecords() {
  std::vector<Record> records;
  const Packed& p = Resources();
  for (int i = 0; i < p.map->Count("wstr"); ++i) {
    const std::string data = p.Data(p.map->At("wstr", i));
    if (data.size() < 2 || codec::GetU16(data, 0) != data.size() - 2) return {};
    const auto fields = Split(std::string_view(data).substr(2), codec::kQuizFieldSeparator);
    if (fields.size() != 5) return {};
    const int correct = fields[4].size() == 1 && fields[4][0] >= '1' && fields[4][0] <= '4' ? fields[4][0] - '0' : 0;
    records.push_back({p.map->At("wstr", i)->id, fields[0], fields[3], Split(fields[1], codec::kQuizItemSeparator),
                       Split(fields[2], codec::kQuizItemSeparator), correct});
  }
  return records;
}

class Content : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Resources().map) << KORVANE_RESOURCE_FILE << " is missing or unreadable";
  }
  const codec::ResourceMap& map() const { return *Resources().map; }
};

// The list shows the topics in the order of their resources: alphabetical.
TEST_F(Content, TopicsAreFortyThreeUniqueNamesInAlphabeticalOrderStyledFromTheirFirstByte) {
  ASSERT_EQ(map().Count("TEXT"), codec::kTopicCount);
  ASSERT_EQ(map().Count("styl"), codec::kTopicCount);
  for (int k = 0; k < codec::kTopicCount; ++k) {
    EXPECT_EQ(map().At("TEXT", k)->id, codec::kFirstTopicId + k);
    EXPECT_EQ(map().At("styl", k)->id, codec::kFirstTopicId + k);
    if (k > 0) {
      EXPECT_LT(map().At("TEXT", k - 1)->name, map().At("TEXT", k)->name);
    }
    const std::string text = Resources().Data(map().At("TEXT", k));
    const auto runs = codec::DecodeStyleScrap(Resources().Data(map().At("styl", k)));
    ASSERT_FALSE(text.empty()) << k;
    EXPECT_EQ(codec::FirstInvalidUtf8(text), text.size()) << k;
    // The topics quote and elide with typographic marks only, names included.
    EXPECT_EQ(text.find_first_of("'\""), std::string::npos) << k;
    ASSERT_FALSE(runs.empty()) << k;
    EXPECT_EQ(runs.front().startChar, 0) << k;
    for (std::size_t i = 1; i < runs.size(); ++i) {
      EXPECT_GT(runs[i].startChar, runs[i - 1].startChar) << k;
      EXPECT_LT(static_cast<std::size_t>(runs[i].startChar), text.size()) << k;
    }
  }
}

// Each with its own answer, the positions of the answers spread.
TEST_F(Content, QuizRecordsAreThirtyCompleteScenarios) {
  const auto records = QuizRecords();
  ASSERT_EQ(records.size(), 30u) << "every wstr is a length and five fields";
  std::set<std::string> topics;
  for (int k = 0; k < map().Count("TEXT"); ++k) topics.insert(AsChoice(map().At("TEXT", k)->name));
  for (int i = 0; i < 30; ++i) {
    const Record& r = records.at(static_cast<std::size_t>(i));
    SCOPED_TRACE("wstr " + std::to_string(r.id));
    EXPECT_EQ(r.id, 128 + i);
    EXPECT_LE(r.scenario.size(), 450u);
    EXPECT_LE(r.hint.size(), 140u);
    EXPECT_TRUE(IsAscii(r.scenario) && IsAscii(r.hint));
    EXPECT_NE(r.correct, 0);
    ASSERT_EQ(r.choices.size(), 4u);
    ASSERT_EQ(r.feedback.size(), 4u);
    for (const std::string& choice : r.choices) {
      EXPECT_LE(choice.size(), 28u) << choice;
      EXPECT_TRUE(IsAscii(choice)) << choice;
      EXPECT_TRUE(topics.count(choice)) << choice << " names no topic";
    }
    for (const std::string& feedback : r.feedback) {
      EXPECT_LE(feedback.size(), 220u) << feedback;
      EXPECT_TRUE(IsAscii(feedback)) << feedback;
    }
  }
  std::set<std::string> answers;
  for (const Record& r : records)
    if (r.correct >= 1 && r.choices.size() == 4) answers.insert(r.choices.at(static_cast<std::size_t>(r.correct - 1)));
  EXPECT_EQ(answers.size(), 30u) << "correct answers repeat";

  for (std::size_t quiz = 0; quiz < 3; ++quiz) {
    std::array<int, 5> times{};
    for (std::size_t k = 0; k < 10; ++k) ++times.at(static_cast<std::size_t>(records[quiz * 10 + k].correct));
    for (std::size_t position = 1; position <= 4; ++position)
      EXPECT_GE(times[position], 2) << "quiz " << quiz + 1 << ", position " << position;
  }
}

TEST_F(Content, SoundsAndTitlePicture) {
  for (int id : {codec::kRightSoundId, codec::kWrongSoundId}) {
    const std::string wave = Resources().Data(map().ById("WAVE", id));
    const auto sound = codec::DecodeWave(wave);
    ASSERT_TRUE(sound) << id;
    EXPECT_FALSE(sound->samples.empty()) << id;
  }
  const std::string png = Resources().Data(map().ById("PNG ", codec::kTitlePictureId));
  ASSERT_GE(png.size(), 24u);
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  EXPECT_EQ(codec::GetU32(png, 16), 409u);
  EXPECT_EQ(codec::GetU32(png, 20), 65u);
}

}  // namespace
