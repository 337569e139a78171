// The menu items' names: the only key by which handlers, enabling and
// lookups find an item.
#pragma once

namespace korvane::menu {

inline constexpr const char* kFileMenu = "FileMenu";
inline constexpr const char* kFileQuit = "FileQuit";
inline constexpr const char* kFileClose = "FileClose";
inline constexpr const char* kEditMenu = "UntitledMenu0";
inline constexpr const char* kEditUndo = "EditUndo";
inline constexpr const char* kEditSeparator = "UntitledMenu1";
inline constexpr const char* kEditCut = "EditCut";
inline constexpr const char* kEditCopy = "EditCopy";
inline constexpr const char* kEditPaste = "EditPaste";
inline constexpr const char* kEditClear = "EditClear";
inline constexpr const char* kQuizMenu = "QuizMenu";
inline constexpr const char* kQuiz1Menu = "Quiz1Menu";
inline constexpr const char* kQuiz2Menu = "Quiz2Menu";
inline constexpr const char* kQuiz3Menu = "Quiz3Menu";
inline constexpr const char* kHelpMenu = "HelpMenuItem";
inline constexpr const char* kAboutAuthorsMenu = "AboutAuthorsMenu";
inline constexpr const char* kAboutMenu = "AboutMenu";

}  // namespace korvane::menu
