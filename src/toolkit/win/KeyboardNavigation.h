#pragma once

#include <windows.h>

namespace s::gui::win {

// The Tab key moves the keyboard focus to the next control that takes it
// (Shift+Tab to the one before) among those the user can see, in the order
// they read; true when it did, and the key then goes no further.
bool moveFocusByTab(HWND root, const MSG& msg);

// An arrow key on a radio button moves to the next (Right, Down) or the
// previous (Left, Up) shown radio button of its box, wrapping round, and
// checks it as a click would; true when it did.
bool moveAmongRadios(HWND root, const MSG& msg);

// Enter on a push button presses it, as Space does; true when it did. Enter
// elsewhere is left to the window (its default action).
bool pressFocusedButton(HWND root, const MSG& msg);

} // namespace s::gui::win
