// The About box: opened from Help > "About Korvane...", with the
// title picture, the version line, the credits and two links.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "framework/Runtime.h"
#include "framework/Testing.h"
#include "framework/testing/Simulate.h"
#include "shell/AboutBox.h"
#include "shell/Contact.h"
#include "tests/support/Program.h"

namespace korvane {
namespace {

using declare::Find;
using fw::testing::ClickInWindow;

class AboutBoxTest : public test::ProgramTest {
 protected:
  void SetUp() override {
    fw::SetPackageShortVersion("1.0.0");
    StartWithRealData();
  }
  void TearDown() override {
    test::ProgramTest::TearDown();
    fw::SetPackageShortVersion("");
  }
  static std::shared_ptr<fw::Window> ChooseAbout() { return test::Choose("AboutMenu", AboutBox::kClassName); }
  static std::string VersionLine(const std::shared_ptr<fw::Window>& box) {
    return fw::testing::ShownText(*Find<fw::StaticText>(box, "StaticText5"));
  }
  static std::shared_ptr<fw::Picture> Backdrop(const std::shared_ptr<fw::Window>& box) {
    return Find<fw::Canvas>(box, "Canvas4")->Backdrop();
  }
};

// White, its credits six lines with one ampersand each.
TEST_F(AboutBoxTest, ShowsTheVersionOfWhenItWasCreatedTheTitleAndTheCredits) {
  auto first = ChooseAbout();
  ASSERT_TRUE(first);
  EXPECT_EQ(VersionLine(first), "Version 1.0.0");
  EXPECT_TRUE(Backdrop(first));
  EXPECT_EQ(fw::testing::PixelAt(*first, 5, 180), fw::RGB(255, 255, 255));
  auto credits = Find<fw::StaticText>(first, "StaticText1");
  std::string shown = fw::testing::ShownText(*credits);
  EXPECT_EQ(shown.find("&&"), std::string::npos);
  EXPECT_EQ(shown.rfind("Text & Quizzes by ", 0), 0u);
  EXPECT_NE(shown.find("Editing & Programming by "), std::string::npos);
  // Every line fits the label's width: none wraps.
  EXPECT_EQ(fw::testing::ShownLineCount(*credits), 6);
  for (std::string line : test::CrLines(AboutBox::CreditsText())) {
    for (auto at = line.find("&&"); at != std::string::npos; at = line.find("&&", at + 1)) line.erase(at, 1);
    EXPECT_LE(fw::testing::TextWidth(*credits, line), credits->Width()) << line;
  }

  fw::SetPackageShortVersion("9.9.9");
  EXPECT_EQ(ChooseAbout(), first);
  EXPECT_EQ(VersionLine(first), "Version 1.0.0");  // not recomputed
  first->Close();
  fw::SetPackageShortVersion("");
  auto second = ChooseAbout();
  EXPECT_EQ(VersionLine(second), "Version ");
  EXPECT_EQ(Backdrop(second), Backdrop(first));  // the picture is loaded once
}

// Each link label and the click area over it.
struct Link {
  const char* label;
  const char* area;
  const char* url;
};

class AboutBoxLinkTest : public AboutBoxTest, public ::testing::WithParamInterface<Link> {};

// Whatever is drawn of the label is the link: found by its pixels, so a
// longer text or another font shows here as clicks that open nothing.
TEST_P(AboutBoxLinkTest, EveryPointOfTheDrawnTextOpensTheLinkAndNoPointBesideTheClickArea) {
  const Link& link = GetParam();
  auto box = ChooseAbout();
  ASSERT_TRUE(fw::testing::IsOnScreen(*box));
  auto labelControl = Find<fw::StaticText>(box, link.label);
  EXPECT_EQ(fw::testing::ShownLineCount(*labelControl), 1);
  const auto label = fw::testing::GeometryOf(*labelControl);
  const auto area = fw::testing::GeometryOf(*Find<fw::Canvas>(box, link.area));
  // The band of the label's rows, from the click area's left to the window's
  // edge: the credits leave it empty, so every mark in it is the link's.
  const fw::Color white{255, 255, 255};
  int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
  bool blue = false;
  for (int y = label.top; y < label.top + label.height; ++y)
    for (int x = area.left; x < fw::testing::ContentBox(*box).width; ++x) {
      const fw::Color c = fw::testing::PixelAt(*box, x, y);
      if (c == white) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
      blue = blue || c.blue > c.red + 64;
    }
  ASSERT_GE(right, left) << "nothing drawn";
  RecordProperty("DrawnWidth", right - left + 1);
  EXPECT_TRUE(blue);
  EXPECT_LT(right, area.left + area.width);
  EXPECT_LT(bottom, area.top + area.height);

  // What a press at (x, y) opens.
  auto press = [&](int x, int y) {
    urls.clear();
    ClickInWindow(*box, x, y);
    return urls;
  };
  const std::vector<std::string> opens{link.url}, nothing;
  std::vector<int> missed;
  for (int x = area.left; x < area.left + area.width; ++x)
    if (press(x, (top + bottom) / 2) != opens) missed.push_back(x);
  EXPECT_EQ(missed, std::vector<int>{}) << "columns of the click area that open nothing";
  for (int y = area.top; y < area.top + area.height; ++y) {
    EXPECT_EQ(press(left, y), opens) << "y " << y;
    EXPECT_EQ(press(right, y), opens) << "y " << y;
  }
  for (int y : {area.top, top, bottom}) {
    EXPECT_EQ(press(area.left - 1, y), nothing);
    EXPECT_EQ(press(area.left + area.width, y), nothing);
  }
  for (int x : {left, (left + right) / 2, right}) {
    EXPECT_EQ(press(x, area.top - 1), nothing);
    EXPECT_EQ(press(x, area.top + area.height), nothing);
  }
  EXPECT_TRUE(fw::testing::IsOnScreen(*box));
}

INSTANTIATE_TEST_SUITE_P(Links, AboutBoxLinkTest,
                         ::testing::Values(Link{"StaticText4", "Canvas1", contact::kWebPage},
                                           Link{"StaticText2", "Canvas2", AboutBox::MailLink().c_str()}),
                         [](const auto& c) { return std::string(c.param.area); });

}  // namespace
}  // namespace korvane
