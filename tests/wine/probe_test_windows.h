#pragma once
// Real windows of the test's own thread, for checking the probe against the window system.
// Xvfb runs no window manager, so every window gets exactly the rectangle it asks for.

#include <windows.h>

#include <string>
#include <vector>

#include "platform/scoped_handles.h"
#include "probe/probe_types.h"

namespace tessavik::wintest {

inline WindowHandle handleOf(HWND h) {
    return platform::handle32FromHwnd(h);
}

// The path of this test program, as the system gives it (Z:\... under Wine).
std::string thisProgramPath();

// Dispatches whatever is queued for the calling thread.
void pumpMessages();

// Registers a window class for its lifetime; the name is GBK bytes, as every literal here.
class TestWindowClass {
  public:
    explicit TestWindowClass(std::string name, WNDPROC procedure = ::DefWindowProcA);
    ~TestWindowClass();
    TestWindowClass(const TestWindowClass&) = delete;
    TestWindowClass& operator=(const TestWindowClass&) = delete;
    const char* name() const { return name_.c_str(); }
    bool registered() const { return atom_ != 0; }

  private:
    std::string name_;
    ATOM atom_;
};

// Top-level windows made here are destroyed, newest first, when the set ends; their children
// and owned pop-ups go with them.
class TestWindows {
  public:
    TestWindows();
    ~TestWindows();
    TestWindows(const TestWindows&) = delete;
    TestWindows& operator=(const TestWindows&) = delete;

    // A visible topmost pop-up window at r (screen pixels).
    HWND topLevel(Rect r, const char* title = "", const char* className = nullptr);
    // A pop-up owned by `owner`, visible, at r (screen pixels).
    HWND ownedPopup(HWND owner, Rect r);
    // A child at r (the parent's client pixels), visible unless asked otherwise.
    HWND child(HWND parent, Rect r, bool visible = true, const char* title = "");

  private:
    HWND create(DWORD exStyle, DWORD style, HWND parent, Rect r, const char* title,
                const char* className);

    TestWindowClass class_;
    std::vector<platform::UniqueWindow> windows_;
};

// The window of probe_other_process_window.exe, started from this program's directory; the
// process is ended when the object ends.
class OtherProcessWindow {
  public:
    static constexpr const char* kClassName = "TessavikOtherProcessWindow";
    static constexpr Rect kRect{700, 600, 900, 700};

    // answers: the process serves its messages; otherwise it never takes one.
    explicit OtherProcessWindow(bool answers);
    ~OtherProcessWindow();
    OtherProcessWindow(const OtherProcessWindow&) = delete;
    OtherProcessWindow& operator=(const OtherProcessWindow&) = delete;

    HWND window() const { return window_; }  // nullptr when it did not appear
    DWORD processId() const { return processId_; }
    const std::string& programPath() const { return programPath_; }

  private:
    std::string programPath_;
    platform::UniqueKernelHandle process_;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
};

}  // namespace tessavik::wintest
