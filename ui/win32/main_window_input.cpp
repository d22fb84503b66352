// The keyboard and mouse rules of the main window: the double-click event before dispatch, Tab
// and Shift+Tab over the tab stops, Esc closing the window, and the focus on activation.

#include <optional>

#include "ui/tab_order.h"
#include "ui/win32/main_window.h"

namespace tessavik::ui {
namespace {

bool keyDown(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

std::int32_t modifierKeys() {
    return (keyDown(VK_CONTROL) ? 1 : 0) + (keyDown(VK_SHIFT) ? 2 : 0) + (keyDown(VK_MENU) ? 4 : 0);
}

bool keepsTabForItself(const MSG& message) {
    auto code = SendMessageA(message.hwnd, WM_GETDLGCODE, message.wParam,
                             reinterpret_cast<LPARAM>(&message));
    return (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) != 0;
}

}  // namespace

bool MainWindow::preTranslateMessage(const MSG& message) {
    HWND self = hwnd();
    if (!self || (message.hwnd != self && !IsChild(self, message.hwnd)))
        return false;
    switch (message.message) {
        case WM_LBUTTONDBLCLK:
            // Raised before dispatch: the handler runs first, then the edit box selects the word.
            if (ControlWindow* control = findByHwnd(message.hwnd)) {
                events_.raise(control->row.name, EventKind::DoubleClick,
                              EventArgs::doubleClick(LOWORD(message.lParam), HIWORD(message.lParam),
                                                     modifierKeys()));
            }
            return false;
        case WM_KEYDOWN:
            if (message.wParam == VK_TAB && !keepsTabForItself(message)) {
                moveFocus(keyDown(VK_SHIFT));
                return true;
            }
            if (message.wParam == VK_ESCAPE && modifierKeys() == 0) {
                SendMessageA(self, WM_CLOSE, 0, 0);
                return true;
            }
            return false;
    }
    return false;
}

void MainWindow::moveFocus(bool backward) {
    std::optional<std::size_t> current;
    HWND focus = GetFocus();
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i]->hwnd == focus)
            current = i;
    }
    for (std::size_t tries = 0; tries < tabSequence_.size(); ++tries) {
        current = nextTabStop(tabSequence_, current, backward);
        HWND next = controls_[*current]->hwnd;
        if (IsWindowVisible(next) && IsWindowEnabled(next)) {
            SetFocus(next);
            return;
        }
    }
}

void MainWindow::restoreFocus() {
    HWND self = hwnd();
    if (focusBeforeDeactivation_ && IsWindow(focusBeforeDeactivation_) &&
        IsChild(self, focusBeforeDeactivation_)) {
        SetFocus(focusBeforeDeactivation_);
        return;
    }
    for (std::size_t index : tabSequence_) {
        HWND candidate = controls_[index]->hwnd;
        if (IsWindowVisible(candidate) && IsWindowEnabled(candidate)) {
            SetFocus(candidate);
            return;
        }
    }
}

}  // namespace tessavik::ui
