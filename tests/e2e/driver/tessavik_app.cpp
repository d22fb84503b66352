#include "tests/e2e/driver/tessavik_app.h"

#include <cstring>
#include <vector>

#include "tests/e2e/driver/input.h"
#include "tests/e2e/driver/main_window_layout.h"
#include "tests/e2e/driver/wait_until.h"
#include "tests/e2e/driver/window_query.h"

namespace tessavik::e2e {

namespace {

// What identifies a control from outside: its class, its button type, its place.
struct SeenControl {
    HWND window;
    std::string className;
    LONG_PTR buttonType;
    RECT rect;  // in the main window's client area
};

bool hasKind(const SeenControl& c, ControlKind kind) {
    const bool edit = _stricmp(c.className.c_str(), "Edit") == 0;
    const bool button = _stricmp(c.className.c_str(), "Button") == 0;
    switch (kind) {
        case ControlKind::Edit: return edit;
        case ControlKind::GroupBox: return button && c.buttonType == BS_GROUPBOX;
        case ControlKind::CheckBox: return button && c.buttonType == BS_AUTOCHECKBOX;
        case ControlKind::Label: return !edit && !button;
    }
    return false;
}

}  // namespace

std::string tessavikExePath() {
#ifdef TESSAVIK_EXE
    return windowsPathOf(TESSAVIK_EXE);
#else
    return {};
#endif
}

std::optional<TessavikApp> TessavikApp::start() {
    auto process = ChildProcess::launch(tessavikExePath());
    if (!process) return std::nullopt;
    HWND window = waitForVisibleWindow(process->pid(), kMainWindowTitle, std::chrono::seconds(15));
    if (!window) return std::nullopt;
    return TessavikApp(std::move(*process), window);
}

TessavikApp::TessavikApp(ChildProcess process, HWND window)
    : process_(std::move(process)), window_(window), shownAt_(std::chrono::steady_clock::now()) {
    findControls();
}

void TessavikApp::findControls() {
    std::vector<SeenControl> seen;
    for (HWND child : descendantsOf(window_)) {
        seen.push_back({child, className(child), windowStyle(child) & BS_TYPEMASK, rectInClientOf(child, window_)});
    }
    for (const auto& row : kMainWindowControls) {
        const RECT expected{row.left, row.top, row.left + row.width, row.top + row.height};
        for (const auto& c : seen) {
            if (hasKind(c, row.kind) && sameRect(c.rect, expected)) {
                controls_.emplace(std::string(row.name), c.window);
                break;
            }
        }
    }
}

HWND TessavikApp::control(std::string_view name) const {
    auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

std::string TessavikApp::field(std::string_view name) const {
    HWND box = control(name);
    return box ? windowText(box) : std::string{};
}

POINT TessavikApp::pointIn(std::string_view name) const { return centreOf(windowRect(control(name))); }

bool TessavikApp::waitForField(std::string_view name, std::string_view expected,
                               std::chrono::milliseconds timeout) const {
    return waitUntil([&] { return field(name) == expected; }, timeout, 20ms);
}

std::optional<DWORD> TessavikApp::close() {
    ::PostMessageA(window_, WM_CLOSE, 0, 0);
    return process_.waitForExit(std::chrono::seconds(5));
}

void TessavikApp::moveTo(int left, int top) {
    ::SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    waitUntil([&] {
        const RECT r = windowRect(window_);
        return r.left == left && r.top == top;
    });
}

}  // namespace tessavik::e2e
