#include <gtest/gtest.h>

#include <filesystem>

#include "framework/Testing.h"
#include "shell/Media.h"
#include "tests/support/Program.h"

namespace korvane {
namespace {

class MediaTest : public test::ProgramTest {
 protected:
  void StartCounting(const std::function<void(std::vector<codec::ResourceSpec>&)>& edit = nullptr) {
    StartWith(edit);
    fw::testing::SetTraceSink([this](const std::string& step) { opened += step == "open resource fork"; });
  }
  void TearDown() override {
    fw::testing::SetTraceSink(nullptr);
    ProgramTest::TearDown();
  }
  int opened = 0;
};

TEST_F(MediaTest, ALoadedSoundIsKeptAndTheFileIsAskedOnce) {
  StartCounting();
  auto first = rightsound();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(rightsound(), first);
  EXPECT_EQ(opened, 1);
  EXPECT_NE(wrongsound(), first);
  EXPECT_NE(RireradTitle(), nullptr);
  EXPECT_EQ(opened, 3);
}

TEST_F(MediaTest, AMissingSoundIsAskedForAgainAtEveryCall) {
  StartCounting([](auto& set) { test::Remove(set, "WAVE", 168); });
  EXPECT_EQ(rightsound(), nullptr);
  EXPECT_EQ(rightsound(), nullptr);
  EXPECT_EQ(opened, 2);
}

TEST_F(MediaTest, WithoutTheResourceFileNothingLoadsUntilItIsBack) {
  StartCounting();
  std::filesystem::remove(resourceFile);
  EXPECT_EQ(rightsound(), nullptr);
  EXPECT_EQ(wrongsound(), nullptr);
  EXPECT_EQ(RireradTitle(), nullptr);
  EXPECT_TRUE(MediaCachesEmpty());
  EXPECT_EQ(opened, 3);

  test::WriteResourceFile(dir, test::FixtureResources());
  EXPECT_NE(rightsound(), nullptr);
  EXPECT_NE(wrongsound(), nullptr);
  EXPECT_NE(RireradTitle(), nullptr);
  EXPECT_EQ(opened, 6);
}

}  // namespace
}  // namespace korvane
