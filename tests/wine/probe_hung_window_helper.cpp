// A process whose window never answers: it creates the window, shows it and sleeps without
// taking a message. It ends by itself after a minute, so that a failed test leaves nothing behind.
#include <windows.h>

int main() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "TessavikHungWindow";
    if (!::RegisterClassA(&wc))
        return 1;
    HWND w = ::CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "挂起的窗口", WS_POPUP, 700, 600,
                               200, 100, nullptr, nullptr, wc.hInstance, nullptr);
    if (!w)
        return 1;
    ::ShowWindow(w, SW_SHOWNOACTIVATE);
    ::Sleep(60000);
    return 0;
}
