// The quiz window: one scenario at a time, four answer rows with their
// feedback and verdict boxes, Hint and Next.
#pragma once

#include <memory>

#include "declare/DeclaredWindow.h"
#include "framework/Controls.h"

namespace korvane {

class RireradQuiz : public declare::DeclaredWindow<RireradQuiz> {
 public:
  static constexpr const char* kClassName = "RireradQuiz.RireradQuiz";
  static declare::WindowLook Look();
  static declare::ControlTable Declare();

  virtual void AnswerAButton_Action(const std::shared_ptr<fw::PushButton>& me);
  virtual void AnswerBButton_Action(const std::shared_ptr<fw::PushButton>& me);
  virtual void AnswerCButton_Action(const std::shared_ptr<fw::PushButton>& me);
  virtual void AnswerDButton_Action(const std::shared_ptr<fw::PushButton>& me);
  virtual void HintButton_Action(const std::shared_ptr<fw::PushButton>& me);
  virtual void NextButton_Action(const std::shared_ptr<fw::PushButton>& me);
  void AddMenuHandlers(const std::shared_ptr<fw::Window>& w) override;
  void Event_Close() override;
  // Keys a to d push the matching answer button; returns false for every key.
  bool Event_KeyDown(const fw::String& key) override;
  void Event_Open() override;
  virtual bool fileclose_Action();

 private:
  void Pick(const std::shared_ptr<fw::PushButton>& me, std::int32_t position);
  void PushAnswerButton(const char* name);
};

// A control of the quiz window, looked up afresh by name in its implicit
// instance (which creates the window when none is open); nil when the
// window has no control of that name.
template <class C>
std::shared_ptr<C> QuizControl(const char* name) {
  return declare::Find<C>(RireradQuiz::Instance(), name);
}

}  // namespace korvane
