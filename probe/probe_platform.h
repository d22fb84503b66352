#pragma once
// The probe's interface over the window system. Each operation bears the name of the Win32 call
// (or message) behind it, so that the probe's logic reads like the system it drives and can run
// against a scripted desktop without Windows. Win32ProbePlatform (platform/) is the real one.

#include <cstdint>
#include <optional>
#include <string>

#include "probe/probe_types.h"

namespace tessavik {

// Opaque system handles as the probe sees them; 0 is "none".
using SnapshotHandle = std::uintptr_t;
using DcHandle = std::uintptr_t;
using GdiObject = std::uintptr_t;

inline constexpr SnapshotHandle kInvalidSnapshot = ~SnapshotHandle{0};  // INVALID_HANDLE_VALUE

inline constexpr std::uint32_t kGwHwndNext = 2;        // GW_HWNDNEXT
inline constexpr std::uint32_t kGaRoot = 2;            // GA_ROOT
inline constexpr std::uint32_t kTh32csSnapModule = 8;  // TH32CS_SNAPMODULE
inline constexpr int kR2NotXorPen = 10;                // R2_NOTXORPEN
inline constexpr int kPsSolid = 0;                     // PS_SOLID

// The part of a MODULEENTRY32 record that the probe reads: the zero-terminated narrow path of
// the module file. The platform fills the system's own record (548 bytes in a 32-bit process,
// longer in a 64-bit one) and copies the path field here.
struct ModuleRecord {
    char exePath[260] = {};
};

class ProbePlatform {
public:
    virtual ~ProbePlatform() = default;

    // --- window queries ---
    // The cursor in screen pixels; nullopt when it cannot be read.
    virtual std::optional<Point> GetCursorPos() = 0;
    virtual WindowHandle WindowFromPoint(Point p) = 0;
    // Fills r and returns true; on failure returns false and leaves r as it was.
    virtual bool GetWindowRect(WindowHandle w, Rect& r) = 0;
    virtual WindowHandle GetParent(WindowHandle w) = 0;
    virtual WindowHandle GetWindow(WindowHandle w, std::uint32_t cmd) = 0;
    virtual bool IsWindowVisible(WindowHandle w) = 0;
    virtual bool IsWindow(WindowHandle w) = 0;
    // WM_GETTEXTLENGTH with a bounded wait: an upper bound, in bytes of the narrow code page, of
    // the window's text length as the window answered it (possibly negative or huge from a broken
    // window); nullopt when the window did not answer in time.
    virtual std::optional<std::int64_t> SendGetTextLength(WindowHandle w) = 0;
    // WM_GETTEXT with a bounded wait into a buffer of `capacity` bytes (first byte zeroed): the
    // bytes before the first zero, at most capacity - 1 of them; empty on time-out or failure.
    virtual std::string SendGetText(WindowHandle w, std::size_t capacity) = 0;
    // The class name cut to capacity - 1 bytes; empty on failure.
    virtual std::string GetClassNameA(WindowHandle w, std::size_t capacity) = 0;
    virtual WindowHandle GetAncestor(WindowHandle w, std::uint32_t flags) = 0;
    // The creating thread's id (0 on failure); *processId, set to 0 first, gets the process id.
    virtual std::uint32_t GetWindowThreadProcessId(WindowHandle w, std::uint32_t* processId) = 0;

    // --- module snapshot ---
    virtual SnapshotHandle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId) = 0;
    // Fills the record with the first module and returns true; on failure leaves it as it was.
    virtual bool Module32First(SnapshotHandle snapshot, ModuleRecord& record) = 0;
    virtual void CloseHandle(SnapshotHandle snapshot) = 0;

    // --- drawing on the desktop ---
    virtual WindowHandle GetDesktopWindow() = 0;
    virtual DcHandle GetWindowDC(WindowHandle w) = 0;  // 0 on failure
    virtual int SetROP2(DcHandle dc, int mode) = 0;    // the previous mode
    virtual GdiObject CreatePen(int style, int width, std::uint32_t color) = 0;  // 0 on failure
    virtual GdiObject SelectObject(DcHandle dc, GdiObject object) = 0;  // the previous object
    virtual bool Rectangle(DcHandle dc, int left, int top, int right, int bottom) = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    virtual bool DeleteObject(GdiObject object) = 0;
    virtual int ReleaseDC(WindowHandle w, DcHandle dc) = 0;
};

}  // namespace tessavik
