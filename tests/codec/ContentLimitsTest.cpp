// The bounds the packer writes within and the program reads within.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "codec/ContentLimits.h"
#include "codec/FileBytes.h"
#include "codec/ResourceMap.h"
#include "codec/ResourceWriter.h"
#include "tests/TestCase.h"

namespace codec {
namespace {

// A word ends only at a space, tab, line break or hyphen.
TEST(ContentLimits, ATopicIsWithinItsLimitsUpToEachBound) {
  EXPECT_EQ(LongestUnbreakableRun("").length, 0u);
  const ByteRun run = LongestUnbreakableRun("ab cde\tf\rghij\nk-lmnop qrstu");
  EXPECT_EQ(run.begin, 16u);  // "lmnop", the first of the two longest
  EXPECT_EQ(run.length, 5u);
  // A no-break space joins; combining marks count by their bytes.
  EXPECT_EQ(LongestUnbreakableRun("a\xC2\xA0" "b c").length, 4u);
  EXPECT_EQ(LongestUnbreakableRun(" e\xCC\x81\xCC\x81 ").length, 5u);

  std::string text;
  while (text.size() < kMaxTopicTextBytes) text += std::string(kMaxUnbreakableBytes, 'w') + "\r";
  text.resize(kMaxTopicTextBytes);
  const std::string styl(kMaxStyleScrapBytes, '\0');
  EXPECT_TRUE(TopicWithinLimits(text, styl));
  EXPECT_FALSE(TopicWithinLimits(text + "x", styl));
  EXPECT_FALSE(TopicWithinLimits(text, styl + '\0'));
  EXPECT_FALSE(TopicWithinLimits("a " + std::string(kMaxUnbreakableBytes + 1, 'w'), ""));
  std::string marks = "a";
  while (marks.size() <= kMaxUnbreakableBytes) marks += "\xCC\x81";
  EXPECT_FALSE(TopicWithinLimits(marks, ""));
}

// A file of exactly `size` bytes, one 'PNG ' resource making it up.
std::string FileOfSize(std::size_t size) {
  const std::size_t rest = WriteResourceFile({{"PNG ", 1, std::nullopt, ""}}).size();
  return WriteResourceFile({{"PNG ", 1, std::nullopt, std::string(size - rest, 'p')}});
}

TEST(ContentLimits, ReaderTakesFilesUpToTheSizeThePackerWrites) {
  const std::string largest = FileOfSize(kMaxResourceFileBytes);
  ASSERT_EQ(largest.size(), kMaxResourceFileBytes);
  EXPECT_TRUE(ResourceMap::Parse(largest));
  const std::string over = FileOfSize(kMaxResourceFileBytes + 1);
  EXPECT_FALSE(ResourceMap::Parse(over));

  const korvane_test::TempDir dir;
  const auto path = dir.Path("Korvane.rsrc");
  for (const std::string* bytes : {&largest, &over}) {
    std::ofstream(path, std::ios::binary).write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
    EXPECT_EQ(ReadFileBytes(path).has_value(), bytes == &largest);
  }
}

}  // namespace
}  // namespace codec
