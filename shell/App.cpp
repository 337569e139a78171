#include "shell/App.h"

#include "framework/Controls.h"
#include "framework/Delegate.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "quiz/Module1.h"
#include "quiz/RireradQuiz.h"
#include "shell/AboutBox.h"
#include "shell/AboutWindow.h"
#include "shell/HelpText.h"
#include "shell/MenuNames.h"

namespace korvane {
namespace {

template <class T>
std::shared_ptr<T> ItemNamed(const char* name) {
  auto app = App();
  auto bar = fw::Need(app).MenuBar();
  return fw::CheckedCast<T>(fw::Need(bar).Lookup(name));
}

}  // namespace

std::shared_ptr<Class1> App() { return fw::CheckedCast<Class1>(fw::GetAppObject()); }

void ApplicationAddMenuHandlers() {
  struct Row {
    const char* item;
    bool (Class1::*handler)();
  };
  static constexpr Row kRows[] = {
      {menu::kQuiz1Menu, &Class1::Quiz1Menu_Action},
      {menu::kQuiz2Menu, &Class1::Quiz2Menu_Action},
      {menu::kQuiz3Menu, &Class1::Quiz3Menu_Action},
      {menu::kAboutMenu, &Class1::AboutMenu_Action},
      {menu::kAboutAuthorsMenu, &Class1::AboutAuthorsMenu_Action},
      {menu::kFileClose, &Class1::FileClose_Action},
  };
  for (const Row& row : kRows) {
    auto app = App();
    fw::Need(app).AddMenuHandler(row.item, fw::MakeDelegate(app, row.handler));
  }
}

std::shared_ptr<fw::MenuItem> Quiz1Menu() { return ItemNamed<fw::MenuItem>(menu::kQuiz1Menu); }
std::shared_ptr<fw::MenuItem> Quiz2Menu() { return ItemNamed<fw::MenuItem>(menu::kQuiz2Menu); }
std::shared_ptr<fw::MenuItem> Quiz3Menu() { return ItemNamed<fw::MenuItem>(menu::kQuiz3Menu); }
std::shared_ptr<fw::AppleMenuItem> AboutMenu() { return ItemNamed<fw::AppleMenuItem>(menu::kAboutMenu); }
std::shared_ptr<fw::MenuItem> AboutAuthorsMenu() {
  return ItemNamed<fw::MenuItem>(menu::kAboutAuthorsMenu);
}
std::shared_ptr<fw::MenuItem> FileClose() { return ItemNamed<fw::MenuItem>(menu::kFileClose); }

void Class1::Event_Open() {}

void Class1::Event_EnableMenuItems() {
  if (!quizing) {
    fw::Need(Quiz1Menu()).Enable();
    fw::Need(Quiz2Menu()).Enable();
    fw::Need(Quiz3Menu()).Enable();
  }
  fw::Need(AboutMenu()).Enable();
  fw::Need(AboutAuthorsMenu()).Enable();
  fw::Need(FileClose()).Enable();
}

namespace {

// The run's title is in place before its first scenario shows.
bool StartQuiz(std::int32_t n) {
  fw::Need(RireradQuiz::Instance()).SetTitle("Rirerad Quiz #" + fw::Str(n));
  LoadQuiz(n);
  return false;
}

}  // namespace

bool Class1::Quiz1Menu_Action() { return StartQuiz(1); }
bool Class1::Quiz2Menu_Action() { return StartQuiz(2); }
bool Class1::Quiz3Menu_Action() { return StartQuiz(3); }

bool Class1::AboutMenu_Action() {
  auto box = AboutBox::Instance();
  fw::Need(box).Show();
  return false;
}

// Sets the help text every time, replacing the field's whole text, so a
// second choice leaves one copy in the one window.
bool Class1::AboutAuthorsMenu_Action() {
  {
    auto window = AboutWindow::Instance();
    // A nil window raises NilObjectException in the lookup.
    auto field = fw::CheckedCast<fw::EditField>(fw::RuntimeWindowControlByName(window, "EditField1"));
    fw::Need(field).SetText(HelpText());
  }
  fw::Need(AboutWindow::Instance()).Show();
  return false;
}

// The windows close themselves; the application has nothing to do.
bool Class1::FileClose_Action() { return false; }

}  // namespace korvane
