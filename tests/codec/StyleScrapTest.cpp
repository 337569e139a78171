#include <gtest/gtest.h>

#include "codec/StyleScrap.h"
#include "tests/TestCase.h"

namespace codec {
namespace {

// Elements told apart by their font number.
std::string Scrap(const std::vector<std::int32_t>& starts) {
  std::vector<StyleElement> elements;
  for (std::size_t i = 0; i < starts.size(); ++i)
    elements.push_back({.startChar = starts[i], .font = static_cast<std::int16_t>(i)});
  return EncodeStyleScrap(elements);
}

// Every field round-trips; the encoder refuses more elements than the format holds.
TEST(StyleScrap, EncodesTheClassicLayout) {
  StyleElement e{0, 16, 12, 3, kFaceBold, 12, 0, 0, 0};
  const std::string expected("\x00\x01" "\x00\x00\x00\x00" "\x00\x10" "\x00\x0C" "\x00\x03"
                             "\x01\x00" "\x00\x0C" "\x00\x00\x00\x00\x00\x00", 22);
  EXPECT_EQ(EncodeStyleScrap({e}), expected);
  const std::vector<StyleElement> elements = {
      {0, 24, 18, 20, kFaceBold | kFaceItalic, 18, 0x1234, 0xFFFF, 0x8000},
      {-7, -1, 0, 22, 0x80, -12, 0, 1, 2},
      {0x7FFFFFFF, 32767, -32768, 4, 0, 0, 65535, 0, 65535}};
  EXPECT_EQ(DecodeStyleScrap(EncodeStyleScrap(elements)), elements);
  EXPECT_TRUE(DecodeStyleScrap(EncodeStyleScrap({})).empty());
  EXPECT_NO_THROW(EncodeStyleScrap(std::vector<StyleElement>(1601)));
  EXPECT_THROW(EncodeStyleScrap(std::vector<StyleElement>(1602)), std::invalid_argument);
}

TEST(StyleScrap, DecoderTakesOnlyWhatCountAndBytesAgreeOn) {
  EXPECT_TRUE(DecodeStyleScrap("").empty());
  EXPECT_TRUE(DecodeStyleScrap("\x00").empty());
  EXPECT_TRUE(DecodeStyleScrap(std::string("\xFF\xFF") + std::string(40, '\0')).empty());

  std::string threeClaimedTwoHeld = Scrap({0, 1});
  threeClaimedTwoHeld[1] = 3;
  EXPECT_EQ(DecodeStyleScrap(threeClaimedTwoHeld).size(), 2u);
  EXPECT_EQ(DecodeStyleScrap(threeClaimedTwoHeld + "partial").size(), 2u);

  std::string oneClaimedTwoHeld = Scrap({0, 1});
  oneClaimedTwoHeld[1] = 1;
  EXPECT_EQ(DecodeStyleScrap(oneClaimedTwoHeld).size(), 1u);

  std::string overCap("\x7F\xFF", 2);
  overCap.append(20 * 1700, '\0');
  EXPECT_EQ(DecodeStyleScrap(overCap).size(), 1601u);
}

struct SpanCase : korvane_test::NamedCase {
  std::string text;
  std::vector<std::int32_t> starts;
  std::vector<std::array<int, 3>> expected;  // begin, end, font (-1: no style)
};

class StyleSpans : public ::testing::TestWithParam<SpanCase> {};

TEST_P(StyleSpans, CoverTheTextOnCharacterBoundaries) {
  const SpanCase& c = GetParam();
  const auto spans = StyleSpansForText(c.text, Scrap(c.starts));
  std::vector<std::array<int, 3>> got;
  for (const StyledSpan& s : spans)
    got.push_back({static_cast<int>(s.begin), static_cast<int>(s.end), s.hasStyle ? s.style.font : -1});
  EXPECT_EQ(got, c.expected);
}

const char kEuro[] = "\xE2\x82\xAC";  // three bytes

INSTANTIATE_TEST_SUITE_P(
    Cases, StyleSpans,
    ::testing::Values(
        SpanCase{"TwoRuns", "Hello world", {0, 6}, {{0, 6, 0}, {6, 11, 1}}},
        SpanCase{"AfterMultiByteCharacters", std::string("\xC3\xA9 ") + kEuro + "bold", {0, 6},
                 {{0, 6, 0}, {6, 10, 1}}},
        SpanCase{"StartInsideCharacterMovesBack", std::string("a") + kEuro + "b", {0, 2},
                 {{0, 1, 0}, {1, 5, 1}}},
        SpanCase{"StartInsideAnEmojiMovesBack", "a\xF0\x9F\x98\x80" "b", {0, 3}, {{0, 1, 0}, {1, 6, 1}}},
        SpanCase{"StartMovedOntoPreviousIsDropped", std::string(kEuro) + "x", {0, 1, 3},
                 {{0, 3, 0}, {3, 4, 2}}},
        SpanCase{"InvalidBytesAreCharacters", "a\xFF\x80" "b", {0, 1, 2, 3},
                 {{0, 1, 0}, {1, 2, 1}, {2, 3, 2}, {3, 4, 3}}},
        SpanCase{"CutShortSequenceIsBytes", "a\xE2\x82", {0, 2}, {{0, 2, 0}, {2, 3, 1}}},
        SpanCase{"LeadingTextTakesFirstStyle", "abcdef", {3}, {{0, 6, 0}}},
        SpanCase{"OutOfOrderDropped", "abcdefg", {0, 4, 2, 5}, {{0, 4, 0}, {4, 5, 1}, {5, 7, 3}}},
        SpanCase{"RepeatedStartDropped", "abcd", {0, 0, 2}, {{0, 2, 0}, {2, 4, 2}}},
        SpanCase{"PastTheEndDropped", "abcdefg", {0, 7, 100}, {{0, 7, 0}}},
        SpanCase{"NegativeDropped", "abcd", {-5, 2}, {{0, 4, 1}}},
        SpanCase{"NothingUsable", "abc", {3, -1}, {{0, 3, -1}}},
        SpanCase{"EmptyTable", "abc", {}, {{0, 3, -1}}},
        SpanCase{"EmptyText", "", {0, 1}, {}}),
    korvane_test::CaseName());

}  // namespace
}  // namespace codec
