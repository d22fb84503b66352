#include "platform/win32_probe_platform.h"

#include <windows.h>
// after <windows.h>, whose types it uses
#include <tlhelp32.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstring>
#include <limits>
#include <vector>

#include "platform/scoped_handles.h"

namespace tessavik::platform {

namespace {

// The narrow record whose path the probe shows; its layout is the system's, checked here.
#ifdef _WIN64
static_assert(sizeof(MODULEENTRY32) == 568);
#else
static_assert(sizeof(MODULEENTRY32) == 548);
#endif
static_assert(sizeof(ModuleRecord::exePath) == sizeof(MODULEENTRY32::szExePath));

constexpr UINT kTextMessageFlags = SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT;

HWND toHwnd(WindowHandle w) {
    return hwndFromHandle32(w);
}
WindowHandle toHandle(HWND h) {
    return handle32FromHwnd(h);
}
HDC toHdc(DcHandle dc) {
    return reinterpret_cast<HDC>(dc);
}
HGDIOBJ toGdiObject(GdiObject object) {
    return reinterpret_cast<HGDIOBJ>(object);
}
GdiObject fromGdiObject(HGDIOBJ object) {
    return reinterpret_cast<GdiObject>(object);
}
HANDLE toKernelHandle(SnapshotHandle snapshot) {
    return reinterpret_cast<HANDLE>(snapshot);
}

// A GBK text takes at most two bytes per UTF-16 unit. Doubling saturates, so that a window
// answering a huge or negative length still reaches the probe as huge or negative.
std::int64_t narrowByteBound(LRESULT utf16Units) {
    const std::int64_t units = utf16Units;
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    if (units > kMax / 2)
        return kMax;
    if (units < kMin / 2)
        return kMin;
    return 2 * units;
}

// The bytes before the first zero among the first capacity - 1 of the buffer.
std::string textBefore(const std::vector<char>& buffer) {
    const std::size_t limit = buffer.size() - 1;
    const auto end =
        std::find(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(limit), '\0');
    return std::string(buffer.begin(), end);
}

}  // namespace

std::optional<Point> Win32ProbePlatform::GetCursorPos() {
    POINT p{};
    if (!::GetCursorPos(&p))
        return std::nullopt;
    return Point{p.x, p.y};
}

WindowHandle Win32ProbePlatform::WindowFromPoint(Point p) {
    return toHandle(::WindowFromPoint(POINT{p.x, p.y}));
}

bool Win32ProbePlatform::GetWindowRect(WindowHandle w, Rect& r) {
    RECT rect{};
    if (!::GetWindowRect(toHwnd(w), &rect))
        return false;
    r = Rect{rect.left, rect.top, rect.right, rect.bottom};
    return true;
}

WindowHandle Win32ProbePlatform::GetParent(WindowHandle w) {
    return toHandle(::GetParent(toHwnd(w)));
}

WindowHandle Win32ProbePlatform::GetWindow(WindowHandle w, std::uint32_t cmd) {
    return toHandle(::GetWindow(toHwnd(w), cmd));
}

bool Win32ProbePlatform::IsWindowVisible(WindowHandle w) {
    return ::IsWindowVisible(toHwnd(w)) != FALSE;
}

bool Win32ProbePlatform::IsWindow(WindowHandle w) {
    return ::IsWindow(toHwnd(w)) != FALSE;
}

// The wide form: Wine 8 ignores the time-out of the narrow form of this message across processes.
std::optional<std::int64_t> Win32ProbePlatform::SendGetTextLength(WindowHandle w) {
    DWORD_PTR units = 0;
    if (!::SendMessageTimeoutW(toHwnd(w), WM_GETTEXTLENGTH, 0, 0, kTextMessageFlags,
                               kTextMessageTimeoutMs, &units)) {
        return std::nullopt;
    }
    return narrowByteBound(static_cast<LRESULT>(units));
}

std::string Win32ProbePlatform::SendGetText(WindowHandle w, std::size_t capacity) {
    if (capacity == 0)
        return {};
    std::vector<char> buffer(capacity, '\0');
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutA(toHwnd(w), WM_GETTEXT, capacity,
                               reinterpret_cast<LPARAM>(buffer.data()), kTextMessageFlags,
                               kTextMessageTimeoutMs, &copied)) {
        return {};
    }
    // The window's answer is not trusted to end in a zero byte within what it was given.
    return textBefore(buffer);
}

std::string Win32ProbePlatform::GetClassNameA(WindowHandle w, std::size_t capacity) {
    if (capacity == 0)
        return {};
    std::vector<char> buffer(std::min<std::size_t>(capacity, INT_MAX), '\0');
    if (::GetClassNameA(toHwnd(w), buffer.data(), static_cast<int>(buffer.size())) == 0)
        return {};
    return textBefore(buffer);
}

WindowHandle Win32ProbePlatform::GetAncestor(WindowHandle w, std::uint32_t flags) {
    return toHandle(::GetAncestor(toHwnd(w), flags));
}

std::uint32_t Win32ProbePlatform::GetWindowThreadProcessId(WindowHandle w,
                                                           std::uint32_t* processId) {
    DWORD process = 0;
    const DWORD thread = ::GetWindowThreadProcessId(toHwnd(w), &process);
    if (processId)
        *processId = process;
    return thread;
}

SnapshotHandle Win32ProbePlatform::CreateToolhelp32Snapshot(std::uint32_t flags,
                                                            std::uint32_t processId) {
    return reinterpret_cast<SnapshotHandle>(::CreateToolhelp32Snapshot(flags, processId));
}

bool Win32ProbePlatform::Module32First(SnapshotHandle snapshot, ModuleRecord& record) {
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    if (!::Module32First(toKernelHandle(snapshot), &entry))
        return false;
    std::memcpy(record.exePath, entry.szExePath, sizeof(record.exePath));
    return true;
}

// Closing INVALID_HANDLE_VALUE is harmless (it names the current process), and the probe asks it.
void Win32ProbePlatform::CloseHandle(SnapshotHandle snapshot) {
    ::CloseHandle(toKernelHandle(snapshot));
}

WindowHandle Win32ProbePlatform::GetDesktopWindow() {
    return toHandle(::GetDesktopWindow());
}

DcHandle Win32ProbePlatform::GetWindowDC(WindowHandle w) {
    return reinterpret_cast<DcHandle>(::GetWindowDC(toHwnd(w)));
}

int Win32ProbePlatform::SetROP2(DcHandle dc, int mode) {
    return ::SetROP2(toHdc(dc), mode);
}

GdiObject Win32ProbePlatform::CreatePen(int style, int width, std::uint32_t color) {
    return fromGdiObject(::CreatePen(style, width, color));
}

GdiObject Win32ProbePlatform::SelectObject(DcHandle dc, GdiObject object) {
    return fromGdiObject(::SelectObject(toHdc(dc), toGdiObject(object)));
}

bool Win32ProbePlatform::Rectangle(DcHandle dc, int left, int top, int right, int bottom) {
    return ::Rectangle(toHdc(dc), left, top, right, bottom) != FALSE;
}

void Win32ProbePlatform::Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

bool Win32ProbePlatform::DeleteObject(GdiObject object) {
    return ::DeleteObject(toGdiObject(object)) != FALSE;
}

int Win32ProbePlatform::ReleaseDC(WindowHandle w, DcHandle dc) {
    return ::ReleaseDC(toHwnd(w), toHdc(dc));
}

}  // namespace tessavik::platform
