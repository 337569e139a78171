#include <gtest/gtest.h>

#include <climits>

#include "codec/PropertyRecord.h"
#include "tests/TestCase.h"

using codec::Color;
using codec::DecodeRecord;
using codec::EncodeRecord;
using codec::PropertyRecordError;
using korvane_test::Bytes;

namespace {

// Names match without regard to case.
TEST(PropertyRecord, EncodesEachTypeInItsFixedLayout) {
  // The hint window's record begins like this.
  std::string record = EncodeRecord({{"Placement", 2}, {"Width", 327}});
  EXPECT_EQ(record, "Placement " + Bytes({0, 0, 0, 2}) + "Width " + Bytes({0, 0, 1, 0x47}));

  EXPECT_EQ(EncodeRecord({{"HasBackColor", true}}), "HasBackColor " + Bytes({1}));
  EXPECT_EQ(EncodeRecord({{"BackColor", Color{252, 255, 229}}}), "BackColor " + Bytes({0xFC, 0xFF, 0xE5}));
  EXPECT_EQ(EncodeRecord({{"Title", "Hint"}}), "Title " + Bytes({0, 0, 0, 4}) + "Hint");
  EXPECT_EQ(EncodeRecord({{"Index", INT32_MIN}}), "Index " + Bytes({0x80, 0, 0, 0}));
  EXPECT_EQ(EncodeRecord({{"Text", ""}}), "Text " + Bytes({0, 0, 0, 0}));
  EXPECT_EQ(EncodeRecord({{"DefaultRowHeight", -1}}), "DefaultRowHeight " + Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(codec::CanonicalPropertyName("multiline"), "MultiLine");
  EXPECT_EQ(codec::TypeOfProperty("BACKCOLOR"), codec::PropertyType::Color);
  auto entries = DecodeRecord("visible " + Bytes({1}));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_TRUE(std::get<bool>(entries[0].value));
}

// As do unknown names, malformed entries and wrong types.
TEST(PropertyRecord, EveryTruncationFailsCleanly) {
  std::string first = EncodeRecord({{"Title", "Hint"}});
  std::string second = EncodeRecord({{"Visible", true}});
  std::string record = first + second + EncodeRecord({{"BackColor", Color{1, 2, 3}}});
  for (std::size_t n = 1; n < record.size(); ++n) {
    std::string cut = record.substr(0, n);
    // A cut that falls exactly between entries is a shorter, valid record.
    bool boundary = n == first.size() || n == first.size() + second.size();
    if (boundary) {
      EXPECT_NO_THROW(DecodeRecord(cut)) << n;
    } else {
      EXPECT_THROW(DecodeRecord(cut), PropertyRecordError) << n;
    }
  }
  EXPECT_THROW(DecodeRecord("Colour " + Bytes({1, 2, 3})), PropertyRecordError);
  EXPECT_THROW(DecodeRecord("Visible" + Bytes({1})), PropertyRecordError);  // no space
  EXPECT_THROW(DecodeRecord(" Visible " + Bytes({1})), PropertyRecordError);
  EXPECT_THROW(DecodeRecord("Title " + Bytes({0xFF, 0xFF, 0xFF, 0xFF})), PropertyRecordError);
  EXPECT_THROW(DecodeRecord("Title " + Bytes({0x7F, 0xFF, 0xFF, 0xFF}) + "x"), PropertyRecordError);
  EXPECT_THROW(EncodeRecord({{"Width", true}}), PropertyRecordError);
  EXPECT_THROW(EncodeRecord({{"Nonsense", 1}}), PropertyRecordError);
  EXPECT_TRUE(DecodeRecord("").empty());
}

}  // namespace
