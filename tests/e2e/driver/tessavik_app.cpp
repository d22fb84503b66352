#include "tests/e2e/driver/tessavik_app.h"

#include <cstring>

#include "tests/e2e/driver/input.h"
#include "tests/e2e/driver/main_window_layout.h"
#include "tests/e2e/driver/wait_until.h"
#include "tests/e2e/driver/window_query.h"

namespace tessavik::e2e {

namespace {

bool hasKind(HWND window, ControlKind kind) {
    const std::string name = className(window);
    const bool edit = _stricmp(name.c_str(), "Edit") == 0;
    const bool button = _stricmp(name.c_str(), "Button") == 0;
    const auto type = windowStyle(window) & BS_TYPEMASK;
    switch (kind) {
        case ControlKind::Edit: return edit;
        case ControlKind::GroupBox: return button && type == BS_GROUPBOX;
        case ControlKind::CheckBox: return button && type == BS_AUTOCHECKBOX;
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
    const auto children = descendantsOf(window_);
    for (const auto& row : kMainWindowControls) {
        const RECT expected{row.left, row.top, row.left + row.width, row.top + row.height};
        for (HWND child : children) {
            if (hasKind(child, row.kind) && sameRect(rectInClientOf(child, window_), expected)) {
                controls_.emplace(std::string(row.name), child);
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
