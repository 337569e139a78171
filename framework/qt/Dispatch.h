// Running program code (handlers) from the framework, and settling what
// controls held back while it ran. Not for the program.
#pragma once

#include <functional>
#include <memory>

namespace fw {
class RectControl;
}

namespace fw::detail {

// Runs program code (a handler). Called from Qt's event dispatch with no
// program code below it on the stack, it stores an escaping exception, ends
// the event loop and returns; RuntimeRun raises it again. Nested inside
// program code, exceptions pass through to the caller.
void CallHandler(const std::function<void()>& handler);
bool CallBoolHandler(const std::function<bool()>& handler);

// Whether program code (a handler) is running.
bool InHandler();
// A control may hold back changes made while a handler runs and apply them
// together (RectControl::Settle); it asks to be settled when the handler
// ends. SettleControls settles every control that asked.
void SettleWhenHandlerEnds(const std::shared_ptr<RectControl>& control);
void SettleControls();

// While a modal loop runs inside a handler, events it dispatches start
// afresh (their exceptions are stored, not thrown through Qt).
class ModalScope {
 public:
  ModalScope();
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  int savedDepth_;
};

}  // namespace fw::detail
