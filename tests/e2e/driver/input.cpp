#include "tests/e2e/driver/input.h"

#include <vector>

#include "tests/e2e/driver/wait_until.h"

namespace tessavik::e2e {

namespace {

INPUT mouseInput(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    return in;
}

// Absolute mouse coordinates run from 0 to 65535 across the primary screen.
INPUT mouseMoveTo(POINT p) {
    INPUT in = mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    in.mi.dx = (p.x * 65535 + width / 2) / (width - 1);
    in.mi.dy = (p.y * 65535 + height / 2) / (height - 1);
    return in;
}

void send(std::vector<INPUT> inputs) {
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void clicks(POINT p, int count) {
    moveCursor(p);
    std::vector<INPUT> inputs;
    for (int i = 0; i < count; ++i) {
        inputs.push_back(mouseInput(MOUSEEVENTF_LEFTDOWN));
        inputs.push_back(mouseInput(MOUSEEVENTF_LEFTUP));
    }
    send(inputs);
}

}  // namespace

bool moveCursor(POINT p) {
    ::SetCursorPos(p.x, p.y);
    send({mouseMoveTo(p)});
    return waitUntil([&] {
        POINT now{};
        return ::GetCursorPos(&now) && now.x == p.x && now.y == p.y;
    });
}

void click(POINT p) { clicks(p, 1); }
void doubleClick(POINT p) { clicks(p, 2); }

void pressKey(WORD virtualKey) {
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = virtualKey;
    INPUT up = down;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    send({down, up});
}

POINT centreOf(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace tessavik::e2e
