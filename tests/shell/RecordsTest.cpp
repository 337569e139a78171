// What the program declares as data, decoded to one line an entry and held
// against declared.golden: every window's record and its controls' records,
// the menu bar and the file type. A deliberate change is taken by
//   KORVANE_UPDATE_GOLDEN=1 build/shell_tests --gtest_filter=Declared.AsInTheGoldenFile
// and then reviewed in the diff.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "browser/Window1.h"
#include "codec/PropertyRecord.h"
#include "framework/FileType.h"
#include "framework/Testing.h"
#include "quiz/HintWindow.h"
#include "quiz/ResultsWindow.h"
#include "quiz/RireradQuiz.h"
#include "shell/AboutBox.h"
#include "shell/AboutWindow.h"
#include "shell/App.h"
#include "tests/support/Program.h"

namespace korvane {
namespace {

// Control bytes escaped, so that every entry is one readable line.
std::string Quoted(const std::string& bytes) {
  const char* hex = "0123456789abcdef";
  std::string out = "\"";
  for (char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    out += c == '\r'  ? std::string("\\r")
           : u < 0x20 ? std::string{'\\', 'x', hex[u >> 4], hex[u & 15]}
                      : std::string(1, c);
  }
  return out + "\"";
}

void Describe(std::ostream& out, const std::string& record) {
  for (const auto& e : codec::DecodeRecord(record)) {
    out << "  " << e.name << ' ';
    if (auto* i = std::get_if<std::int32_t>(&e.value)) out << "integer " << *i;
    if (auto* b = std::get_if<bool>(&e.value)) out << "boolean " << (*b ? "true" : "false");
    if (auto* c = std::get_if<codec::Color>(&e.value))
      out << "colour " << int(c->red) << ' ' << int(c->green) << ' ' << int(c->blue);
    if (auto* s = std::get_if<std::string>(&e.value)) out << "string " << Quoted(*s);
    out << '\n';
  }
}

template <class W>
void DescribeWindow(std::ostream& out) {
  out << "window " << W::kClassName << '\n';
  Describe(out, W::WindowRecord());
  for (const auto& control : W::Declared()) {
    out << "control " << control.Name() << '\n';
    Describe(out, control.Record());
    // The control is added and found under its table name, its record names it.
    for (const auto& e : codec::DecodeRecord(control.Record()))
      if (e.canonical == "Name") {
        EXPECT_EQ(std::get<std::string>(e.value), control.Name());
      }
  }
}

void DescribeMenu(std::ostream& out, const fw::MenuItem& menu, const std::string& indent) {
  for (int i = 0; i < menu.Count(); ++i) {
    auto item = menu.Item(i);
    out << indent << item->Name().Bytes() << ' ' << Quoted(item->Text().Bytes()) << " shortcut "
        << Quoted(item->KeyboardShortcut().Bytes()) << (item->AutoEnable() ? " autoenable" : "")
        << (std::dynamic_pointer_cast<fw::QuitMenuItem>(item) ? " quit" : "")
        << (std::dynamic_pointer_cast<fw::AppleMenuItem>(item) ? " application-menu" : "") << '\n';
    DescribeMenu(out, *item, indent + "  ");
  }
}

using Declared = test::ProgramTest;

// Every record names only properties that the receiving class sets or lists
// as deliberately ignored: a misspelt or misplaced name in a declaration
// fails here instead of passing unseen.
TEST_F(Declared, EveryShippedWindowAppliesItsRecordsUnderTheStrictPropertyCheck) {
  fw::testing::SetStrictProperties(true);
  StartWithRealData();  // the main window: a failure there is reported as a message
  EXPECT_NO_THROW((RireradQuiz::Instance(), HintWindow::Instance(), ResultsWindow::Instance(),
                   AboutBox::Instance(), AboutWindow::Instance()));
  fw::testing::SetStrictProperties(false);
  EXPECT_EQ(messages, std::vector<std::string>{});
}

TEST_F(Declared, AsInTheGoldenFile) {
  StartWithRealData();
  std::ostringstream now;
  DescribeWindow<Window1>(now);
  DescribeWindow<RireradQuiz>(now);
  DescribeWindow<HintWindow>(now);
  DescribeWindow<ResultsWindow>(now);
  DescribeWindow<AboutBox>(now);
  DescribeWindow<AboutWindow>(now);
  now << "menu bar\n";
  DescribeMenu(now, *App()->MenuBar(), "  ");
  for (const auto& t : fw::RegisteredFileTypes())
    now << "file type " << Quoted(t.name.Bytes()) << " type " << Quoted(t.type.Bytes()) << " creator "
        << Quoted(t.creator.Bytes()) << " extensions " << Quoted(t.extensions.Bytes()) << '\n';

  if (std::getenv("KORVANE_UPDATE_GOLDEN")) {
    std::ofstream(KORVANE_GOLDEN_FILE, std::ios::binary) << now.str();
    GTEST_SKIP() << "wrote " << KORVANE_GOLDEN_FILE;
  }
  std::ifstream file(KORVANE_GOLDEN_FILE, std::ios::binary);
  ASSERT_TRUE(file) << KORVANE_GOLDEN_FILE << " is missing";
  std::istringstream actual(now.str());
  std::string want, got, section;
  for (int line = 1;; ++line) {
    const bool moreWanted = static_cast<bool>(std::getline(file, want));
    const bool moreGot = static_cast<bool>(std::getline(actual, got));
    if (!moreWanted && !moreGot) break;
    if (!moreWanted) want = "<end>";
    if (!moreGot) got = "<end>";
    ASSERT_EQ(want, got) << "first difference at line " << line << " of " << KORVANE_GOLDEN_FILE << ", in "
                         << section << " (KORVANE_UPDATE_GOLDEN=1 rewrites it)";
    if (!want.starts_with(' ')) section = want;
  }
}

}  // namespace
}  // namespace korvane
