#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/String.h"

namespace fw {
namespace {

const String kRecord = String::Raw("Scene\x11" "A\x12" "B\x12" "C\x12" "D\x11" "fa\x12" "fb\x11" "Hint\x11" "3");

// Right drops a length prefix of raw records.
TEST(TextFunctions, LengthsCountCharactersOfTextAndBytesOfRawData) {
  EXPECT_EQ(Len("caf\xC3\xA9"), 4);                  // text: code points
  EXPECT_EQ(Len(String::Raw("caf\xC3\xA9")), 5);     // raw: bytes
  EXPECT_EQ(Len(""), 0);
  EXPECT_EQ(Len("\xF0\x9F\x98\x80!"), 2);            // beyond the 16-bit range
  String data = String::Raw(std::string("\x00\x05" "hello", 7));
  EXPECT_EQ(Right(data, Len(data) - 2).Bytes(), "hello");
  EXPECT_TRUE(Right(data, Len(data) - 2).IsRaw());
  EXPECT_EQ(Right("na\xC3\xAFve", 3).Bytes(), "\xC3\xAFve");
  EXPECT_EQ(Right("abc", 0).Bytes(), "");
  EXPECT_EQ(Right("abc", -1).Bytes(), "");  // data shorter than its prefix
  EXPECT_EQ(Right("abc", 10).Bytes(), "abc");
}

TEST(TextFunctions, NthFieldSplitsRecordsAndTheirLists) {
  String f = Chr(17), i = Chr(18);
  EXPECT_EQ(NthField(kRecord, f, 1).Bytes(), "Scene");
  EXPECT_EQ(NthField(NthField(kRecord, f, 2), i, 3).Bytes(), "C");
  EXPECT_EQ(NthField(NthField(kRecord, f, 3), i, 2).Bytes(), "fb");
  EXPECT_EQ(NthField(NthField(kRecord, f, 3), i, 4).Bytes(), "");  // beyond the last item
  EXPECT_EQ(NthField(kRecord, f, 5).Bytes(), "3");                  // the last runs to the end
  EXPECT_EQ(NthField(kRecord, f, 6).Bytes(), "");
  EXPECT_EQ(NthField(kRecord, f, 0).Bytes(), "");
  EXPECT_EQ(NthField("a,,b", ",", 2).Bytes(), "");
  EXPECT_EQ(NthField("a,,b", ",", 3).Bytes(), "b");
  EXPECT_EQ(NthField("abc", "", 1).Bytes(), "");
  EXPECT_EQ(CountFields(kRecord, f), 5);
}

struct ValCase {
  const char* text;
  double value;
};

class ValTest : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheLeadingNumber) { EXPECT_DOUBLE_EQ(Val(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(TextFunctions, ValTest,
                         ::testing::Values(ValCase{"3", 3}, ValCase{"  4", 4}, ValCase{"-2.5", -2.5},
                                           ValCase{"+7", 7}, ValCase{"12abc", 12}, ValCase{"x", 0},
                                           ValCase{"", 0}, ValCase{".5", 0.5}, ValCase{"1e2", 100},
                                           ValCase{"1e", 1}, ValCase{"-", 0}, ValCase{"0x10", 0},
                                           ValCase{"inf", 0}, ValCase{"nan", 0},
                                           // beyond a double's range at either end
                                           ValCase{"1e400", HUGE_VAL}, ValCase{"-0.01e311", -HUGE_VAL},
                                           ValCase{"1e-400", 0}, ValCase{"-123.4e-400", 0},
                                           ValCase{"12e-99999999999999999999", 0}));

// Comparison ignores the case of letters only; concatenation with raw data is raw.
TEST(TextFunctions, StrConversionToInt32ComparisonAndConcatenation) {
  EXPECT_EQ(Str(17).Bytes(), "17");
  EXPECT_EQ(Str(-3).Bytes(), "-3");
  EXPECT_EQ(CvtReal64ToSInt32(3.99), 3);
  EXPECT_EQ(CvtReal64ToSInt32(-3.99), -3);  // toward zero
  EXPECT_EQ(CvtReal64ToSInt32(0.9999999 * 4 + 1), 4);
  EXPECT_EQ(CvtReal64ToSInt32(1e12), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(CvtReal64ToSInt32(-1e12), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(CvtReal64ToSInt32(std::nan("")), 0);
  EXPECT_EQ(StringCompare("FileClose", "fileclose"), 0);
  EXPECT_LT(StringCompare("a", "b"), 0);
  EXPECT_GT(StringCompare("ab", "a"), 0);
  String joined = String("A. ") + String::Raw("X");
  EXPECT_EQ(joined.Bytes(), "A. X");
  EXPECT_TRUE(joined.IsRaw());
  EXPECT_FALSE((String("a") + String("b")).IsRaw());
}

}  // namespace
}  // namespace fw
