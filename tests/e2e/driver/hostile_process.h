#pragma once
// Starting the hostile-window fixture (tessavik_hostile.exe) in one of its modes.

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "tests/e2e/driver/child_process.h"

namespace tessavik::e2e {

// The fixture's Windows path (the build passes its Unix path in TESSAVIK_HOSTILE_EXE).
std::string hostileExePath();

struct HostileProcess {
    ChildProcess process;
    HWND window;  // its top-level window, visible
};

// Starts the fixture in `mode` with its top-level window at `rect` and waits until it shows and
// its thread has gone idle.
std::optional<HostileProcess> startHostile(const std::string& mode, const RECT& rect,
                                           std::chrono::milliseconds timeout = std::chrono::seconds(30));

}  // namespace tessavik::e2e
