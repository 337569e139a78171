#include <QMessageBox>
#include <QTimer>

#include <algorithm>

#include "framework/FileType.h"
#include "framework/qt/Plugin.h"
#include "framework/qt/RuntimeState.h"
#include "framework/testing/Simulate.h"
#include "tests/framework/FrameworkFixture.h"

namespace fw::test {
namespace {

using RuntimeTest = FrameworkTest;

// The loop opens the application and ends on Quit; a Quit before it makes
// it return at once.
TEST_F(RuntimeTest, RunReturnsOnQuitAndAtOnceWhenQuitCameBeforeIt) {
  struct OpenApp : Application {
    int opened = 0;
    void Event_Open() override { ++opened; }
  };
  auto app = std::make_shared<OpenApp>();
  RuntimeRegisterAppObject(app);
  testing::OnEventLoopStart([] { Quit(0); });
  RuntimeRun();
  RuntimeRun();  // the Quit above came before it
  EXPECT_EQ(app->opened, 1);
}

// The report names the exception's class and makes the exit status a failure.
TEST_F(RuntimeTest, AnExceptionEscapingAHandlerEndsTheLoopAndIsRaisedOnce) {
  auto app = StartApp({{"Boom", ""}});
  app->AddMenuHandler("Boom", []() -> bool { throw NilObjectException("from a handler"); });
  int after = 0;
  testing::OnEventLoopStart([&] {
    // As from the user: the menu command runs from the loop.
    QTimer::singleShot(0, [] { testing::ChooseMenuItem("Boom"); });
    QTimer::singleShot(50, [&] { ++after; });
  });
  EXPECT_THROW(RuntimeRun(), NilObjectException);
  EXPECT_EQ(after, 0);
  Quit(0);
  EXPECT_NO_THROW(RuntimeRun());  // reported once, not again
  UnhandledException(std::make_exception_ptr(IllegalCastException("x")));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("IllegalCastException"), std::string::npos);
  EXPECT_EQ(testing::UnhandledExceptionReports(), 1);
  EXPECT_EQ(RuntimeExit(), 1);
  EXPECT_EQ(detail::NewMessageBox("x")->windowTitle(), "Korvane");  // the executable is "korvane"
}

TEST_F(RuntimeTest, AMissingPluginEntryPointFailsStartUpByName) {
  auto& exports = plugin::Exports();
  auto saved = exports;
  std::erase_if(exports, [](const plugin::EntryPoint& e) { return std::string(e.name) == "SeparatorGetBounds"; });
  try {
    InitPluginEntrypoints();
    ADD_FAILURE() << "no exception";
  } catch (const PluginException& e) {
    EXPECT_NE(std::string(e.what()).find("SeparatorGetBounds"), std::string::npos);
  }
  EXPECT_THROW(std::make_shared<Separator>(), PluginException);
  exports = saved;
  InitPluginEntrypoints();
  EXPECT_NO_THROW(std::make_shared<Separator>());
}

TEST_F(RuntimeTest, WithoutAScreenOnlyTheReportOfAnImpossibleRaiseIsDropped) {
  Panel::record = PanelRecord("Floating", 3);
  ::testing::internal::CaptureStderr();
  ImplicitWindow<Panel>();
  testing::ProcessEvents();  // a floating window reaches the screen: Qt raises it
  qWarning("This plugin does not support raise()");
  qWarning("Something else went wrong");
  std::string written = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(written.find("raise"), std::string::npos);
  EXPECT_NE(written.find("Something else went wrong"), std::string::npos);
}

TEST_F(RuntimeTest, AFileTypeRegistersOnceAndWithdrawsOnChangeAndRelease) {
  auto count = [] {
    auto all = RegisteredFileTypes();
    return std::count_if(all.begin(), all.end(), [](const auto& t) { return t.name == String("text"); });
  };
  auto type = std::make_shared<FileType>();
  type->SetName("text");
  EXPECT_EQ(count(), 0);
  EXPECT_EQ(type->ToText(), String("text"));
  type->ToText();
  EXPECT_EQ(count(), 1);
  type->SetMacCreator("ABCD");  // a change withdraws the registration
  EXPECT_EQ(count(), 0);
  type->ToText();
  type.reset();
  EXPECT_EQ(count(), 0);
}

TEST_F(RuntimeTest, RandomNumbersLieInTheHalfOpenUnitIntervalAndFollowTheSeed) {
  testing::SeedRnd(7);
  std::vector<double> first(1000);
  for (double& r : first) r = Rnd();
  EXPECT_TRUE(std::all_of(first.begin(), first.end(), [](double r) { return r >= 0.0 && r < 1.0; }));
  testing::SeedRnd(7);
  for (double r : first) EXPECT_EQ(Rnd(), r);
}

TEST_F(RuntimeTest, NilTestsAndCastsRaiseTheFrameworksExceptions) {
  std::shared_ptr<Window> none;
  EXPECT_THROW(Need(none), NilObjectException);
  std::shared_ptr<Object> label = std::make_shared<StaticText>();
  EXPECT_THROW(CheckedCast<PushButton>(label), IllegalCastException);
  EXPECT_EQ(CheckedCast<PushButton>(std::shared_ptr<Object>()), nullptr);
  EXPECT_EQ(ExceptionClassName(std::make_exception_ptr(NilObjectException())), "NilObjectException");
  EXPECT_EQ(ExceptionClassName(std::make_exception_ptr(std::runtime_error("x"))), "std::runtime_error");
}

}  // namespace
}  // namespace fw::test
