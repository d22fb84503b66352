#pragma once
// Reading windows of another process as a user's tools would: texts, classes, rectangles,
// styles, and the windows that belong to a process.

#include <windows.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace tessavik::e2e {

// WM_GETTEXT, answered by the window's own thread (the program's thread may be inside a tick
// for ~200 ms, so the wait is generous): the raw narrow bytes before the first zero.
std::string windowText(HWND window);
std::string className(HWND window);
RECT windowRect(HWND window);
// The window's outer rectangle in the client coordinates of `reference`.
RECT rectInClientOf(HWND window, HWND reference);
LONG_PTR windowStyle(HWND window);
LONG_PTR windowExStyle(HWND window);
DWORD processOf(HWND window);

// All descendants of `parent`, at every depth.
std::vector<HWND> descendantsOf(HWND parent);
// The top-level windows that `pid` owns.
std::vector<HWND> topLevelWindowsOf(DWORD pid);
// The visible top-level window of `pid` with exactly this title, once it shows; nullptr on time-out.
HWND waitForVisibleWindow(DWORD pid, std::string_view title, std::chrono::milliseconds timeout);

inline bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
// "left,top-right,bottom", for comparisons whose failure should say where a window is.
std::string rectText(const RECT& r);

}  // namespace tessavik::e2e
