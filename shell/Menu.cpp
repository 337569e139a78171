#include "shell/Menu.h"

#include "framework/Runtime.h"
#include "shell/MenuNames.h"

namespace korvane {
namespace {

std::shared_ptr<Menu>& Global() {
  static std::shared_ptr<Menu> instance;
  return instance;
}

enum class Kind { Plain, Quit, Apple };

struct Row {
  const char* parent;  // nullptr: a menu of the bar
  const char* name;
  Kind kind;
  const char* text;
  const char* shortcut;  // nullptr: never set (the separator)
  bool autoEnable;
};

std::shared_ptr<fw::MenuItem> NewItem(Kind kind) {
  switch (kind) {
    case Kind::Quit: return fw::NewObject<fw::QuitMenuItem>();
    case Kind::Apple: return fw::NewObject<fw::AppleMenuItem>();
    default: return fw::NewObject<fw::MenuItem>();
  }
}

void Build(Menu& bar, std::initializer_list<Row> rows) {
  for (const Row& row : rows) {
    auto item = NewItem(row.kind);
    fw::Need(item).SetName(row.name);
    fw::Need(item).SetAutoEnable(row.autoEnable);
    fw::Need(item).SetText(row.text);
    if (row.shortcut) fw::Need(item).SetKeyboardShortcut(row.shortcut);
    if (!row.parent) {
      bar.Append(item);
    } else {
      auto menu = bar.Child(row.parent);
      fw::Need(menu).Append(item);
    }
  }
}

}  // namespace

std::shared_ptr<Menu> Menu::Instance() {
  if (!Global()) {
    auto fresh = fw::NewObject<Menu>();
    fw::Need(fresh).Constructor();
    // Stored only once it is whole, so a failed build leaves nothing behind.
    Global() = fresh;
  }
  return Global();
}

void Menu::Release() { Global().reset(); }

bool Menu::IsReleased() { return !Global(); }

void Menu::Constructor() {
  Untitled1();
  Untitled2();
  Untitled3();
  Untitled4();
}

using namespace menu;

void Menu::Untitled1() {
  Build(*this, {
                   {nullptr, kFileMenu, Kind::Plain, "File", "", false},
                   {kFileMenu, kFileQuit, Kind::Quit, "Quit", "Cmd+Q", true},
                   {kFileMenu, kFileClose, Kind::Plain, "Close", "Cmd+W", true},
               });
}

void Menu::Untitled2() {
  Build(*this, {
                   {nullptr, kEditMenu, Kind::Plain, "Edit", "", false},
                   {kEditMenu, kEditUndo, Kind::Plain, "Undo", "Cmd+Z", false},
                   {kEditMenu, kEditSeparator, Kind::Plain, "-", nullptr, false},
                   {kEditMenu, kEditCut, Kind::Plain, "Cut", "Cmd+X", false},
                   {kEditMenu, kEditCopy, Kind::Plain, "Copy", "Cmd+C", false},
                   {kEditMenu, kEditPaste, Kind::Plain, "Paste", "Cmd+V", false},
                   {kEditMenu, kEditClear, Kind::Plain, "Clear", "", false},
               });
}

void Menu::Untitled3() {
  Build(*this, {
                   {nullptr, kQuizMenu, Kind::Plain, "Quiz", "", false},
                   {kQuizMenu, kQuiz1Menu, Kind::Plain, "Quiz #1...", "Cmd+1", false},
                   {kQuizMenu, kQuiz2Menu, Kind::Plain, "Quiz #2...", "Cmd+2", false},
                   {kQuizMenu, kQuiz3Menu, Kind::Plain, "Quiz #3...", "Cmd+3", false},
               });
}

void Menu::Untitled4() {
  Build(*this, {
                   {nullptr, kHelpMenu, Kind::Plain, "Help", "", false},
                   {kHelpMenu, kAboutAuthorsMenu, Kind::Plain, "Rirerad Help...", "", false},
                   {kHelpMenu, kAboutMenu, Kind::Apple, "About Korvane...", "", false},
               });
}

}  // namespace korvane
