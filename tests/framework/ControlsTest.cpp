#include <QScrollBar>
#include <QTextEdit>

#include "codec/ContentLimits.h"
#include "codec/StyleScrap.h"
#include "framework/Media.h"
#include "framework/qt/Dispatch.h"
#include "framework/qt/TextConversion.h"
#include "framework/qt/Views.h"
#include "framework/testing/Simulate.h"
#include "tests/framework/FrameworkFixture.h"

namespace fw::test {
namespace {

class ControlsTest : public FrameworkTest {
 protected:
  template <class C>
  std::shared_ptr<C> Add(const char* name, const std::string& record) {
    if (!window) {
      Panel::record = PanelRecord("Controls", 0, 460, 300);
      window = ImplicitWindow<Panel>();
    }
    auto c = window->NewControl<C>();
    window->AddControl(name, c);
    SetProperties(*c, record);
    return c;
  }
  static std::string At(int left, int top, int width, int height) {
    return codec::EncodeRecord({{"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}});
  }
  std::shared_ptr<Window> window;
};

TEST_F(ControlsTest, ALabelShowsAStoredDoubleAmpersandAsOneAndCrAsALineBreak) {
  auto label = Add<StaticText>("Credits", At(0, 0, 200, 60) + codec::EncodeRecord({{"MultiLine", true}}));
  label->SetText("Text && Quizzes\rby us & friends");
  EXPECT_EQ(label->Text(), String("Text && Quizzes\rby us & friends"));
  EXPECT_EQ(testing::ShownText(*label), "Text & Quizzes\nby us & friends");
  // A one-line label widens to show its whole text as far as the window allows.
  const std::string text = "a line far wider than its label";
  auto wide = Add<StaticText>("Wide", At(10, 10, 50, 16) + codec::EncodeRecord({{"Text", text}}));
  auto edge = Add<StaticText>("Edge", At(420, 40, 30, 16) + codec::EncodeRecord({{"Text", text}}));
  testing::ProcessEvents();
  EXPECT_EQ(wide->Width(), 50);  // the declared width stays
  EXPECT_GE(testing::GeometryOf(*wide).width, testing::TextWidth(*wide, text));
  EXPECT_EQ(testing::GeometryOf(*edge).width, 460 - 420);
}

// Clicks are tested on the quiz's buttons, a user's row choice on the topic list.
// A handler may bind more handlers to its own control: they run from the
// control's next event on.
TEST_F(ControlsTest, AButtonFiresActionWhenPushedOnlyWhileEnabled) {
  auto button = Add<PushButton>("Go", At(10, 10, 100, 30) + codec::EncodeRecord({{"Caption", "A. R&D"}}));
  std::vector<std::shared_ptr<RectControl>> seen;
  button->InstallEventHandler("action", [&](const std::shared_ptr<RectControl>& me) { seen.push_back(me); });
  button->Push();
  button->SetEnabled(false);
  button->Push();
  EXPECT_EQ(seen, std::vector<std::shared_ptr<RectControl>>{button});
  EXPECT_EQ(testing::ShownText(*button), "A. R&D");
  EXPECT_THROW(button->InstallEventHandler("Change", [](const auto&) {}), UnsupportedOperationException);

  button->SetEnabled(true);
  std::vector<int> ran;
  button->InstallEventHandler("Action", [&ran](const std::shared_ptr<RectControl>& me) {
    ran.push_back(0);
    for (int k = 1; k <= 8; ++k) me->InstallEventHandler("Action", [&ran, k](const auto&) { ran.push_back(k); });
  });
  button->Push();
  button->Push();
  EXPECT_EQ(ran, (std::vector<int>{0, 0, 1, 2, 3, 4, 5, 6, 7, 8}));
}

// A handler may close the window, the last hold on its control, while the
// control's event still has handlers to run.
TEST_F(ControlsTest, AHandlerMayCloseTheWindowThatHoldsItsControl) {
  auto button = Add<PushButton>("Go", At(10, 10, 100, 30));
  int ran = 0;
  button->InstallEventHandler("Action", [&](const auto&) { ++ran, window->Close(), window.reset(); });
  button->InstallEventHandler("Action", [&](const auto&) { ++ran; });
  PushButton* const pushed = button.get();
  button.reset();
  pushed->Push();
  EXPECT_EQ(ran, 2);
}

TEST_F(ControlsTest, AListFiresChangeOnlyWhenTheSelectionChanges) {
  auto list = Add<Listbox>("List", At(0, 0, 150, 200));
  list->AddRow(String::Raw("Caf\xC3\xA9"));
  list->AddRow("Second");
  std::vector<int> changes;
  list->InstallEventHandler("Change", [&](const auto&) { changes.push_back(list->ListIndex()); });
  list->SetListIndex(0);
  list->SetListIndex(0);
  EXPECT_EQ(changes, std::vector<int>{0});
  EXPECT_EQ(list->Text().Bytes(), "Caf\xC3\xA9");  // the row's own bytes
  EXPECT_THROW(list->SetListIndex(2), OutOfBoundsException);
}

TEST_F(ControlsTest, TypedKeysReachTheWindowAndReturnPressesTheEnabledDefaultButton) {
  auto next = Add<PushButton>("Next", At(10, 10, 60, 20) + codec::EncodeRecord({{"Default", true}}));
  int pressed = 0;
  next->InstallEventHandler("Action", [&](const auto&) { ++pressed; });
  testing::TypeKey(*window, 'b');
  testing::PressReturn(*window);
  EXPECT_EQ(pressed, 1);
  next->SetEnabled(false);
  testing::PressReturn(*window);
  EXPECT_EQ(pressed, 1);
  EXPECT_NE(std::find(Panel::log.begin(), Panel::log.end(), "KeyDown b"), Panel::log.end());
}

// Closing a window takes its widgets with it; its controls, still held by
// code, keep answering.
TEST_F(ControlsTest, EveryKindOfControlAnswersAfterItsWindowClosed) {
  auto field = Add<EditField>("Field", "");
  auto list = Add<Listbox>("List", "");
  auto button = Add<PushButton>("Button", "");
  auto label = Add<StaticText>("Label", "");
  auto round = Add<RoundRectangle>("Round", "");
  auto canvas = Add<Canvas>("Canvas", "");
  auto line = Add<Separator>("Line", "");
  window->Close();
  testing::ProcessEvents();
  using Use = std::tuple<std::shared_ptr<RectControl>, std::vector<codec::RecordField>, std::function<void()>>;
  const std::vector<Use> uses = {
      {field, {{"Text", "t"}, {"AcceptTabs", true}}, [&] { field->SetText("u"), field->SetSelStart(1); }},
      {list, {{"InitialValue", "a\rb"}, {"ScrollBarVertical", false}},
       [&] { list->AddRow("c"), list->SetListIndex(-1); }},
      {button, {{"Caption", "c"}, {"Default", true}}, [&] { button->SetCaption("d"), button->SetUnderline(true); }},
      {label, {{"Text", "t"}, {"TextSize", 14}}, [&] { label->SetText("u"); }},
      {round, {{"FillColor", codec::Color{1, 2, 3}}},
       [&] { round->SetFillColor(RGB(4, 5, 6)), round->SetBorderColor({}); }},
      {canvas, {{"AcceptFocus", true}}, [&] { canvas->SetBackdrop(nullptr); }},
      {line, {}, [] {}},
  };
  for (const auto& [control, record, use] : uses) {
    SCOPED_TRACE(control->Name().Bytes());
    SetProperties(*control, At(1, 2, 3, 4) + codec::EncodeRecord(record) + codec::EncodeRecord({{"HelpTag", "?"}}));
    control->SetVisible(false), control->SetEnabled(false), control->SetFocus(), use();
  }
  EXPECT_EQ(std::make_pair(round->FillColor(), list->ListCount()), std::make_pair(RGB(4, 5, 6), 3));
}

// A setter may apply records of its own, more than the decoded records
// kept: the record being applied still arrives whole.
TEST_F(ControlsTest, ARecordAppliedFromWithinAnotherLeavesTheOuterOneWhole) {
  struct Nesting : StaticText {
    std::shared_ptr<RectControl> other;
    bool SetOwnProperty(std::string_view name, const codec::PropertyValue& value) override {
      if (name == "Text")
        for (int i = 0; i < 600; ++i) SetProperties(*other, At(i, 0, 10, 10));
      return StaticText::SetOwnProperty(name, value);
    }
  };
  auto nesting = std::make_shared<Nesting>();
  nesting->other = Add<StaticText>("Other", At(0, 0, 10, 10));
  window->AddControl("Nesting", nesting);
  SetProperties(*nesting, codec::EncodeRecord({{"Text", "outer"}, {"Left", 7}, {"Top", 9}, {"TextAlign", 2}}));
  EXPECT_EQ(std::make_tuple(nesting->Text(), nesting->Left(), nesting->Top(), nesting->TextAlign()),
            std::make_tuple(String("outer"), 7, 9, 2));
  EXPECT_EQ(nesting->other->Left(), 599);
}

TEST(TextConversion, AClassicFontNameWithoutItsControlBytesPicksTheFace) {
  for (auto [name, family] : {std::pair{"Geneva\x03", "DejaVu Sans"}, {" times", "DejaVu Serif"},
                              {"Courier\x01", "DejaVu Sans Mono"}, {"Zapf\x02 Chancery\x03", "Zapf Chancery"}})
    EXPECT_EQ(detail::FamilyForFontName(name).toStdString(), family) << name;
}

codec::StyleElement StyleRun(int start, int font, std::uint8_t face, int size, std::uint16_t red = 0) {
  return {.startChar = start, .height = 16, .ascent = 12, .font = static_cast<std::int16_t>(font),
          .face = face, .size = static_cast<std::int16_t>(size), .red = red};
}

TEST_F(ControlsTest, StyleRunsLandOnTheRightCharactersAfterMultiByteText) {
  auto field = Add<EditField>("Reader", At(0, 0, 300, 200) +
                                            codec::EncodeRecord({{"Styled", true}, {"TextSize", 12}}));
  // "Café" is 5 bytes: the bold run starting at byte 6 begins at character 5.
  std::string text = "Caf\xC3\xA9 bold\rserif mono";
  std::string styl = codec::EncodeStyleScrap({
      StyleRun(0, 3, 0, 12),
      StyleRun(6, 3, codec::kFaceBold | codec::kFaceUnderline, 18, 0xFF00),
      StyleRun(11, 20, codec::kFaceItalic, 12),
      StyleRun(17, 4, 0, 10),
  });
  field->SetTextAndStyle(String::Raw(text), String::Raw(styl));
  EXPECT_EQ(field->Text().Bytes(), text);
  auto cafe = testing::StyleAt(*field, 3);
  EXPECT_FALSE(cafe.bold);
  EXPECT_EQ(cafe.family, "DejaVu Sans");
  auto bold = testing::StyleAt(*field, 5);
  EXPECT_TRUE(bold.bold);
  EXPECT_TRUE(bold.underline);
  EXPECT_EQ(bold.pixelSize, 18);
  EXPECT_EQ(bold.color, (Color{255, 0, 0}));
  auto serif = testing::StyleAt(*field, 10);
  EXPECT_TRUE(serif.italic);
  EXPECT_EQ(serif.family, "DejaVu Serif");
  EXPECT_EQ(testing::StyleAt(*field, 16).family, "DejaVu Sans Mono");
}

// A handler's changes to a field are applied together when it ends; what
// the handler reads back, and what is left, is what one change at a time
// gives.
TEST_F(ControlsTest, AFieldChangedWithinAHandlerEndsAsIfChangedStepByStep) {
  std::string text, styl = codec::EncodeStyleScrap({StyleRun(0, 3, codec::kFaceBold, 14), StyleRun(9, 20, 0, 12)});
  for (int i = 0; i < 60; ++i) text += "Line " + std::to_string(i) + " of the text\r";
  auto stepwise = Add<EditField>("Stepwise", At(0, 0, 200, 100) + codec::EncodeRecord({{"Styled", true}}));
  auto batched = Add<EditField>("Batched", At(220, 0, 200, 100) + codec::EncodeRecord({{"Styled", true}}));
  auto* stepEdit = qobject_cast<QTextEdit*>(WidgetOf(*stepwise));
  auto* batchEdit = qobject_cast<QTextEdit*>(WidgetOf(*batched));
  testing::ProcessEvents();
  for (const auto& field : {stepwise, batched}) {
    field->SetText(String::Raw(text));
    field->SetSelStart(Len(String::Raw(text)));  // scrolled to the end
  }
  auto change = [&](EditField& field, std::vector<std::string>& seen) {
    field.SetText("");
    seen.push_back(field.Text().Bytes());
    field.SetTextAndStyle(String::Raw(text), String::Raw(styl));
    seen.push_back(std::to_string(field.SelStart()));
    field.SetSelStart(0);
    seen.push_back(std::to_string(field.SelStart()));
  };
  std::vector<std::string> seenStepwise, seenBatched;
  change(*stepwise, seenStepwise);
  detail::CallHandler([&] {
    change(*batched, seenBatched);
    batched->SetText("held back");
    batched->SetTextAndStyle(String::Raw(text), String::Raw(styl));
    batched->SetSelStart(0);
  });
  EXPECT_EQ(seenBatched, seenStepwise);
  EXPECT_EQ(batched->Text().Bytes(), text);
  EXPECT_EQ(batchEdit->textCursor().position(), stepEdit->textCursor().position());
  EXPECT_FALSE(batchEdit->textCursor().hasSelection());
  EXPECT_EQ(batchEdit->verticalScrollBar()->value(), stepEdit->verticalScrollBar()->value());
  EXPECT_EQ(batchEdit->verticalScrollBar()->value(), 0);
  for (int at : {0, 2, 3, 9, 40}) {
    auto a = testing::StyleAt(*batched, at), b = testing::StyleAt(*stepwise, at);
    EXPECT_EQ(std::tie(a.family, a.pixelSize, a.bold), std::tie(b.family, b.pixelSize, b.bold)) << at;
  }
  EXPECT_EQ(batchEdit->document()->blockCount(), stepEdit->document()->blockCount());
}

// Emoji and other characters beyond the 16-bit range are two units to Qt
// and one character to the program: the insertion point goes between
// characters, never between the halves of one, in plain and styled text.
// CR line ends come back as they went in.
TEST_F(ControlsTest, AFieldKeepsCrLineEndsAndCountsEveryCharacterAsOneForTheInsertionPoint) {
  auto field = Add<EditField>("Field", At(0, 0, 300, 100) + codec::EncodeRecord({{"MultiLine", true}}));
  const std::vector<std::string> chars = {"a",  "\xF0\x9F\x98\x80", "b",  "\xF0\x9D\x84\x9E", "\xF0\x9F\x8E\x89",
                                          "\xF0\x9F\x8E\x89", "\xC3\xA9", "\r", "\xF0\x9F\x98\x80"};
  auto join = [&](std::size_t from, std::size_t to) {
    std::string s;
    for (std::size_t k = from; k < to; ++k) s += chars[k];
    return s;
  };
  const std::string text = join(0, chars.size());
  const int count = static_cast<int>(chars.size());
  ASSERT_EQ(Len(text), count);
  // Bold from "b", the character after the first emoji (byte 5).
  const std::string styl = codec::EncodeStyleScrap({StyleRun(0, 3, 0, 12), StyleRun(5, 3, codec::kFaceBold, 12)});
  testing::ProcessEvents();
  for (bool styled : {false, true}) {
    for (int k = 0; k <= count; ++k) {
      SCOPED_TRACE((styled ? "styled, after " : "plain, after ") + std::to_string(k));
      if (styled) field->SetTextAndStyle(String::Raw(text), String::Raw(styl));
      else field->SetText(String(text));
      field->SetFocus();
      field->SetSelStart(k);
      EXPECT_EQ(field->SelStart(), k);
      testing::TypeKey(*window, 'x');
      const auto at = static_cast<std::size_t>(k);
      EXPECT_EQ(field->Text().Bytes(), join(0, at) + "x" + join(at, chars.size()));
      EXPECT_EQ(field->SelStart(), k + 1);
    }
    if (styled) {
      EXPECT_FALSE(testing::StyleAt(*field, 1).bold);
      EXPECT_TRUE(testing::StyleAt(*field, 2).bold);
    }
    field->SetSelStart(count + 3);
    EXPECT_EQ(field->SelStart(), count + 1);  // the end, after the typed x
  }
}

// A malformed style table still shows the whole text; text or a table
// beyond what a topic holds is refused, and the field keeps what it showed.
TEST_F(ControlsTest, ABadStyleTableNeverLosesTheTextAndAnOversizedTopicIsRefusedWhole) {
  auto field = Add<EditField>("Reader", At(0, 0, 300, 200) + codec::EncodeRecord({{"Styled", true}}));
  std::string text = "Some \xC3\xA9 text";
  std::string valid = codec::EncodeStyleScrap({StyleRun(0, 3, 0, 12), StyleRun(3, 3, codec::kFaceBold, 12)});
  for (std::string styl : {std::string(), std::string("\x00", 1), std::string("\x7F\xFF", 2),
                           valid.substr(0, valid.size() - 7),
                           codec::EncodeStyleScrap({StyleRun(8, 3, 1, 12), StyleRun(2, 3, 2, 12)}),
                           codec::EncodeStyleScrap({StyleRun(-4, 3, 1, 12), StyleRun(500, 3, 2, -1)}),
                           codec::EncodeStyleScrap({StyleRun(6, 999, 0x80, 0)})}) {
    field->SetTextAndStyle(String::Raw(text), String::Raw(styl));
    EXPECT_EQ(field->Text().Bytes(), text);
  }
  for (const auto& [big, table] :
       {std::pair{std::string(codec::kMaxTopicTextBytes + 1, ' '), valid},
        std::pair{"a " + std::string(codec::kMaxUnbreakableBytes + 1, 'w'), valid},
        std::pair{std::string("text"), valid + std::string(codec::kMaxStyleScrapBytes, '\0')}}) {
    EXPECT_THROW(field->SetTextAndStyle(String::Raw(big), String::Raw(table)), OutOfBoundsException);
    EXPECT_EQ(field->Text().Bytes(), text);
  }
}

TEST_F(ControlsTest, RoundRectanglesSeparatorsAndCanvasBackdropsAreDrawn) {
  auto box = Add<RoundRectangle>(
      "Box", At(10, 10, 100, 19) + codec::EncodeRecord({{"OvalWidth", 16}, {"OvalHeight", 16}, {"BorderWidth", 1}}));
  box->SetFillColor(RGB(77, 255, 154));
  box->SetBorderColor(RGB(0, 128, 64));
  Add<Separator>("Line", At(10, 50, 200, 4));
  const std::string png = testing::SolidPng(40, 20, {10, 20, 30});
  Add<Canvas>("Title", At(300, 0, 40, 20))->SetBackdrop(Picture::FromImageData(png));
  EXPECT_EQ(Picture::FromImageData("not a picture"), nullptr);
  testing::ProcessEvents();
  EXPECT_EQ(testing::PixelAt(*window, 60, 19), (Color{77, 255, 154}));
  EXPECT_EQ(testing::PixelAt(*window, 60, 10), (Color{0, 128, 64}));
  EXPECT_NE(testing::PixelAt(*window, 100, 51), testing::PixelAt(*window, 100, 60));
  EXPECT_EQ(testing::PixelAt(*window, 305, 5), (Color{10, 20, 30}));
  box->SetVisible(false);
  testing::ProcessEvents();
  EXPECT_NE(testing::PixelAt(*window, 60, 19), (Color{77, 255, 154}));
}

}  // namespace
}  // namespace fw::test
