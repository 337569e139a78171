#include "browser/Window1.h"

#include "codec/ContentIds.h"
#include "framework/Delegate.h"
#include "framework/ResourceFork.h"
#include "framework/Runtime.h"
#include "quiz/HintWindow.h"
#include "quiz/Module1.h"
#include "shell/App.h"
#include "declare/Declare.h"
#include "shell/Menu.h"
#include "shell/MenuNames.h"

namespace korvane {

using namespace declare;

const std::string& Window1::WindowRecord() {
  static const std::string record = declare::WindowRecord({
      .width = 625, .height = 432,
      .minWidth = 625, .minHeight = 432, .maxWidth = 3000, .maxHeight = 3000,
      .title = "",
      .resizeable = true, .liveResize = true, .maximizeButton = true, .minimizeButton = true,
  });
  return record;
}

const std::string& Window1::EditFieldRecord() {
  // The reader: styled, locked to every edge, one pixel past the window's.
  static const std::string record =
      declare::EditFieldRecord("BrowserEditField", {180, 0, 446, 418},
                               {.tabIndex = 0, .styled = true, .textSize = 12, .textFont = "System"},
                               {.left = true, .top = true, .right = true, .bottom = true});
  return record;
}

const std::string& Window1::ListBoxRecord() {
  static const std::string record = Record(
      {
          {"TabIndex", 1},
          {"ColumnsResizable", false},
          {"DefaultRowHeight", -1},
          {"GridLinesVertical", 0},
          {"GridLinesHorizontal", 0},
          {"DataField", ""},
          {"DataSource", ""},
          {"ScrollPosition", 0},
          {"ScrollBarVertical", true},
          {"ScrollPositionX", 0},
          {"ScrollBarHorizontal", false},
          {"HeadingIndex", -1},
          {"SelectionType", 0},
          {"EnableDragReorder", false},
          {"EnableDrag", false},
          {"Hierarchical", false},
          {"InitialValue", ""},
          {"UseFocusRing", false},
          {"HasHeading", false},
          {"ColumnWidths", ""},
          {"ColumnCount", 1},
          {"Enabled", true},
          {"Underline", false},
          {"Italic", false},
          {"Bold", false},
          {"TextSize", 10},
          {"TextFont", "Geneva"},
      },
      ControlTail("BrowserListBox", {0, 0, 181, 418}, {.left = true, .top = true, .right = false, .bottom = true}));
  return record;
}

std::shared_ptr<Window1> Window1::Instance() { return fw::ImplicitWindow<Window1>(); }

void Window1::Layout() {
  SetMenuBar(Menu::Instance());
  fw::SetProperties(*this, WindowRecord());
}

void Window1::CreateControls() { CreateControls0(); }

void Window1::CreateControls0() {
  auto self = Self<Window1>();
  CreateControl<fw::EditField>(self, "BrowserEditField", EditFieldRecord());
  CreateControl<fw::Listbox>(self, "BrowserListBox", ListBoxRecord());
  Find<fw::Listbox>(self, "BrowserListBox")
      ->InstallEventHandler("Open", fw::MakeDelegate(self, &Window1::BrowserListBox_Open));
  Find<fw::Listbox>(self, "BrowserListBox")
      ->InstallEventHandler("Change", fw::MakeDelegate(self, &Window1::BrowserListBox_Change));
}

namespace {

constexpr const char* kDataMissing = "The \"DATA\" folder is missing. Must quit.";

}  // namespace

void Window1::BrowserListBox_Open(const std::shared_ptr<fw::Listbox>&) {
  try {
    auto self = Self<Window1>();
    auto fork = fw::Need(App()).ResourceFork();
    for (int k = 0; k < codec::kTopicCount; ++k) {
      auto list = Find<fw::Listbox>(self, "BrowserListBox");
      fw::Need(list).AddRow(fw::Need(fork).ResourceName("TEXT", k));
      fw::RuntimeBackgroundTask();
    }
    fw::Need(Find<fw::Listbox>(self, "BrowserListBox")).SetListIndex(0);
  } catch (...) {
    fw::MsgBox(kDataMissing);
    fw::Quit(0);
  }
}

void Window1::BrowserListBox_Change(const std::shared_ptr<fw::Listbox>&) {
  // The text is found by the row's name, its style table by the row's index.
  try {
    auto self = Self<Window1>();
    auto fork = fw::Need(App()).ResourceFork();
    fw::String name = fw::Need(Find<fw::Listbox>(self, "BrowserListBox")).Text();
    fw::String text = fw::Need(fork).GetNamedResource("TEXT", name);
    int index = fw::Need(Find<fw::Listbox>(self, "BrowserListBox")).ListIndex();
    int id = fw::Need(fork).ResourceID("styl", index);
    fw::String style = fw::Need(fork).GetResource("styl", id);
    fw::Need(fork).Close();
    fw::Need(Find<fw::EditField>(self, "BrowserEditField")).SetText("");
    fw::Need(Find<fw::EditField>(self, "BrowserEditField")).SetTextAndStyle(text, style);
    fw::Need(Find<fw::EditField>(self, "BrowserEditField")).SetSelStart(0);
    SetTitle(fw::String("Korvane: ") + fw::Need(Find<fw::Listbox>(self, "BrowserListBox")).Text());
  } catch (...) {
    fw::MsgBox(kDataMissing);
    fw::Quit(0);
  }
}

void Window1::AddMenuHandlers(const std::shared_ptr<fw::Window>& w) {
  auto window = fw::CheckedCast<Window1>(w);
  AddMenuHandler(menu::kFileClose, fw::MakeDelegate(window, &Window1::FileClose_Action));
}

void Window1::Event_Close() { fw::Quit(0); }

bool Window1::FileClose_Action() {
  fw::Quit(0);
  return false;
}

void Window1::Finish() {
  Show();
  quizing = false;
  // The hint window reports the result: the one left where the run ended,
  // or a new one.
  fw::Need(HintWindow::Instance()).SetTitle("Quiz Results");
  fw::Need(Find<fw::StaticText>(HintWindow::Instance(), "HintText"))
      .SetText("You scored " + fw::Str(score) + " of 20.");
  fw::Need(HintWindow::Instance()).Show();
}

}  // namespace korvane
