// tessavik_hostile: puts up windows that misbehave towards whoever inspects them, one kind per
// run, chosen on the command line:  tessavik_hostile <mode> <left> <top> <width> <height>
// The driver finds the window through its process id. The process ends when it is terminated,
// when a mode says so, or at the latest after five minutes.

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "tests/e2e/hostile/long_names.h"

namespace {

using tessavik::e2e::gbkText;

enum class Mode {
    Plain,
    HangSleep,      // the thread sleeps for good inside WM_GETTEXTLENGTH
    HangSpin,       // ... or spins there
    LengthMinusOne,
    LengthHuge,     // 0x7FFFFFFF
    LengthShort,    // less than the text really holds
    NoTerminator,   // WM_GETTEXT fills the whole buffer, no zero byte
    InvalidGbk,     // WM_GETTEXT answers with bytes that are not GBK
    DestroyOnGetText,
    ExitOnGetText,
    Names258,       // class name and title of 258 bytes
    Names259,
    Names300,
    ZeroSizeChild,  // a 0 x 0 child window where the cursor goes
    ManyChildren,   // 10,000 visible children, all containing the centre
};

struct ModeName {
    std::string_view name;
    Mode mode;
};
constexpr ModeName kModes[] = {
    {"plain", Mode::Plain},
    {"hang-sleep", Mode::HangSleep},
    {"hang-spin", Mode::HangSpin},
    {"length-minus-one", Mode::LengthMinusOne},
    {"length-huge", Mode::LengthHuge},
    {"length-short", Mode::LengthShort},
    {"no-terminator", Mode::NoTerminator},
    {"invalid-gbk", Mode::InvalidGbk},
    {"destroy-on-gettext", Mode::DestroyOnGetText},
    {"exit-on-gettext", Mode::ExitOnGetText},
    {"names-258", Mode::Names258},
    {"names-259", Mode::Names259},
    {"names-300", Mode::Names300},
    {"zero-size-child", Mode::ZeroSizeChild},
    {"many-children", Mode::ManyChildren},
};

constexpr UINT kRecreate = WM_APP + 7;
constexpr int kDestroyRounds = 5;      // DestroyOnGetText ends with this exit code after as many
constexpr DWORD kExitOnGetTextCode = 7;
constexpr DWORD kLifetimeMs = 5 * 60 * 1000;
constexpr int kManyChildren = 10000;
constexpr char kInvalidGbk[] = "AB\x81\x20\xFF\x80" "CD";

Mode g_mode = Mode::Plain;
RECT g_rect{};
std::string g_className = "TessavikHostile";
std::string g_title = "hostile";
int g_destroyed = 0;

LRESULT answerGetText(HWND window, WPARAM capacity, char* buffer) {
    switch (g_mode) {
        case Mode::NoTerminator:
            std::memset(buffer, 'A', capacity);
            return static_cast<LRESULT>(capacity);
        case Mode::InvalidGbk: {
            const std::size_t n = capacity ? std::min(capacity - 1, sizeof kInvalidGbk - 1) : 0;
            std::memcpy(buffer, kInvalidGbk, n);
            if (capacity) buffer[n] = '\0';
            return static_cast<LRESULT>(n);
        }
        case Mode::DestroyOnGetText:
            ::DestroyWindow(window);
            if (++g_destroyed == kDestroyRounds) ::ExitProcess(kDestroyRounds);
            ::PostThreadMessageA(::GetCurrentThreadId(), kRecreate, 0, 0);
            if (capacity) buffer[0] = '\0';
            return 0;
        case Mode::ExitOnGetText:
            ::ExitProcess(kExitOnGetTextCode);
        default:
            return ::DefWindowProcA(window, WM_GETTEXT, capacity, reinterpret_cast<LPARAM>(buffer));
    }
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETTEXTLENGTH) {
        switch (g_mode) {
            case Mode::HangSleep: ::Sleep(INFINITE); break;
            case Mode::HangSpin:
                for (;;) {
                    static volatile unsigned spin = 0;
                    spin = spin + 1u;
                }
            case Mode::LengthMinusOne: return -1;
            case Mode::LengthHuge: return 0x7FFFFFFF;
            case Mode::LengthShort: return 3;
            case Mode::NoTerminator: return 10;
            case Mode::InvalidGbk: return sizeof kInvalidGbk - 1;
            default: break;
        }
    } else if (message == WM_GETTEXT) {
        return answerGetText(window, wParam, reinterpret_cast<char*>(lParam));
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

HWND createWindow(const char* className, const char* title, DWORD style, const RECT& r, HWND parent) {
    return ::CreateWindowExA(parent ? 0 : WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, className, title, style,
                             r.left, r.top, r.right - r.left, r.bottom - r.top, parent, nullptr,
                             ::GetModuleHandleA(nullptr), nullptr);
}

HWND createTarget() {
    HWND top = createWindow(g_className.c_str(), g_title.c_str(), WS_POPUP, g_rect, nullptr);
    if (!top) return nullptr;
    const int w = g_rect.right - g_rect.left;
    const int h = g_rect.bottom - g_rect.top;
    const int cx = w / 2;
    const int cy = h / 2;
    if (g_mode == Mode::ZeroSizeChild) {
        createWindow(g_className.c_str(), "zero", WS_CHILD | WS_VISIBLE, RECT{cx, cy, cx, cy}, top);
    } else if (g_mode == Mode::ManyChildren) {
        // Child i spans the centre with width shrinking every 50 children and height every one,
        // so the last one made is the only smallest (the window must be 420 x 120 or more).
        for (int i = 0; i < kManyChildren; ++i) {
            const int cw = cx - i / 50 - 2;
            const int ch = cy - i % 50 - 2;
            createWindow(g_className.c_str(), "child", WS_CHILD | WS_VISIBLE,
                         RECT{cx - cw, cy - ch, cx + 1, cy + 1}, top);
        }
    }
    ::ShowWindow(top, SW_SHOWNOACTIVATE);
    return top;
}

DWORD WINAPI endAfterLifetime(void*) {
    ::Sleep(kLifetimeMs);
    ::ExitProcess(3);
}

bool parseArguments(int argc, char** argv) {
    if (argc != 6) return false;
    bool known = false;
    for (const auto& m : kModes) {
        if (m.name == argv[1]) g_mode = m.mode, known = true;
    }
    g_rect.left = std::atoi(argv[2]);
    g_rect.top = std::atoi(argv[3]);
    g_rect.right = g_rect.left + std::atoi(argv[4]);
    g_rect.bottom = g_rect.top + std::atoi(argv[5]);
    g_title = std::string("hostile ") + argv[1];
    const std::size_t nameBytes = g_mode == Mode::Names258 ? 258 : g_mode == Mode::Names259 ? 259
                                : g_mode == Mode::Names300 ? 300 : 0;
    if (nameBytes) g_className = g_title = gbkText(nameBytes);
    return known;
}

}  // namespace

int main(int argc, char** argv) {
    if (!parseArguments(argc, argv)) return 2;
    // A hung window thread cannot end the process; this thread does, should the driver not.
    ::CreateThread(nullptr, 0, endAfterLifetime, nullptr, 0, nullptr);

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszClassName = g_className.c_str();
    if (!::RegisterClassA(&windowClass) || !createTarget()) return 1;

    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd == nullptr && message.message == kRecreate) {
            createTarget();
            continue;
        }
        ::DispatchMessageA(&message);
    }
    return 0;
}
