// Shows balloon tips over a dark and over a light backdrop for a few seconds, so that a
// screenshot can show their corners, anchor, shadow and translucency (scripts/balloon-screenshot).
#include <windows.h>

#include <memory>

#include "platform/scoped_handles.h"
#include "ui/balloon/win32/balloon_window.h"

namespace {

using tessavik::platform::UniqueBrush;
using tessavik::platform::UniqueWindow;

constexpr int kWidth = 1280;
constexpr int kHeight = 1024;

// Left half dark, right half light, each a checkerboard with a line of text every 20 pixels,
// so that what shines through the balloon can be seen.
void paintBackdrop(HDC dc) {
    const UniqueBrush darkA(CreateSolidBrush(RGB(24, 24, 32))),
        darkB(CreateSolidBrush(RGB(56, 56, 72)));
    const UniqueBrush lightA(CreateSolidBrush(RGB(250, 250, 250))),
        lightB(CreateSolidBrush(RGB(200, 210, 230)));
    for (int y = 0; y < kHeight; y += 16) {
        for (int x = 0; x < kWidth; x += 16) {
            const bool odd = ((x + y) / 16) % 2 != 0;
            const bool dark = x < kWidth / 2;
            const RECT r{x, y, x + 16, y + 16};
            FillRect(dc, &r, (dark ? (odd ? darkB : darkA) : (odd ? lightB : lightA)).get());
        }
    }
    SetBkMode(dc, TRANSPARENT);
    for (int y = 0; y < kHeight; y += 20) {
        SetTextColor(dc, RGB(230, 120, 40));
        TextOutA(dc, 8, y, "背景文字 backdrop text 背景文字 backdrop text", 44);
        SetTextColor(dc, RGB(20, 60, 160));
        TextOutA(dc, kWidth / 2 + 8, y, "背景文字 backdrop text 背景文字 backdrop text", 44);
    }
}

LRESULT CALLBACK backdropProcedure(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        paintBackdrop(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, message, w, l);
}

void runMessagesFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    MSG msg;
    do {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
}

}  // namespace

int main() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA cls{};
    cls.lpfnWndProc = backdropProcedure;
    cls.hInstance = instance;
    cls.lpszClassName = "TessavikBalloonBackdrop";
    if (!RegisterClassA(&cls))
        return 1;
    const UniqueWindow backdrop(CreateWindowExA(0, cls.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0,
                                                0, kWidth, kHeight, nullptr, nullptr, instance,
                                                nullptr));
    if (!backdrop)
        return 1;
    UpdateWindow(backdrop.get());
    runMessagesFor(500);

    // One over the dark half, one over the light half, one flipped at the top right corner.
    const struct {
        int x, y;
        const char* text;
    } tips[] = {{300, 400, "复制成功！"}, {900, 400, "复制失败！！"}, {1270, 8, "复制成功！"}};
    std::unique_ptr<tessavik::ui::BalloonWindow> shown[3];
    for (int i = 0; i < 3; ++i) {
        shown[i] = tessavik::ui::BalloonWindow::create(instance);
        if (!shown[i])
            return 1;
        shown[i]->popUp(tips[i].x, tips[i].y, tips[i].text, -1, false);
    }
    // A tip that replaces one just shown nearby, before anything beneath has repainted: no trace
    // of the old one may show through.
    shown[0]->popUp(tips[0].x + 8, tips[0].y + 6, tips[0].text, -1, false);
    runMessagesFor(6000);
    return 0;
}
