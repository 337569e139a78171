// The About box: opened from Help > "About Korvane...", with the
// title picture, the version line, the credits and two links.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "browser/Window1.h"
#include "codec/PropertyRecord.h"
#include "framework/Runtime.h"
#include "framework/Testing.h"
#include "framework/testing/Simulate.h"
#include "shell/AboutBox.h"
#include "shell/App.h"
#include "shell/Contact.h"
#include "shell/Media.h"
#include "tests/support/Program.h"

namespace korvane {
namespace {

using fw::testing::ChooseMenuItem;
using fw::testing::ClickInWindow;
using fw::testing::GeometryOf;
using fw::testing::ShownText;

const std::string kWebPage = contact::kWebPage;
const std::string kMailLink = std::string("mailto:") + contact::kEmailAddress;

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
  // Help > "About Korvane...", then the window reaches the screen.
  std::shared_ptr<AboutBox> ChooseAbout() {
    EXPECT_TRUE(ChooseMenuItem("AboutMenu"));
    fw::testing::ProcessEvents();
    return fw::CheckedCast<AboutBox>(fw::GetImplicitWindow(AboutBox::kClassName));
  }
  template <class C = fw::RectControl>
  std::shared_ptr<C> Control(const std::shared_ptr<AboutBox>& box, const char* name) {
    return fw::CheckedCast<C>(fw::RuntimeWindowControlByName(box, name));
  }
  std::string VersionLine(const std::shared_ptr<AboutBox>& box) {
    return Control<fw::StaticText>(box, "StaticText5")->Text().Bytes();
  }
  int Creations() const { return creations; }
  void CountCreations() {
    fw::testing::SetTraceSink([this](const std::string& step) {
      if (step == "window create AboutBox.AboutBox") ++creations;
    });
  }

  int creations = 0;
};

// --- Opening and the version line ------------------------------------------

TEST_F(AboutBoxTest, ChoosingTheItemShowsTheAboutBoxWithItsVersionLine) {
  auto box = ChooseAbout();
  ASSERT_TRUE(box);
  EXPECT_TRUE(fw::testing::IsOnScreen(*box));
  EXPECT_EQ(fw::String("About Korvane"), box->Title());
  EXPECT_EQ(VersionLine(box), "Version 1.0.0");
  EXPECT_EQ(ShownText(*Control(box, "StaticText5")), "Version 1.0.0");
  EXPECT_EQ(fw::FrontWindow(), box);
  EXPECT_TRUE(fw::testing::IsOnScreen(*Window1::Instance()));  // the main window stays
}

TEST_F(AboutBoxTest, TheHandlerReturnsFalse) {
  EXPECT_FALSE(fw::Need(App()).AboutMenu_Action());
  EXPECT_TRUE(fw::GetImplicitWindow(AboutBox::kClassName));
}

TEST_F(AboutBoxTest, OpensOnceHoweverOftenTheItemIsChosenAndKeepsItsVersionLine) {
  CountCreations();
  auto first = ChooseAbout();
  fw::SetPackageShortVersion("9.9.9");
  auto second = ChooseAbout();
  auto third = ChooseAbout();
  EXPECT_EQ(Creations(), 1);
  EXPECT_EQ(first, second);
  EXPECT_EQ(first, third);
  EXPECT_EQ(VersionLine(third), "Version 1.0.0");  // not recomputed
  EXPECT_EQ(fw::FrontWindow(), first);
}

TEST_F(AboutBoxTest, AfterCloseANewAboutBoxReadsTheVersionAgain) {
  CountCreations();
  auto first = ChooseAbout();
  fw::testing::ClickCloseBox(*first);
  fw::testing::ProcessEvents();
  EXPECT_FALSE(fw::GetImplicitWindow(AboutBox::kClassName));

  fw::SetPackageShortVersion("2.3.4");
  auto second = ChooseAbout();
  EXPECT_EQ(Creations(), 2);
  EXPECT_NE(first, second);
  EXPECT_EQ(VersionLine(second), "Version 2.3.4");
}

TEST_F(AboutBoxTest, AnEmptyVersionGivesVersionAndABlank) {
  fw::SetPackageShortVersion("");
  auto box = ChooseAbout();
  EXPECT_EQ(VersionLine(box), "Version ");
}

// --- Links -------------------------------------------------------------------

TEST_F(AboutBoxTest, APressInsideEachClickAreaOpensItsLinkOnce) {
  auto box = ChooseAbout();
  ASSERT_TRUE(fw::testing::IsOnScreen(*box));

  ClickInWindow(*box, 192 + 64, 157 + 7);  // Canvas1, over the company name
  EXPECT_EQ(urls, std::vector<std::string>{kWebPage});

  urls.clear();
  ClickInWindow(*box, 181 + 47, 118 + 7);  // Canvas2, over the e-mail address
  EXPECT_EQ(urls, std::vector<std::string>{kMailLink});
}

TEST_F(AboutBoxTest, TheLinkHandlersIgnoreThePressAndReturnFalse) {
  auto box = ChooseAbout();
  auto canvas1 = Control<fw::Canvas>(box, "Canvas1");
  auto canvas2 = Control<fw::Canvas>(box, "Canvas2");
  EXPECT_FALSE(box->Canvas1_MouseDown(canvas1, -5, 1000));
  EXPECT_FALSE(box->Canvas2_MouseDown(canvas2, 0, 0));
  EXPECT_EQ(urls, (std::vector<std::string>{kWebPage, kMailLink}));
}

TEST_F(AboutBoxTest, ThePressesJustLeftOfTheCompanyNameOpenTheWebPage) {
  auto box = ChooseAbout();
  ASSERT_TRUE(fw::testing::IsOnScreen(*box));
  for (int x = 192; x <= 196; ++x) ClickInWindow(*box, x, 163);
  EXPECT_EQ(urls, std::vector<std::string>(5, kWebPage));
}

TEST_F(AboutBoxTest, TheLabelsRightEndsAndBottomRowsOpenNothing) {
  auto box = ChooseAbout();
  ASSERT_TRUE(fw::testing::IsOnScreen(*box));
  for (int x = 321; x <= 325; ++x) ClickInWindow(*box, x, 163);  // company label's last 5 columns
  for (int x = 275; x <= 278; ++x) ClickInWindow(*box, x, 124);  // e-mail label's last 4 columns
  for (int x : {197, 250, 320}) ClickInWindow(*box, x, 157 + 15);  // company label's bottom row
  for (int x : {181, 230, 274}) ClickInWindow(*box, x, 118 + 15);  // e-mail label's bottom row
  EXPECT_TRUE(urls.empty());
  EXPECT_TRUE(fw::testing::IsOnScreen(*box));

  // The rows just above them still belong to the click areas.
  ClickInWindow(*box, 320, 157 + 14);
  ClickInWindow(*box, 274, 118 + 14);
  EXPECT_EQ(urls, (std::vector<std::string>{kWebPage, kMailLink}));
}

TEST_F(AboutBoxTest, TheLinkLabelsShowTheAddressesInBlueUnderlined) {
  auto box = ChooseAbout();
  auto company = Control<fw::StaticText>(box, "StaticText4");
  auto mail = Control<fw::StaticText>(box, "StaticText2");
  EXPECT_EQ(ShownText(*company), contact::kCompanyName);
  EXPECT_EQ(ShownText(*mail), contact::kEmailAddress);
  EXPECT_EQ(company->TextColor(), fw::RGB(0, 0, 255));
  EXPECT_EQ(mail->TextColor(), fw::RGB(0, 0, 255));
  EXPECT_TRUE(fw::testing::IsOnScreen(*company));  // not hidden by the click areas
  EXPECT_TRUE(fw::testing::IsOnScreen(*mail));
}

// --- Layout ------------------------------------------------------------------

TEST_F(AboutBoxTest, TheWindowIsAFixedWhiteBoxOf443By187) {
  auto box = ChooseAbout();
  auto content = fw::testing::ContentBox(*box);
  EXPECT_EQ(content.width, 443);
  EXPECT_EQ(content.height, 187);
  box->SetSize(800, 600);
  fw::testing::ProcessEvents();
  EXPECT_EQ(box->Width(), 443);
  EXPECT_EQ(box->Height(), 187);
  EXPECT_EQ(fw::testing::PixelAt(*box, 5, 180), fw::RGB(255, 255, 255));
}

TEST_F(AboutBoxTest, TheControlsSitAtTheirRectanglesInCreationOrder) {
  struct Expected {
    const char* name;
    int left, top, width, height;
  };
  const Expected expected[] = {
      {"StaticText1", 110, 93, 231, 82}, {"StaticText4", 197, 157, 129, 16},
      {"Canvas1", 192, 157, 129, 15},    {"StaticText2", 181, 118, 98, 16},
      {"Canvas2", 181, 118, 94, 15},     {"Canvas4", 17, 4, 409, 65},
      {"StaticText5", 110, 74, 231, 16},
  };
  auto box = ChooseAbout();
  const auto& controls = box->Controls();
  ASSERT_EQ(controls.size(), std::size(expected));
  for (std::size_t k = 0; k < controls.size(); ++k) {
    SCOPED_TRACE(expected[k].name);
    EXPECT_EQ(controls[k]->Name(), fw::String(expected[k].name));
    const auto& c = *controls[k];
    EXPECT_EQ(c.Left(), expected[k].left);
    EXPECT_EQ(c.Top(), expected[k].top);
    EXPECT_EQ(c.Width(), expected[k].width);
    EXPECT_EQ(c.Height(), expected[k].height);
  }
  EXPECT_EQ(Control(box, "Canvas1")->InitialParent(), fw::String("StaticText1"));
  EXPECT_EQ(Control(box, "Canvas2")->InitialParent(), fw::String("StaticText2"));
}

TEST_F(AboutBoxTest, TheCreditsShowSixLinesWithOneAmpersandEach) {
  auto box = ChooseAbout();
  auto credits = Control<fw::StaticText>(box, "StaticText1");
  EXPECT_EQ(credits->Text().Bytes(), AboutBox::CreditsText());  // stored as given
  std::string shown = ShownText(*credits);
  EXPECT_EQ(shown.find("&&"), std::string::npos);
  EXPECT_EQ(shown.rfind("Text & Quizzes by ", 0), 0u);
  EXPECT_NE(shown.find("Editing & Programming by "), std::string::npos);
  // Every line fits the label's width: none wraps.
  EXPECT_EQ(fw::testing::ShownLineCount(*credits), 6);
  for (std::string line : test::CrLines(AboutBox::CreditsText())) {
    for (auto at = line.find("&&"); at != std::string::npos; at = line.find("&&", at + 1)) line.erase(at, 1);
    EXPECT_LE(fw::testing::TextWidth(*credits, line), 231) << line;
  }
}

TEST_F(AboutBoxTest, TheCompanyNameFitsItsLabel) {
  auto box = ChooseAbout();
  auto company = Control(box, "StaticText4");
  int width = fw::testing::TextWidth(*company, contact::kCompanyName);
  RecordProperty("CompanyNameWidth", width);
  EXPECT_LE(width, 129);
  EXPECT_EQ(fw::testing::ShownLineCount(*company), 1);
}

// Whatever is drawn of the address is the link: found by its pixels, so a
// longer address or another font shows here as clicks that open nothing.
TEST_F(AboutBoxTest, EveryPointOfTheDrawnAddressOpensTheMailLinkAndNoPointBesideIt) {
  auto box = ChooseAbout();
  ASSERT_TRUE(fw::testing::IsOnScreen(*box));
  fw::testing::ProcessEvents();
  const auto label = GeometryOf(*Control(box, "StaticText2"));
  const auto area = GeometryOf(*Control(box, "Canvas2"));
  const fw::Color white{255, 255, 255};
  // The band of the label's rows, from left of it to the window's edge:
  // the credits' lines there are empty, so every mark in it is the address.
  const int windowWidth = fw::testing::ContentBox(*box).width;
  int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
  for (int y = label.top; y < label.top + label.height; ++y)
    for (int x = label.left - 8; x < windowWidth; ++x)
      if (fw::testing::PixelAt(*box, x, y) != white) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  ASSERT_GE(right, left) << "no address drawn";
  RecordProperty("DrawnAddressWidth", right - left + 1);
  EXPECT_GE(left, area.left);
  EXPECT_LT(right, area.left + area.width);
  EXPECT_GE(top, area.top);
  EXPECT_LT(bottom, area.top + area.height);

  // What a press at (x, y) opens: nothing, the mail link or another link.
  auto press = [&](int x, int y) {
    urls.clear();
    ClickInWindow(*box, x, y);
    return urls;
  };
  const std::vector<std::string> mail{kMailLink}, nothing;
  // Across the middle and down both ends of the drawn address.
  std::vector<int> missed;
  for (int x = left; x <= right; ++x)
    if (press(x, (top + bottom) / 2) != mail) missed.push_back(x);
  EXPECT_EQ(missed, std::vector<int>{}) << "columns of the address that open no mail link";
  for (int y = top; y <= bottom; ++y) {
    EXPECT_EQ(press(left, y), mail) << "y " << y;
    EXPECT_EQ(press(right, y), mail) << "y " << y;
  }
  // One pixel outside the click area round the address.
  for (int y : {top, bottom}) {
    EXPECT_EQ(press(area.left - 1, y), nothing);
    EXPECT_EQ(press(area.left + area.width, y), nothing);
  }
  for (int x : {left, (left + right) / 2, right}) {
    EXPECT_EQ(press(x, area.top - 1), nothing);
    EXPECT_EQ(press(x, area.top + area.height), nothing);
  }
}

// --- File > Close ------------------------------------------------------------

TEST_F(AboutBoxTest, FileCloseWithTheAboutBoxInFrontClosesOnlyIt) {
  auto box = ChooseAbout();
  ASSERT_EQ(fw::FrontWindow(), box);
  EXPECT_TRUE(ChooseMenuItem("FileClose"));
  fw::testing::ProcessEvents();
  EXPECT_FALSE(box->IsOpen());
  EXPECT_FALSE(fw::GetImplicitWindow(AboutBox::kClassName));
  EXPECT_FALSE(fw::testing::QuitRequested());
  EXPECT_TRUE(Window1::Instance()->IsOpen());
  EXPECT_TRUE(fw::testing::IsOnScreen(*Window1::Instance()));
}

TEST_F(AboutBoxTest, CommandWWithTheAboutBoxInFrontClosesOnlyIt) {
  auto box = ChooseAbout();
  ASSERT_TRUE(fw::testing::PressShortcut(*box, "Cmd+W"));
  EXPECT_FALSE(box->IsOpen());
  EXPECT_FALSE(fw::testing::QuitRequested());
  EXPECT_TRUE(Window1::Instance()->IsOpen());
}

// --- Records -----------------------------------------------------------------

std::vector<std::string> EntryNames(const std::string& record) {
  std::vector<std::string> names;
  for (const auto& e : codec::DecodeRecord(record)) names.push_back(e.name);
  return names;
}

TEST(AboutBoxRecords, LabelsUseTheAboutBoxsOwn28EntryOrder) {
  const std::vector<std::string> order = {
      "Name",     "Index",          "Left",      "Top",      "Width",     "Height",   "LockLeft",
      "LockTop",  "LockRight",      "LockBottom", "TabPanelIndex", "TabIndex", "Text", "TextAlign",
      "TextColor", "Multiline",     "Enabled",   "Visible",  "HelpTag",   "AutoDeactivate", "TextFont",
      "TextSize", "Bold",           "Italic",    "Underline", "DataSource", "DataField", "InitialParent"};
  for (const char* name : {"StaticText1", "StaticText4", "StaticText2", "StaticText5"})
    EXPECT_EQ(EntryNames(AboutBox::ControlRecord(name)), order) << name;
}

TEST(AboutBoxRecords, CanvasesUseTheAboutBoxsOwn21EntryOrder) {
  const std::vector<std::string> order = {
      "Name",       "Index",         "Left",     "Top",      "Width",       "Height",
      "LockLeft",   "LockTop",       "LockRight", "LockBottom", "TabPanelIndex", "TabIndex",
      "Visible",    "HelpTag",       "AutoDeactivate", "Enabled", "UseFocusRing", "AcceptFocus",
      "AcceptTabs", "EraseBackground", "InitialParent"};
  for (const char* name : {"Canvas1", "Canvas2", "Canvas4"})
    EXPECT_EQ(EntryNames(AboutBox::ControlRecord(name)), order) << name;
}

TEST(AboutBoxRecords, TheValuesThatDifferBetweenTheLabels) {
  struct Expected {
    const char* name;
    std::int32_t tabIndex, textAlign;
    codec::Color color;
    bool multiline, underline;
    const char* parent;
  };
  const Expected expected[] = {
      {"StaticText1", 0, 1, {0, 0, 0}, true, false, ""},
      {"StaticText4", 0, 0, {0, 0, 255}, false, true, "StaticText1"},
      {"StaticText2", 2, 0, {0, 0, 255}, false, true, "StaticText1"},
      {"StaticText5", 2, 1, {63, 63, 63}, false, false, ""},
  };
  for (const auto& x : expected) {
    SCOPED_TRACE(x.name);
    auto entries = codec::DecodeRecord(AboutBox::ControlRecord(x.name));
    auto value = [&](const char* n) {
      for (const auto& e : entries)
        if (e.name == n) return e.value;
      ADD_FAILURE() << "no entry " << n;
      return codec::PropertyValue{};
    };
    EXPECT_EQ(std::get<std::int32_t>(value("Index")), INT32_MIN);
    EXPECT_EQ(std::get<std::int32_t>(value("TabIndex")), x.tabIndex);
    EXPECT_EQ(std::get<std::int32_t>(value("TextAlign")), x.textAlign);
    EXPECT_EQ(std::get<codec::Color>(value("TextColor")), x.color);
    EXPECT_EQ(std::get<bool>(value("Multiline")), x.multiline);
    EXPECT_EQ(std::get<bool>(value("Underline")), x.underline);
    EXPECT_EQ(std::get<std::string>(value("InitialParent")), x.parent);
    EXPECT_EQ(std::get<std::string>(value("TextFont")), "Geneva");
    EXPECT_EQ(std::get<std::int32_t>(value("TextSize")), 10);
  }
  auto version = codec::DecodeRecord(AboutBox::ControlRecord("StaticText5"));
  EXPECT_EQ(std::get<std::string>(version[12].value), "Version 1.0.x");  // until the Open event
}

TEST(AboutBoxRecords, TheWindowRecordHasThe22EntriesInOrder) {
  const std::vector<std::string> order = {
      "Placement", "Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight", "Frame",
      "Composite", "HasBackColor", "BackColor", "Title", "Visible", "FullScreen", "MenuBarVisible",
      "CloseButton", "Resizeable", "LiveResize", "MaximizeButton", "MinimizeButton", "BalloonHelp",
      "MacProcID"};
  EXPECT_EQ(EntryNames(AboutBox::WindowRecord()), order);
}

TEST(AboutBoxRecords, TheCreditsKeepTheirLineStructure) {
  auto lines = test::CrLines(AboutBox::CreditsText());
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].rfind("Text && Quizzes by ", 0), 0u);
  EXPECT_EQ(lines[1].rfind("\u00A9 ", 0), 0u);
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4].rfind("Editing && Programming by ", 0), 0u);
  // Line 6: the © sign, a blank, seven characters of date, 38 blanks.
  const std::string& six = lines[5];
  EXPECT_EQ(fw::Len(six), 47);
  EXPECT_EQ(six.rfind("\u00A9 ", 0), 0u);
  EXPECT_EQ(six.substr(3, 7).find(' '), std::string::npos);
  EXPECT_EQ(six.substr(10), std::string(38, ' '));
  EXPECT_EQ(AboutBox::CreditsText().find('\n'), std::string::npos);
}

// --- The title picture -------------------------------------------------------

class AboutBoxPictureTest : public AboutBoxTest {
 protected:
  void SetUp() override { fw::SetPackageShortVersion("1.0.0"); }
  void StartWith(const std::vector<codec::ResourceSpec>& set) { Start(test::WriteResourceFile(dir, set)); }
  std::shared_ptr<fw::Picture> Backdrop(const std::shared_ptr<AboutBox>& box) {
    return Control<fw::Canvas>(box, "Canvas4")->Backdrop();
  }
  test::TempDir dir;
};

TEST_F(AboutBoxPictureTest, TheBackdropIsTheTitlePictureNotTheSoundOfTheSameId) {
  auto set = test::FixtureResources();
  test::Replace(set, "PNG ", 169, test::TinyPng(409, 65));
  StartWith(set);
  auto box = ChooseAbout();
  auto picture = Backdrop(box);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture, RireradTitle());
  EXPECT_EQ(picture->Width(), 409);
  EXPECT_EQ(picture->Height(), 65);
  EXPECT_TRUE(wrongsound());  // sound 169 is another resource
}

TEST_F(AboutBoxPictureTest, TheTitlePictureLoadsWithoutTheSoundOfTheSameId) {
  auto set = test::FixtureResources();
  test::Remove(set, "WAVE", 169);
  test::Replace(set, "PNG ", 169, test::TinyPng(40, 6));
  StartWith(set);
  auto picture = Backdrop(ChooseAbout());
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Width(), 40);
  EXPECT_FALSE(wrongsound());
}

TEST_F(AboutBoxPictureTest, AMissingPictureGivesANilBackdropAndTheBoxStillOpens) {
  auto set = test::FixtureResources();
  test::Remove(set, "PNG ", 169);
  StartWith(set);
  auto box = ChooseAbout();
  ASSERT_TRUE(box);
  EXPECT_FALSE(Backdrop(box));
  EXPECT_TRUE(fw::testing::IsOnScreen(*box));
  EXPECT_EQ(VersionLine(box), "Version 1.0.0");
  EXPECT_EQ(box->Controls().size(), 7u);
  EXPECT_EQ(fw::testing::UnhandledExceptionReports(), 0);
}

TEST_F(AboutBoxPictureTest, ANewAboutBoxReusesThePictureLoadedTheFirstTime) {
  StartWith(test::FixtureResources());
  auto first = ChooseAbout();
  auto picture = Backdrop(first);
  first->Close();
  fw::testing::ProcessEvents();
  auto second = ChooseAbout();
  EXPECT_NE(first, second);
  EXPECT_EQ(Backdrop(second), picture);
}

TEST_F(AboutBoxPictureTest, TheRealTitlePictureFillsTheTitleArea) {
  StartWithRealData();
  auto picture = Backdrop(ChooseAbout());
  ASSERT_TRUE(picture);
  EXPECT_GT(picture->Width(), 0);
  EXPECT_GT(picture->Height(), 0);
}

}  // namespace
}  // namespace korvane
