// Real user input for tests: mouse presses, key presses, menu choices and
// close boxes go through Qt's event system to the framework's widgets, and
// what reaches the screen can be read back. Only tests link this.
#pragma once

#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/String.h"
#include "framework/Window.h"

namespace fw::testing {

// A left mouse press and release in the middle of the control, delivered to
// whatever widget lies there.
void Click(const RectControl& control);
// The same at (x, y) of the window's content area.
void ClickInWindow(const Window& window, int x, int y);
// Typing a key into the window as the user would (to its focus widget).
void TypeKey(const Window& window, char key);
void PressReturn(const Window& window);
// A shortcut such as "Cmd+W" typed into the window; returns false when the
// window is not on screen.
bool PressShortcut(const Window& window, const std::string& shortcut);
// The window system's close request, as from the close box.
void ClickCloseBox(const Window& window);
// Opens the menu holding the item (menus refresh) and chooses the item if it
// is enabled then; returns whether it was chosen.
bool ChooseMenuItem(const String& itemName);
// Whether the item is enabled after the menus' refresh.
bool IsMenuItemEnabled(const String& itemName);
// Selects a row with the mouse.
void ClickRow(const Listbox& list, int row);

// What reached the screen.
bool IsOnScreen(const Window& window);
bool IsOnScreen(const RectControl& control);
std::vector<std::string> MenuBarTitles(const Window& window);
// The window's content area on screen: size and position within the window.
struct Box {
  int left, top, width, height;
};
Box ContentBox(const Window& window);
Box GeometryOf(const RectControl& control);
// The text a label, button or field shows (line ends as LF).
std::string ShownText(const RectControl& control);
// The style of the character at `index` (characters from 0) of a field.
struct CharStyle {
  std::string family;
  int pixelSize = 0;
  bool bold = false, italic = false, underline = false;
  Color color{0, 0, 0};
};
CharStyle StyleAt(const EditField& field, int index);
// Layout of a control's text: the width in pixels of `text` (one line) in
// the control's font, and the number of lines a label shows at its width.
int TextWidth(const RectControl& control, const std::string& text);
int ShownLineCount(const RectControl& label);
// Whether the field has the keyboard focus.
bool HasFocus(const RectControl& control);
// The colour of a pixel of the window's content as drawn.
Color PixelAt(const Window& window, int x, int y);
// A PNG picture of one colour.
std::string SolidPng(int width, int height, Color color);

}  // namespace fw::testing
