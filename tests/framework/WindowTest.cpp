#include <QImage>
#include <QWidget>

#include "framework/qt/Views.h"
#include "framework/testing/Simulate.h"
#include "tests/framework/FrameworkFixture.h"

namespace fw::test {
namespace {

using WindowTest = FrameworkTest;

// The implicit instance: made once, through its steps; returned unchanged
// while open, hidden or not; made afresh from its records after it closed,
// by Close or by its close box, which fire the Close event once.
TEST_F(WindowTest, TheImplicitInstanceLivesFromItsFirstReferenceUntilItCloses) {
  Panel::createControls = [](Panel& p) {
    auto label = p.NewControl<StaticText>();
    p.AddControl("Label", label);
    SetProperties(*label, codec::EncodeRecord({{"Text", ""}, {"Width", 100}, {"Height", 20}}));
  };
  auto a = ImplicitWindow<Panel>();
  EXPECT_EQ(Panel::log, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Open"}));
  a->SetTitle("Changed");
  CheckedCast<StaticText>(a->ControlByName("Label"))->SetText("Something");
  a->Hide();
  EXPECT_EQ(ImplicitWindow<Panel>(), a);
  EXPECT_EQ(std::make_tuple(a->Title(), a->Visible(), Panel::log.size()),
            std::make_tuple(String("Changed"), false, 4u));
  a->Show();
  testing::ProcessEvents();
  testing::ClickCloseBox(*a);
  a->Close();
  testing::ProcessEvents();
  EXPECT_EQ(std::count(Panel::log.begin(), Panel::log.end(), "Close"), 1);
  EXPECT_FALSE(a->IsOpen() || testing::IsOnScreen(*a));
  EXPECT_EQ(GetImplicitWindow(Panel::kClassName), nullptr);
  auto b = ImplicitWindow<Panel>();
  EXPECT_NE(a, b);
  EXPECT_EQ(std::make_tuple(b->Title(), b->Visible()), std::make_tuple(String("Panel"), true));
  EXPECT_EQ(CheckedCast<StaticText>(b->ControlByName("Label"))->Text(), String(""));
}

// A truncated or unknown record fails cleanly.
TEST_F(WindowTest, RecordsInAnotherEntryOrderApplyTheSameValues) {
  const codec::Color grey{63, 63, 63};
  std::string usual = codec::EncodeRecord({
      {"TabIndex", 2}, {"Enabled", true}, {"MultiLine", false}, {"TextColor", grey}, {"TextAlign", 1},
      {"Text", "Version"}, {"Underline", true}, {"TextSize", 10}, {"TextFont", "Geneva"},
      {"Height", 16}, {"Width", 231}, {"Top", 74}, {"Left", 110}, {"Visible", true},
      {"Index", INT32_MIN}, {"Name", "Label"}});
  std::string other = codec::EncodeRecord({
      {"Name", "Label"}, {"Index", INT32_MIN}, {"Left", 110}, {"Top", 74}, {"Width", 231},
      {"Height", 16}, {"TabIndex", 2}, {"Text", "Version"}, {"TextAlign", 1}, {"TextColor", grey},
      {"Multiline", false}, {"Enabled", true}, {"Visible", true}, {"TextFont", "Geneva"},
      {"TextSize", 10}, {"Underline", true}});
  auto w = ImplicitWindow<Panel>();
  std::vector<std::shared_ptr<StaticText>> labels;
  for (const std::string* record : {&usual, &other}) {
    labels.push_back(w->NewControl<StaticText>());
    w->AddControl(record == &usual ? "A" : "B", labels.back());
    SetProperties(*labels.back(), *record);
  }
  testing::ProcessEvents();
  auto [a, b] = std::make_pair(labels[0], labels[1]);
  EXPECT_EQ(std::make_tuple(a->Text(), a->TabIndex(), WidgetOf(*a)->geometry()),
            std::make_tuple(b->Text(), b->TabIndex(), WidgetOf(*b)->geometry()));
  EXPECT_EQ(WidgetOf(*a)->grab().toImage(), WidgetOf(*b)->grab().toImage());  // font, colour, alignment
  EXPECT_TRUE(WidgetOf(*a)->font().underline());

  std::string record = codec::EncodeRecord({{"Title", "Fine"}});
  EXPECT_THROW(SetProperties(*w, record.substr(0, record.size() - 1)), PropertyRecordException);
  EXPECT_THROW(SetProperties(*w, "Colour " + std::string(3, '\0')), PropertyRecordException);
  EXPECT_NO_THROW(SetProperties(*w, record));
  EXPECT_EQ(w->Title(), String("Fine"));
  auto label = w->NewControl<StaticText>();
  w->AddControl("Label", label);
  EXPECT_THROW(SetProperties(*label, codec::EncodeRecord({{"Caption", "a button's"}})), PropertyRecordException);
  EXPECT_NO_THROW(SetProperties(*label, codec::EncodeRecord({{"DataField", ""}})));  // one it ignores
}

// A window that shows itself, takes File > Close, then fails at a chosen
// step of its creation.
class Failing : public Panel {
 public:
  static constexpr const char* kClassName = "Failing.Failing";
  static inline std::string failAt;
  static inline std::weak_ptr<Window> last;
  static inline int closeCommands = 0;
  void CreateControls() override {
    last = Self<Window>();
    AddMenuHandler("FileClose", [] { return ++closeCommands > 0; });
    if (failAt == "CreateControls") throw NilObjectException("no control");
  }
  void Event_Open() override {
    if (failAt == "Open") throw NilObjectException("no picture");
  }
};

TEST_F(WindowTest, AWindowWhoseCreationFailsLeavesNoListHoldingIt) {
  RegisterClass<Failing>(Failing::kClassName);
  StartApp({{"FileClose", "Cmd+W"}});
  auto behind = ImplicitWindow<Panel>();
  int behindCommands = 0;
  behind->AddMenuHandler("FileClose", [&] { return ++behindCommands > 0; });
  for (const char* step : {"CreateControls", "Open"}) {
    SCOPED_TRACE(step);
    Failing::failAt = step;
    Failing::closeCommands = behindCommands = 0;
    EXPECT_THROW(ImplicitWindow<Failing>(), NilObjectException);
    testing::ProcessEvents();
    EXPECT_EQ(GetImplicitWindow(Failing::kClassName), nullptr);
    EXPECT_EQ(FrontWindow(), behind);
    ASSERT_TRUE(testing::ChooseMenuItem("FileClose"));
    EXPECT_EQ(Failing::closeCommands, 0);
    EXPECT_EQ(behindCommands, 1);
    // Neither the open windows nor the implicit instances keep it alive.
    EXPECT_TRUE(Failing::last.expired());
  }
  Failing::failAt.clear();
  auto fresh = ImplicitWindow<Failing>();
  EXPECT_EQ(GetImplicitWindow(Failing::kClassName), fresh);
  EXPECT_EQ(FrontWindow(), fresh);
  fresh->Close();
  EXPECT_EQ(FrontWindow(), behind);
}

TEST_F(WindowTest, TheFrontWindowFollowsCreationShowHideAndCloseButNeverAFloatingWindow) {
  auto a = ImplicitWindow<Panel>();
  auto b = ImplicitWindow<OtherPanel>();
  EXPECT_EQ(FrontWindow(), b);
  a->Show();
  EXPECT_EQ(FrontWindow(), a);
  a->Hide();
  EXPECT_EQ(FrontWindow(), b);
  b->Close();
  EXPECT_EQ(FrontWindow(), nullptr);
  a->Show();
  Panel::record = PanelRecord("Floating", 3);
  ImplicitWindow<OtherPanel>();
  EXPECT_EQ(FrontWindow(), a);
}

// A control locked to the far edges only moves with them (the main window's
// tests cover the size limits and controls locked to both edges).
TEST_F(WindowTest, AControlLockedToTheFarEdgesOnlyMovesWithThem) {
  Panel::createControls = [](Panel& p) {
    auto pinned = p.NewControl<StaticText>();
    p.AddControl("Pinned", pinned);
    SetProperties(*pinned, codec::EncodeRecord({{"Left", 250}, {"Top", 150}, {"Width", 40}, {"Height", 20},
                                                {"LockRight", true}, {"LockBottom", true}}));
  };
  auto w = ImplicitWindow<Panel>();
  w->SetSize(400, 300);
  testing::ProcessEvents();
  auto pinned = testing::GeometryOf(*w->ControlByName("Pinned"));
  EXPECT_EQ(std::tie(pinned.left, pinned.top, pinned.width, pinned.height), std::make_tuple(350, 250, 40, 20));
}

TEST_F(WindowTest, AWindowThatCannotBeResizedKeepsItsLaidOutSize) {
  Panel::record = PanelRecord() + codec::EncodeRecord({{"Resizeable", false}});
  auto w = ImplicitWindow<Panel>();
  w->SetSize(400, 150);
  EXPECT_EQ(std::make_pair(w->Width(), w->Height()), std::make_pair(300, 200));
  SetProperties(*w, codec::EncodeRecord({{"Width", 500}, {"Height", 120}}));
  testing::ProcessEvents();
  EXPECT_EQ(std::make_pair(w->Width(), w->Height()), std::make_pair(300, 200));
  EXPECT_EQ(testing::ContentBox(*w).width, 300);
  EXPECT_EQ(testing::ContentBox(*w).height, 200);
}

TEST_F(WindowTest, ReachingAndLeavingTheScreenIsTraced) {
  std::vector<std::string> trace;
  testing::SetTraceSink([&trace](const std::string& step) { trace.push_back(step); });
  auto count = [&trace](const char* step) { return std::count(trace.begin(), trace.end(), step); };
  ImplicitWindow<Panel>()->Close();
  testing::ProcessEvents();
  EXPECT_EQ(count("window on screen Panel.Panel"), 0);
  auto w = ImplicitWindow<Panel>();
  testing::ProcessEvents();
  w->Show();  // already there: nothing new reaches the screen
  testing::ProcessEvents();
  EXPECT_EQ(count("window on screen Panel.Panel"), 1);
  w->Hide();
  testing::ProcessEvents();
  EXPECT_EQ(count("window off screen Panel.Panel"), 1);
  testing::SetTraceSink(nullptr);
}

}  // namespace
}  // namespace fw::test
