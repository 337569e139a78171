#include "quiz/Module1.h"

namespace korvane {

bool quizing = false;
std::int32_t score = 0;
bool answered = false;
bool HintTaken = false;
std::int32_t QuestionNum = 0;
std::int32_t mixa = 0, mixb = 0, mixc = 0, mixd = 0;

fw::ArrayRef<fw::String> Scenario;
fw::ArrayRef<fw::String> ChoiceA, ChoiceB, ChoiceC, ChoiceD;
fw::ArrayRef<fw::String> AnswerA, AnswerB, AnswerC, AnswerD;
fw::ArrayRef<fw::String> Hint;
fw::ArrayRef<std::int32_t> Answer;

namespace Module1 {

namespace {
constexpr int kLastIndex = 10;
}

void CreateArrays() {
  for (auto* a : {&Scenario, &ChoiceA, &ChoiceB, &ChoiceC, &ChoiceD, &AnswerA, &AnswerB, &AnswerC,
                  &AnswerD, &Hint})
    *a = fw::CreateArray<fw::String>(kLastIndex);
  Answer = fw::CreateArray<std::int32_t>(kLastIndex);
}

void ReleaseArrays() {
  for (auto* a : {&Scenario, &ChoiceA, &ChoiceB, &ChoiceC, &ChoiceD, &AnswerA, &AnswerB, &AnswerC,
                  &AnswerD, &Hint})
    a->reset();
  Answer.reset();
}

}  // namespace Module1
}  // namespace korvane
