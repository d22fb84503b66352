#pragma once
// The program's balloon tip as another application sees it: a top-level window of its own class
// whose text is the text shown, and the point its anchor's apex touches, read off its rectangle.

#include <windows.h>

#include <string>

namespace tessavik::e2e {

inline constexpr char kBalloonClass[] = "TessavikBalloon";

// The tip window of `pid`, visible or not; nullptr when it has none.
HWND balloonOf(DWORD pid);
bool balloonShows(DWORD pid);

// The window spans the body (B x H), the anchor 16 pixels deep, and the shadow 5 right and
// 3 down. The apex is 16 pixels in from the body's left end (right end when flipped sideways),
// on the bottom (top when flipped down).
// The apex for each of the four placements, from the window's rectangle.
POINT apexOf(const RECT& window, bool anchorAtRight, bool anchorOnTop);

}  // namespace tessavik::e2e
