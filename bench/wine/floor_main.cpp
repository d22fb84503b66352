// tessavik_floor: the least a program can do to show what one tick shows. Every 200 ms it makes
// the Win32 calls of a tick and nothing else: the cursor, WindowFromPoint and the sibling walk,
// the fourteen queries and the module snapshot, fourteen SetWindowTextA into fourteen edit
// boxes, and the frame with its two 100 ms waits. The bench compares the program's CPU time per
// tick with this one's.

#include <windows.h>
#include <tlhelp32.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

constexpr char kTitle[] = "Tessavik floor";
constexpr UINT_PTR kTimerId = 1000;
std::array<HWND, 14> g_edits{};

std::int32_t area(const RECT& r) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(r.bottom - r.top) *
                                     static_cast<std::uint32_t>(r.right - r.left));
}

HWND windowUnderCursor() {
    POINT p{};
    if (!::GetCursorPos(&p)) return nullptr;
    HWND best = ::WindowFromPoint(p);
    if (!best) return nullptr;
    RECT bestRect{};
    ::GetWindowRect(best, &bestRect);
    HWND parent = ::GetParent(best);
    if (!parent) return best;
    for (HWND s = ::GetWindow(best, GW_HWNDNEXT); s; s = ::GetWindow(s, GW_HWNDNEXT)) {
        RECT r{};
        ::GetWindowRect(s, &r);
        if (::PtInRect(&r, p) && ::GetParent(s) == parent && ::IsWindowVisible(s) && area(r) < area(bestRect)) {
            ::GetWindowRect(s, &bestRect);
            best = s;
        }
    }
    return best;
}

std::string number(long long n) { return std::to_string(n); }

void showFacts(HWND w) {
    std::array<std::string, 14> texts;
    texts[0] = number(static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(w)));
    if (::IsWindow(w)) {
        DWORD_PTR length = 0;
        if (::SendMessageTimeoutW(w, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 100, &length) && length) {
            std::string title(2 * length + 1, '\0');
            DWORD_PTR copied = 0;
            ::SendMessageTimeoutA(w, WM_GETTEXT, title.size(), reinterpret_cast<LPARAM>(title.data()),
                                  SMTO_ABORTIFHUNG, 100, &copied);
            texts[1] = title.c_str();
        }
    }
    char name[259] = {};
    ::GetClassNameA(w, name, sizeof name);
    texts[2] = name;
    POINT p{};
    ::GetCursorPos(&p);
    const LONG x = p.x;
    ::GetCursorPos(&p);
    texts[3] = "X=" + number(x) + " | Y=" + number(p.y);
    RECT r{};
    ::GetWindowRect(w, &r);
    if (r.left < 0) r.left = 0;
    if (r.top < 0) r.top = 0;
    ::GetCursorPos(&p);
    const LONG dx = p.x - r.left;
    ::GetCursorPos(&p);
    texts[4] = "左:" + number(dx) + " 右:" + number(p.y - r.top);
    texts[5] = number(static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(::GetParent(w))));
    texts[6] = number(static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(::GetAncestor(w, GA_ROOT))));
    DWORD pid = 0;
    texts[7] = number(::GetWindowThreadProcessId(w, &pid));
    ::GetWindowThreadProcessId(w, &pid);
    texts[8] = number(pid);
    ::GetWindowThreadProcessId(w, &pid);
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    MODULEENTRY32 module{};
    module.dwSize = sizeof module;
    ::Module32First(snapshot, &module);
    ::CloseHandle(snapshot);
    texts[9] = module.szExePath;
    texts[10] = number(r.top);
    texts[11] = number(r.left);
    texts[12] = number(r.bottom - r.top);
    texts[13] = number(r.right - r.left);
    for (std::size_t i = 0; i < texts.size(); ++i) ::SetWindowTextA(g_edits[i], texts[i].c_str());
}

void flashFrame(HWND w) {
    HWND desktop = ::GetDesktopWindow();
    HDC dc = ::GetWindowDC(desktop);
    const int previousMode = ::SetROP2(dc, R2_NOTXORPEN);
    RECT r{};
    ::GetWindowRect(w, &r);
    if (r.left < 0) r.left = 0;
    if (r.top < 0) r.top = 0;
    HPEN pen = ::CreatePen(PS_SOLID, 4, 0xFF0000);
    HGDIOBJ previousPen = ::SelectObject(dc, pen);
    ::Rectangle(dc, r.left, r.top, r.right, r.bottom);
    ::Sleep(100);
    ::Rectangle(dc, r.left, r.top, r.right, r.bottom);
    ::Sleep(100);
    ::SetROP2(dc, previousMode);
    ::SelectObject(dc, previousPen);
    ::DeleteObject(pen);
    ::ReleaseDC(desktop, dc);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (HWND target = windowUnderCursor()) {
                showFacts(target);
                flashFrame(target);
            }
            return 0;
        case WM_DESTROY: ::PostQuitMessage(0); return 0;
        default: return ::DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "TessavikFloor";
    if (!::RegisterClassA(&windowClass)) return 1;
    HWND window = ::CreateWindowExA(WS_EX_TOPMOST, "TessavikFloor", kTitle, WS_CAPTION | WS_SYSMENU,
                                    390, 316, 499, 391, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    for (std::size_t i = 0; i < g_edits.size(); ++i) {
        const int y = 8 + static_cast<int>(i % 7) * 30;
        const int x = i < 7 ? 8 : 240;
        g_edits[i] = ::CreateWindowExA(WS_EX_STATICEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_READONLY | ES_AUTOHSCROLL,
                                       x, y, 220, 25, window, nullptr, instance, nullptr);
    }
    ::ShowWindow(window, SW_SHOWNORMAL);
    ::SetTimer(window, kTimerId, 200, nullptr);
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
