#include "tests/wine/probe_test_windows.h"

#include <utility>

namespace tessavik::wintest {

namespace {
// Under Wine's X11 driver without a window manager, a top-level window created visible (and so
// activated) takes two seconds to go away; one created hidden and shown without activation goes
// at once.
void showWithoutActivation(HWND h) {
    ::ShowWindow(h, SW_SHOWNOACTIVATE);
}
}  // namespace

std::string thisProgramPath() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

void pumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

TestWindowClass::TestWindowClass(std::string name, WNDPROC procedure)
    : name_(std::move(name)), atom_(0) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = name_.c_str();
    atom_ = ::RegisterClassA(&wc);
}

TestWindowClass::~TestWindowClass() {
    if (atom_)
        ::UnregisterClassA(name_.c_str(), ::GetModuleHandleA(nullptr));
}

TestWindows::TestWindows() : class_("TessavikProbeTestWindow") {}

TestWindows::~TestWindows() {
    while (!windows_.empty()) windows_.pop_back();
}

HWND TestWindows::topLevel(Rect r, const char* title, const char* className) {
    HWND h = create(WS_EX_TOPMOST, WS_POPUP, nullptr, r, title, className);
    showWithoutActivation(h);
    windows_.emplace_back(h);
    return h;
}

HWND TestWindows::ownedPopup(HWND owner, Rect r) {
    HWND h = create(0, WS_POPUP, owner, r, "", nullptr);
    showWithoutActivation(h);
    windows_.emplace_back(h);
    return h;
}

HWND TestWindows::child(HWND parent, Rect r, bool visible, const char* title) {
    return create(0, WS_CHILD | (visible ? WS_VISIBLE : 0u), parent, r, title, nullptr);
}

HWND TestWindows::create(DWORD exStyle, DWORD style, HWND parent, Rect r, const char* title,
                         const char* className) {
    HWND h = ::CreateWindowExA(exStyle, className ? className : class_.name(), title, style, r.left,
                               r.top, r.right - r.left, r.bottom - r.top, parent, nullptr,
                               ::GetModuleHandleA(nullptr), nullptr);
    pumpMessages();
    return h;
}

OtherProcessWindow::OtherProcessWindow(bool answers) {
    const std::string self = thisProgramPath();
    programPath_ = self.substr(0, self.rfind('\\') + 1) + "probe_other_process_window.exe";
    std::string commandLine = "\"" + programPath_ + "\"" + (answers ? " answer" : "");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessA(programPath_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                          nullptr, nullptr, &startup, &started)) {
        return;
    }
    process_.reset(started.hProcess);
    ::CloseHandle(started.hThread);
    processId_ = started.dwProcessId;
    for (int i = 0; i < 200 && !window_; ++i) {
        window_ = ::FindWindowA(kClassName, nullptr);
        if (!window_)
            ::Sleep(50);
    }
}

OtherProcessWindow::~OtherProcessWindow() {
    if (!process_)
        return;
    ::TerminateProcess(process_.get(), 0);
    ::WaitForSingleObject(process_.get(), 10000);
}

}  // namespace tessavik::wintest
