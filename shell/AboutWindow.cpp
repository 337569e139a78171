#include "shell/AboutWindow.h"

#include "framework/Controls.h"
#include "framework/Delegate.h"
#include "shell/Declare.h"
#include "shell/MenuNames.h"

namespace korvane {

using namespace declare;

const std::string& AboutWindow::WindowRecord() {
  // The minimum and maximum equal the size: the window keeps 440 by 328.
  static const std::string record = codec::EncodeRecord({
      {"Placement", 0},
      {"Width", 440},
      {"Height", 328},
      {"MinWidth", 440},
      {"MinHeight", 328},
      {"MaxWidth", 440},
      {"MaxHeight", 328},
      {"Frame", 0},
      {"Composite", false},
      {"HasBackColor", false},
      {"BackColor", Color{255, 255, 255}},
      {"Title", "More About Korvane"},
      {"Visible", true},
      {"FullScreen", false},
      {"MenuBarVisible", true},
      {"CloseButton", true},
      {"Resizeable", true},
      {"LiveResize", true},
      {"MaximizeButton", true},
      {"MinimizeButton", true},
      {"BalloonHelp", ""},
      {"MacProcID", 0},
  });
  return record;
}

const std::string& AboutWindow::EditFieldRecord() {
  static const std::string record = Record(
      {
          {"TabIndex", 0},
          {"Mask", ""},
          {"Format", ""},
          {"DataField", ""},
          {"DataSource", ""},
          {"Text", ""},
          {"Enabled", true},
          {"BackColor", Color{255, 255, 255}},
          {"TextColor", Color{0, 0, 0}},
          {"Alignment", 0},
          {"AcceptTabs", false},
          {"LimitText", 0},
          {"ReadOnly", true},
          {"UseFocusRing", false},
          {"Password", false},
          {"Styled", false},
          {"ScrollBarVertical", true},
          {"ScrollBar", true},
          {"ScrollBarHorizontal", false},
          {"MultiLine", true},
          {"Border", false},
          {"Underline", false},
          {"Italic", false},
          {"Bold", false},
          {"TextSize", 10},
          {"TextFont", "Geneva"},
      },
      // One pixel wider than the window, 14 pixels short of its bottom.
      ControlTail("EditField1", {0, 0, 441, 314}, {.left = true, .top = true, .right = true, .bottom = true}));
  return record;
}

std::shared_ptr<AboutWindow> AboutWindow::Instance() { return fw::ImplicitWindow<AboutWindow>(); }

void AboutWindow::Layout() { fw::SetProperties(*this, WindowRecord()); }

void AboutWindow::CreateControls() { CreateControls0(); }

void AboutWindow::CreateControls0() {
  CreateControl<fw::EditField>(Self<AboutWindow>(), "EditField1", EditFieldRecord());
}

void AboutWindow::AddMenuHandlers(const std::shared_ptr<fw::Window>& w) {
  auto window = fw::CheckedCast<AboutWindow>(w);
  fw::Need(window).AddMenuHandler(menu::kFileClose, fw::MakeDelegate(window, &AboutWindow::FileClose_Action));
}

bool AboutWindow::FileClose_Action() {
  Close();
  return false;
}

}  // namespace korvane
