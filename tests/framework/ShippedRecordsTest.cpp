// Every record the program ships names only properties that the receiving
// class sets or lists as deliberately ignored: a misspelt or misplaced name
// in a declaration fails here instead of passing unseen.
#include "browser/Window1.h"
#include "framework/Testing.h"
#include "quiz/HintWindow.h"
#include "quiz/ResultsWindow.h"
#include "quiz/RireradQuiz.h"
#include "shell/AboutBox.h"
#include "shell/AboutWindow.h"
#include "tests/support/Program.h"

namespace korvane::test {
namespace {

TEST_F(ProgramTest, EveryShippedWindowAppliesItsRecordsUnderTheStrictPropertyCheck) {
  fw::testing::SetStrictProperties(true);
  StartWithRealData();  // the main window: a failure there is reported as a message
  EXPECT_NO_THROW((RireradQuiz::Instance(), HintWindow::Instance(), ResultsWindow::Instance(),
                   AboutBox::Instance(), AboutWindow::Instance()));
  fw::testing::SetStrictProperties(false);
  EXPECT_EQ(messages, std::vector<std::string>{});
}

}  // namespace
}  // namespace korvane::test
