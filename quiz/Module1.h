// The quiz engine's state: the run in progress and the ten scenarios of the
// running quiz in display order.
#pragma once

#include <cstdint>

#include "framework/Array.h"
#include "framework/String.h"

namespace korvane {

extern bool quizing;
extern std::int32_t score;
extern bool answered;
extern bool HintTaken;
extern std::int32_t QuestionNum;
extern std::int32_t mixa, mixb, mixc, mixd;

// Element k (1 to 10) belongs to the k-th scenario shown; element 0 is unused.
extern fw::ArrayRef<fw::String> Scenario;
extern fw::ArrayRef<fw::String> ChoiceA, ChoiceB, ChoiceC, ChoiceD;
extern fw::ArrayRef<fw::String> AnswerA, AnswerB, AnswerC, AnswerD;
extern fw::ArrayRef<fw::String> Hint;
extern fw::ArrayRef<std::int32_t> Answer;

namespace Module1 {
// Start-up creates the eleven arrays and shutdown releases them, both in the
// order Scenario, ChoiceA to ChoiceD, AnswerA to AnswerD, Hint, Answer.
void CreateArrays();
void ReleaseArrays();
}  // namespace Module1

}  // namespace korvane
