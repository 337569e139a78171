#include "browser/Window1.h"

#include "codec/ContentIds.h"
#include "framework/ResourceFork.h"
#include "framework/Runtime.h"
#include "quiz/HintWindow.h"
#include "quiz/Module1.h"
#include "shell/App.h"
#include "shell/Menu.h"
#include "shell/MenuNames.h"

namespace korvane {

using namespace declare;

WindowLook Window1::Look() {
  return {
      .width = 625, .height = 432,
      .minWidth = 625, .minHeight = 432, .maxWidth = 3000, .maxHeight = 3000,
      .title = "",
      .resizeable = true, .liveResize = true, .maximizeButton = true, .minimizeButton = true,
  };
}

ControlTable Window1::Declare() {
  return {
      // The reader: styled, locked to every edge, one pixel past the window's.
      EditField("BrowserEditField", {180, 0, 446, 418}, 0, {.styled = true, .textSize = 12, .textFont = "System"},
                {.locks = kEveryEdge}),
      Listbox("BrowserListBox", {0, 0, 181, 418}, 1, {.locks = {.left = true, .top = true, .bottom = true}})
          .On("Open", &Window1::BrowserListBox_Open)
          .On("Change", &Window1::BrowserListBox_Change),
  };
}

void Window1::Layout() {
  SetMenuBar(Menu::Instance());
  DeclaredWindow::Layout();
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
  BindMenuHandler(w, menu::kFileClose, &Window1::FileClose_Action);
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
