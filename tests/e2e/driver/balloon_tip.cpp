#include "tests/e2e/driver/balloon_tip.h"

#include "tests/e2e/driver/window_query.h"

namespace tessavik::e2e {

namespace {
constexpr int kAnchorInset = 16;
constexpr POINT kShadow{5, 3};
}  // namespace

HWND balloonOf(DWORD pid) {
    for (HWND w : topLevelWindowsOf(pid)) {
        if (className(w) == kBalloonClass) return w;
    }
    return nullptr;
}

bool balloonShows(DWORD pid) {
    HWND tip = balloonOf(pid);
    return tip && ::IsWindowVisible(tip);
}

POINT apexOf(const RECT& window, bool anchorAtRight, bool anchorOnTop) {
    const LONG bodyRight = window.right - kShadow.x;
    const LONG x = anchorAtRight ? bodyRight - kAnchorInset : window.left + kAnchorInset;
    const LONG y = anchorOnTop ? window.top : window.bottom - kShadow.y;
    return {x, y};
}

}  // namespace tessavik::e2e
