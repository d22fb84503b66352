#pragma once
// The window classes of the toolkit's own: the main window, the label and the timer window.

#include <windows.h>

namespace tessavik::ui {

inline constexpr const char* kMainWindowClass = "TessavikWindow";
inline constexpr const char* kLabelClass = "TessavikLabel";
inline constexpr const char* kTimerClass = "TessavikTimer";

// Registers the three classes once per process; false when the system refused one.
bool registerWindowClasses(HINSTANCE instance, WNDPROC mainWindowProc);

}  // namespace tessavik::ui
