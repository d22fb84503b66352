#pragma once
// Start-up and shutdown of the program.

#include <windows.h>

namespace tessavik::app {

// Resets the floating-point state to its defaults: rounding to nearest, all exceptions masked.
void resetFloatingPoint();

// Starts the program, runs its event loop and returns the quit message's code. A main window
// that cannot be built, or memory that cannot be had, ends the process with an error box and
// exit code -1.
int runTessavik(HINSTANCE instance);

}  // namespace tessavik::app
