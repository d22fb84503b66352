#pragma once
// The user's hands: the cursor, mouse clicks and key presses, all through SendInput so that
// they reach the program as real input (SetCursorPos only where a jump is all that matters).

#include <windows.h>

namespace tessavik::e2e {

// Puts the cursor at `p` and waits until the system reports it there.
bool moveCursor(POINT p);
void click(POINT p);
void doubleClick(POINT p);
void pressKey(WORD virtualKey);

POINT centreOf(const RECT& r);

}  // namespace tessavik::e2e
