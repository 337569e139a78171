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

// Starts a run of quiz n (1 to 3): draws the answer arrangement and the
// scenario order, puts the quiz window in place of the main window, reads
// the ten records and shows the first scenario. Data that cannot be read
// ends the program with a message.
void LoadQuiz(std::int32_t n);
// Clears the marks of the scenario shown, then shows the next one or, after
// the tenth, closes the quiz window.
void NextQuestion();
// Scores and marks the pick at position choice (1 = A to 4 = D).
void CheckAnswer(std::int32_t choice);

namespace Module1 {
// Start-up creates the eleven arrays and shutdown releases them, both in the
// order Scenario, ChoiceA to ChoiceD, AnswerA to AnswerD, Hint, Answer.
void CreateArrays();
void ReleaseArrays();
}  // namespace Module1

}  // namespace korvane
