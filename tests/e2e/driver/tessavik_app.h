#pragma once
// The real tessavik.exe as a user meets it: started, found on the screen by its title, its
// controls found by class and place, its fields read, and closed.

#include <windows.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "tests/e2e/driver/child_process.h"

namespace tessavik::e2e {

// The program's Windows path (the build passes its Unix path in TESSAVIK_EXE).
std::string tessavikExePath();

class TessavikApp {
public:
    // Starts the program and waits for its main window; nullopt when it does not show.
    static std::optional<TessavikApp> start();

    HWND window() const { return window_; }
    ChildProcess& process() { return process_; }
    const ChildProcess& process() const { return process_; }
    DWORD guiThread() const { return ::GetWindowThreadProcessId(window_, nullptr); }
    // When the main window was first seen visible.
    std::chrono::steady_clock::time_point shownAt() const { return shownAt_; }

    // The control of that name, matched by kind and place; nullptr when there is none.
    HWND control(std::string_view name) const;
    std::string field(std::string_view name) const;
    // The centre of the control, in screen pixels.
    POINT pointIn(std::string_view name) const;
    // Waits until the field reads `expected`; false on time-out.
    bool waitForField(std::string_view name, std::string_view expected,
                      std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;

    // WM_CLOSE, then the exit code once the process has ended.
    std::optional<DWORD> close();
    // Moves the main window (outer rect) so that a field can be brought near a screen edge.
    void moveTo(int left, int top);

private:
    TessavikApp(ChildProcess process, HWND window);
    void findControls();

    ChildProcess process_;
    HWND window_;
    std::chrono::steady_clock::time_point shownAt_;
    std::map<std::string, HWND, std::less<>> controls_;
};

}  // namespace tessavik::e2e
