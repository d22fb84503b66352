#pragma once
// The probe's window system on Win32: every operation is the Win32 call it is named after, with
// the probe's small value types mapped to the system's. Window texts are read with a bounded wait
// so that a target whose thread does not answer cannot hold the probe.

#include "probe/probe_platform.h"

namespace tessavik::platform {

class Win32ProbePlatform : public ProbePlatform {
  public:
    // How long one text message may wait for the target's thread.
    static constexpr unsigned kTextMessageTimeoutMs = 100;

    std::optional<Point> GetCursorPos() override;
    WindowHandle WindowFromPoint(Point p) override;
    bool GetWindowRect(WindowHandle w, Rect& r) override;
    WindowHandle GetParent(WindowHandle w) override;
    WindowHandle GetWindow(WindowHandle w, std::uint32_t cmd) override;
    bool IsWindowVisible(WindowHandle w) override;
    bool IsWindow(WindowHandle w) override;
    std::optional<std::int64_t> SendGetTextLength(WindowHandle w) override;
    std::string SendGetText(WindowHandle w, std::size_t capacity) override;
    std::string GetClassNameA(WindowHandle w, std::size_t capacity) override;
    WindowHandle GetAncestor(WindowHandle w, std::uint32_t flags) override;
    std::uint32_t GetWindowThreadProcessId(WindowHandle w, std::uint32_t* processId) override;

    SnapshotHandle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId) override;
    bool Module32First(SnapshotHandle snapshot, ModuleRecord& record) override;
    void CloseHandle(SnapshotHandle snapshot) override;

    WindowHandle GetDesktopWindow() override;
    DcHandle GetWindowDC(WindowHandle w) override;
    int SetROP2(DcHandle dc, int mode) override;
    GdiObject CreatePen(int style, int width, std::uint32_t color) override;
    GdiObject SelectObject(DcHandle dc, GdiObject object) override;
    bool Rectangle(DcHandle dc, int left, int top, int right, int bottom) override;
    void Sleep(std::uint32_t milliseconds) override;
    bool DeleteObject(GdiObject object) override;
    int ReleaseDC(WindowHandle w, DcHandle dc) override;
};

}  // namespace tessavik::platform
