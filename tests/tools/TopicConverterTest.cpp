#include <gtest/gtest.h>

#include "tests/TestCase.h"
#include "tests/tools/Fixtures.h"
#include "tools/packer/PackError.h"
#include "tools/packer/TopicConverter.h"

namespace packer {
namespace {

using codec::kFaceBold;
using codec::kFaceItalic;

struct Golden : korvane_test::NamedCase {
  std::string markdown;
  std::string topicName, text;
  std::vector<std::array<int, 3>> runs;  // start, size, face
};

class TopicGolden : public ::testing::TestWithParam<Golden> {};

TEST_P(TopicGolden, TextAndRuns) {
  const Golden& g = GetParam();
  const Topic topic = ConvertTopic(g.markdown, "topic.md");
  EXPECT_EQ(topic.name, g.topicName);
  EXPECT_EQ(topic.text, g.text);
  std::vector<std::array<int, 3>> runs;
  for (const auto& r : topic.runs) runs.push_back({r.startChar, r.size, r.face});
  EXPECT_EQ(runs, g.runs);
}

constexpr int kTitle = kFaceBold;
constexpr int kBullet = 3;  // bytes of "•"

INSTANTIATE_TEST_SUITE_P(
    Cases, TopicGolden,
    ::testing::Values(
        Golden{"EmphasisAndStrong", "# Straw Man\n\nA *weak* **copy**.\n", "Straw Man",
               "Straw Man\r\rA weak copy.",
               {{0, 18, kTitle}, {9, 12, 0}, {13, 12, kFaceItalic}, {17, 12, 0}, {18, 12, kFaceBold},
                {22, 12, 0}}},
        Golden{"SoftBreakBecomesSpace", "# T\n\nline one\nline two\n", "T", "T\r\rline one line two",
               {{0, 18, kTitle}, {1, 12, 0}}},
        // Worked examples are quoted and emphasised; they stay italic throughout.
        Golden{"SubheadingAndQuote", "# T\n\n## Sub\n\n> quoted *still italic*\n", "T",
               "T\r\rSub\r\rquoted still italic",
               {{0, 18, kTitle}, {1, 12, 0}, {3, 14, kFaceBold}, {6, 12, 0}, {8, 12, kFaceItalic}}},
        Golden{"BulletItemsOnTheirOwnLines", "# T\n\n- one\n- *two*\n\nafter\n", "T",
               "T\r\r\xE2\x80\xA2 one\r\xE2\x80\xA2 two\r\rafter",
               {{0, 18, kTitle}, {1, 12, 0}, {11 + kBullet + 1, 12, kFaceItalic}, {18, 12, 0}}},
        Golden{"OffsetsCountUtf8Bytes", "# Caf\xC3\xA9\n\nna\xC3\xAFve *x*\n", "Caf\xC3\xA9",
               "Caf\xC3\xA9\r\rna\xC3\xAFve x", {{0, 18, kTitle}, {5, 12, 0}, {14, 12, kFaceItalic}}},
        Golden{"NestedEmphasisStaysItalic", "# T\n\n*a **b** _c_*\n", "T", "T\r\ra b c",
               {{0, 18, kTitle}, {1, 12, 0}, {3, 12, kFaceItalic}, {5, 12, kFaceItalic | kFaceBold},
                {6, 12, kFaceItalic}}}),
    korvane_test::CaseName());

TEST(TopicConverter, HeadingsCarryTheAccentAndBodyIsBlackGeneva) {
  const Topic topic = ConvertTopic("# T\n\nbody\n", "topic.md");
  ASSERT_EQ(topic.runs.size(), 2u);
  const auto& title = topic.runs[0];
  const auto& body = topic.runs[1];
  EXPECT_EQ(title.font, 3);
  EXPECT_EQ(body.font, 3);
  EXPECT_EQ((std::array{body.red, body.green, body.blue}), (std::array<std::uint16_t, 3>{0, 0, 0}));
  EXPECT_NE((std::array{title.red, title.green, title.blue}), (std::array<std::uint16_t, 3>{0, 0, 0}));
  EXPECT_GT(title.height, body.height);
  EXPECT_GT(body.height, body.ascent);
  EXPECT_GT(body.ascent, 0);
}

using korvane_test::Repeat;

// Lines of 99 letters in one paragraph: the text's byte 8192 (the bound)
// comes from line 84.
std::string LongParagraph(std::size_t lines) { return "# T\n\n" + Repeat(std::string(99, 'x') + "\n", lines); }

struct Refusal : korvane_test::NamedCase {
  std::string markdown;
  int line;
  std::string message;  // a part of it
};

class TopicRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(TopicRefusal, NamesFileAndLine) {
  const Refusal& r = GetParam();
  EXPECT_TRUE(Refuses([&] { ConvertTopic(r.markdown, "topics/x.md"); }, "topics/x.md", r.line, r.message));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TopicRefusal,
    ::testing::Values(
        Refusal{"NoHeadingFirst", "Intro\n\n# T\n", 1, "level-1 heading"},
        Refusal{"LevelTwoFirst", "## T\n", 1, "level-1 heading"},
        Refusal{"EmptyDocument", "", 1, "level-1 heading"},
        Refusal{"EmptyName", "#\n\ntext\n", 1, "empty"},
        Refusal{"LongName", "# " + std::string(256, 'a') + "\n", 1, "255 bytes"},
        Refusal{"LevelThree", "# T\n\n\n### Deep\n", 4, "level 3"},
        Refusal{"Link", "# T\n\nsee [x](http://example.org)\n", 3, "links"},
        Refusal{"Image", "# T\n\n![a](b.png)\n", 3, "images"},
        Refusal{"InlineCode", "# T\n\nuse `x`\n", 3, "inline code"},
        Refusal{"InlineHtml", "# T\n\na <b>x</b>\n", 3, "HTML"},
        Refusal{"HtmlBlock", "# T\n\n<div>\nx\n</div>\n", 3, "HTML"},
        Refusal{"CodeBlock", "# T\n\ntext\n\n```\ncode\n```\n", 5, "code blocks"},
        Refusal{"NumberedList", "# T\n\n1. one\n", 3, "numbered lists"},
        Refusal{"HardBreak", "# T\n\nline\\\nnext\n", 3, "hard line breaks"},
        Refusal{"NestedList", "# T\n\n- a\n  - b\n", 3, "one paragraph"},
        Refusal{"Rule", "# T\n\n***\n", 3, "horizontal rules"},
        Refusal{"Table", "# T\n\ntext\n| a | b |\n|---|---|\n", 4, "tables"},
        Refusal{"InvalidUtf8", "# T\n\nab\xFF\n", 3, "UTF-8"},
        // Deep enough to overflow a recursive walk of the tree.
        Refusal{"DeepBlockQuotes", "# T\n\n" + std::string(75000, '>') + " x\n", 3, "100 levels deep"},
        Refusal{"DeepEmphasis", "# T\n\n" + std::string(200000, '*') + "x" + std::string(200000, '*') + "\n", 3,
                "100 levels deep"},
        Refusal{"DeepLists", "# T\n\ntext\n\n" + Repeat("- ", 200) + "x\n", 5, "100 levels deep"},
        Refusal{"TopicTooLarge", LongParagraph(100), 84, "at most 8192"},
        Refusal{"WordTooLong", "# T\n\nshort words\nthen " + std::string(257, 'w') + " end\n", 4,
                "word of 257 bytes"},
        Refusal{"WordAcrossEmphasis", "# T\n\ntext\n" + std::string(200, 'a') + "*" + std::string(100, 'b') + "*\n", 4,
                "word of 300 bytes"},
        Refusal{"CombiningMarks", "# T\n\ntext\n\na" + Repeat("\xCC\x81", 128) + "\n", 5, "word of 257 bytes"}),
    korvane_test::CaseName());

// And a refusal reads as file:line: reason.
TEST(TopicConverter, KeepsTopicsAndWordsAtTheirBounds) {
  // 3 bytes of title and breaks, then 81 lines of 100 bytes with their
  // spaces, then 89 more.
  std::string markdown = LongParagraph(81) + std::string(89, 'y') + "\n";
  EXPECT_EQ(ConvertTopic(markdown, "t.md").text.size(), 8192u);
  EXPECT_THROW(ConvertTopic(markdown + "z\n", "t.md"), PackError);

  const std::string word(256, 'w');
  EXPECT_NO_THROW(ConvertTopic("# T\n\n" + word + " " + word + "-" + word + "\n\n> " + word + "\n", "t.md"));
  EXPECT_STREQ(PackError("data/topics/straw-man.md", 3, "links are not supported").what(),
               "data/topics/straw-man.md:3: links are not supported");
}

}  // namespace
}  // namespace packer
