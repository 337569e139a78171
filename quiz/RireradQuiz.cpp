#include "quiz/RireradQuiz.h"

namespace korvane {

std::shared_ptr<RireradQuiz> RireradQuiz::Instance() { return fw::ImplicitWindow<RireradQuiz>(); }

}  // namespace korvane
