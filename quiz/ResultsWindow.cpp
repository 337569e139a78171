#include "quiz/ResultsWindow.h"

#include <cstring>

#include "quiz/HintWindow.h"
#include "quiz/LabelRecord.h"

namespace korvane {

using namespace declare;

namespace {

// The hint window's record with some entries' values replaced.
std::string HintWindowRecordExcept(const Fields& changes) {
  Fields fields = HintWindow::WindowFields();
  for (RecordField& f : fields)
    for (const RecordField& c : changes)
      if (std::strcmp(f.name, c.name) == 0) f.value = c.value;
  return codec::EncodeRecord(fields);
}

}  // namespace

std::shared_ptr<ResultsWindow> ResultsWindow::Instance() { return fw::ImplicitWindow<ResultsWindow>(); }

void ResultsWindow::Layout() {
  static const std::string record = HintWindowRecordExcept({
      {"Placement", 0},
      {"Width", 353},
      {"Height", 76},
      {"Frame", 0},
      {"Title", "Quiz Results"},
  });
  fw::SetProperties(*this, record);
}

void ResultsWindow::CreateControls() { CreateControls0(); }

void ResultsWindow::CreateControls0() {
  static const std::string record = LabelRecord("StaticText1", {13, 13, 326, 44}, 0, {.size = 12, .multiLine = true});
  CreateControl<fw::StaticText>(Self<ResultsWindow>(), "StaticText1", record);
}

void ResultsWindow::AddMenuHandlers(const std::shared_ptr<fw::Window>& w) { fw::CheckedCast<ResultsWindow>(w); }

}  // namespace korvane
