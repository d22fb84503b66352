// A window in a process of its own, for the probe's tests: with the argument "answer" it serves
// its messages, otherwise it never takes one (a hung window). It ends by itself after a minute,
// so that a failed test leaves nothing behind.
#include <windows.h>

#include <cstring>

int main(int argc, char** argv) {
    constexpr UINT kLifetimeMs = 60000;
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "TessavikOtherProcessWindow";
    if (!::RegisterClassA(&wc))
        return 1;
    HWND w = ::CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "另一进程的窗口", WS_POPUP, 700,
                               600, 200, 100, nullptr, nullptr, wc.hInstance, nullptr);
    if (!w)
        return 1;
    ::ShowWindow(w, SW_SHOWNOACTIVATE);

    if (argc < 2 || std::strcmp(argv[1], "answer") != 0) {
        ::Sleep(kLifetimeMs);
        return 0;
    }
    ::SetTimer(nullptr, 0, kLifetimeMs, nullptr);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0 && msg.message != WM_TIMER) {
        ::DispatchMessageA(&msg);
    }
    return 0;
}
