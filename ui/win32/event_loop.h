#pragma once
// The program's one event loop.

#include "ui/win32/main_window.h"

namespace tessavik::ui {

// Fetches, lets the main window look at, translates and dispatches messages until the quit
// message arrives; returns the quit message's code (-1 if the system's queue failed).
int runEventLoop(MainWindow& window);

}  // namespace tessavik::ui
