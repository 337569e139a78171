#include <QEvent>
#include <QWidget>

#include "framework/qt/Views.h"
#include "framework/testing/Simulate.h"
#include "tests/framework/FrameworkFixture.h"

namespace fw::test {
namespace {

// Counts windows that reach the screen.
class ShowCounter : public QObject {
 public:
  int shown = 0;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Show && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow()) ++shown;
    return false;
  }
};

using WindowTest = FrameworkTest;

TEST_F(WindowTest, TwoReferencesCreateOneWindowThroughItsSteps) {
  auto a = ImplicitWindow<Panel>();
  auto b = ImplicitWindow<Panel>();
  EXPECT_EQ(a, b);
  EXPECT_EQ(Panel::log, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Open"}));
  EXPECT_EQ(a->Title(), String("Panel"));
  EXPECT_TRUE(a->Visible());
}

TEST_F(WindowTest, AHiddenWindowIsReturnedUnchanged) {
  auto a = ImplicitWindow<Panel>();
  a->SetTitle("Changed");
  a->Hide();
  auto b = ImplicitWindow<Panel>();
  EXPECT_EQ(a, b);
  EXPECT_EQ(b->Title(), String("Changed"));
  EXPECT_FALSE(b->Visible());
  EXPECT_EQ(std::count(Panel::log.begin(), Panel::log.end(), "Layout"), 1);
}

TEST_F(WindowTest, AfterCloseANewWindowComesWithItsRecordsValues) {
  Panel::createControls = [](Panel& p) {
    auto label = p.NewControl<StaticText>();
    p.AddControl("Label", label);
    SetProperties(*label, codec::EncodeRecord({{"Text", ""}, {"Width", 100}, {"Height", 20}}));
  };
  auto a = ImplicitWindow<Panel>();
  a->SetTitle("Changed");
  CheckedCast<StaticText>(a->ControlByName("Label"))->SetText("Something");
  a->Close();
  EXPECT_FALSE(a->IsOpen());
  EXPECT_EQ(GetImplicitWindow(Panel::kClassName), nullptr);
  auto b = ImplicitWindow<Panel>();
  EXPECT_NE(a, b);
  EXPECT_EQ(b->Title(), String("Panel"));
  EXPECT_EQ(CheckedCast<StaticText>(b->ControlByName("Label"))->Text(), String(""));
}

TEST_F(WindowTest, CloseFiresTheCloseEventOnceAlsoFromTheCloseBox) {
  auto a = ImplicitWindow<Panel>();
  testing::ProcessEvents();
  testing::ClickCloseBox(*a);
  EXPECT_FALSE(a->IsOpen());
  a->Close();
  EXPECT_EQ(std::count(Panel::log.begin(), Panel::log.end(), "Close"), 1);
  testing::ProcessEvents();
  EXPECT_FALSE(testing::IsOnScreen(*a));
}

TEST_F(WindowTest, AWindowCreatedAndClosedBeforeTheLoopRunsNeverReachesTheScreen) {
  ShowCounter counter;
  qApp->installEventFilter(&counter);
  auto a = ImplicitWindow<Panel>();
  a->Close();
  testing::ProcessEvents();
  EXPECT_EQ(counter.shown, 0);
  auto b = ImplicitWindow<Panel>();  // one that stays does appear
  testing::ProcessEvents();
  EXPECT_EQ(counter.shown, 1);
  EXPECT_TRUE(testing::IsOnScreen(*b));
  qApp->removeEventFilter(&counter);
}

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
  for (const std::string* record : {&usual, &other}) {
    auto label = w->NewControl<StaticText>();
    w->AddControl(record == &usual ? "A" : "B", label);
    SetProperties(*label, *record);
  }
  testing::ProcessEvents();
  auto a = CheckedCast<StaticText>(w->Controls()[0]);
  auto b = CheckedCast<StaticText>(w->Controls()[1]);
  EXPECT_EQ(a->Text(), b->Text());
  EXPECT_EQ(a->TextAlign(), b->TextAlign());
  EXPECT_EQ(a->TextColor(), b->TextColor());
  EXPECT_EQ(a->TabIndex(), b->TabIndex());
  auto ga = testing::GeometryOf(*a), gb = testing::GeometryOf(*b);
  EXPECT_EQ(std::tie(ga.left, ga.top, ga.width, ga.height), std::tie(gb.left, gb.top, gb.width, gb.height));
  EXPECT_EQ(WidgetOf(*a)->font(), WidgetOf(*b)->font());
  EXPECT_TRUE(WidgetOf(*a)->font().underline());
}

TEST_F(WindowTest, ATruncatedOrUnknownRecordFailsCleanly) {
  auto w = ImplicitWindow<Panel>();
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

TEST_F(WindowTest, AnExceptionWhileCreatingLeavesNoWindowBehind) {
  Panel::createControls = [](Panel&) { throw NilObjectException("boom"); };
  EXPECT_THROW(ImplicitWindow<Panel>(), NilObjectException);
  EXPECT_EQ(GetImplicitWindow(Panel::kClassName), nullptr);
  EXPECT_EQ(std::count(Panel::log.begin(), Panel::log.end(), "Open"), 0);
  Panel::createControls = nullptr;
  EXPECT_NE(ImplicitWindow<Panel>(), nullptr);
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

TEST_F(WindowTest, SizeStaysWithinTheRecordsLimitsAndLockedControlsFollow) {
  Panel::createControls = [](Panel& p) {
    auto grow = p.NewControl<StaticText>();
    p.AddControl("Grow", grow);
    SetProperties(*grow, codec::EncodeRecord({{"Left", 10}, {"Top", 10}, {"Width", 100}, {"Height", 50},
                                              {"LockLeft", true}, {"LockTop", true}, {"LockRight", true},
                                              {"LockBottom", true}}));
    auto pinned = p.NewControl<StaticText>();
    p.AddControl("Pinned", pinned);
    SetProperties(*pinned, codec::EncodeRecord({{"Left", 250}, {"Top", 150}, {"Width", 40}, {"Height", 20},
                                                {"LockRight", true}, {"LockBottom", true}}));
  };
  auto w = ImplicitWindow<Panel>();
  testing::ProcessEvents();
  EXPECT_EQ(testing::ContentBox(*w).width, 300);
  EXPECT_EQ(testing::ContentBox(*w).height, 200);
  w->SetSize(400, 300);
  testing::ProcessEvents();
  auto grow = testing::GeometryOf(*w->ControlByName("Grow"));
  auto pinned = testing::GeometryOf(*w->ControlByName("Pinned"));
  EXPECT_EQ(std::tie(grow.left, grow.top, grow.width, grow.height), std::make_tuple(10, 10, 200, 150));
  EXPECT_EQ(std::tie(pinned.left, pinned.top, pinned.width, pinned.height), std::make_tuple(350, 250, 40, 20));
  w->SetSize(10, 10000);
  EXPECT_EQ(w->Width(), 200);
  EXPECT_EQ(w->Height(), 400);
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

TEST_F(WindowTest, PositionIsTheClientAreasAndCanBeSet) {
  auto w = ImplicitWindow<Panel>();
  w->SetLeft(5);
  w->SetTop(42);
  testing::ProcessEvents();
  EXPECT_EQ(w->Left(), 5);
  EXPECT_EQ(w->Top(), 42);
  EXPECT_EQ(FrameWidgetOf(*w)->geometry().topLeft(), QPoint(5, 42));
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
