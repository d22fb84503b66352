#include "ui/win32/main_window.h"

#include <algorithm>
#include <string>

#include "ui/win32/timer_window.h"

namespace tessavik::ui {

MainWindow::~MainWindow() {
    quitOnDestroy_ = false;  // a window torn down by its owner ends no event loop
    window_.reset();
}

void MainWindow::bind(ControlName control, EventKind event, EventHandler handler) {
    events_.bind(control, event, std::move(handler));
}

ControlWindow* MainWindow::find(ControlName name) {
    auto found = std::find_if(controls_.begin(), controls_.end(),
                              [name](const auto& control) { return control->row.name == name; });
    return found == controls_.end() ? nullptr : found->get();
}

ControlWindow* MainWindow::findByHwnd(HWND hwnd) {
    if (!hwnd)
        return nullptr;
    auto found = std::find_if(controls_.begin(), controls_.end(),
                              [hwnd](const auto& control) { return control->hwnd == hwnd; });
    return found == controls_.end() ? nullptr : found->get();
}

HWND MainWindow::hwndOf(ControlName name) {
    if (name == kMainWindow)
        return hwnd();
    ControlWindow* control = find(name);
    return control ? control->hwnd : nullptr;
}

// An operation on a name that has no control does nothing: every caller is a handler bound by
// the description, which names existing controls only.

void MainWindow::setEditText(ControlName box, std::string_view text) {
    if (HWND edit = hwndOf(box))
        SetWindowTextA(edit, std::string(text).c_str());
}

std::string MainWindow::getEditText(ControlName box) {
    HWND edit = hwndOf(box);
    if (!edit)
        return {};
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
    int copied = GetWindowTextA(edit, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

void MainWindow::setTimerPeriod(ControlName timer, std::int32_t milliseconds) {
    ControlWindow* control = find(timer);
    if (control && control->row.kind == ControlKind::Timer) {
        applyTimerActions(control->hwnd, control->timer.setPeriod(milliseconds));
    }
}

std::int32_t MainWindow::getTimerPeriod(ControlName timer) {
    ControlWindow* control = find(timer);
    return control ? control->timer.period() : 0;
}

int MainWindow::isChecked(ControlName box) {
    HWND button = hwndOf(box);
    return button && SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void MainWindow::setAlwaysOnTop(ControlName window, int flag) {
    if (HWND target = hwndOf(window)) {
        SetWindowPos(target, flag == 1 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    }
}

NativeWindow MainWindow::windowHandle(ControlName control) {
    return platform::nativeFromHwnd(hwndOf(control));
}

int MainWindow::popUpBalloon(ControlName tip, int x, int y, std::string_view text, int iconIndex,
                             bool autoHide) {
    ControlWindow* control = find(tip);
    if (!control || !control->balloon)
        return 0;
    control->balloon->popUp(x, y, text, iconIndex, autoHide);
    return 1;
}

LRESULT CALLBACK MainWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_.reset(hwnd);
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->window_.release();  // the system destroyed it
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return self->handleMessage(message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND self = hwnd();
    if (auto colours = answerColourRequest(message, wParam, lParam))
        return *colours;
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(self, &paint);
            FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
            EndPaint(self, &paint);
            return 0;
        }
        case WM_COMMAND: {
            // The check box notifies its parent; the notification goes back to the control.
            ControlWindow* control = findByHwnd(reinterpret_cast<HWND>(lParam));
            if (control && control->row.kind == ControlKind::CheckBox &&
                HIWORD(wParam) == BN_CLICKED) {
                events_.raise(control->row.name, EventKind::Clicked);
            }
            return 0;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(self, focus))
                    focusBeforeDeactivation_ = focus;
            } else if (!HIWORD(wParam)) {  // not minimised
                restoreFocus();
            }
            return 0;
        case WM_SETFOCUS:
            restoreFocus();
            return 0;
        case WM_DESTROY:
            if (quitOnDestroy_)
                PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(self, message, wParam, lParam);
}

}  // namespace tessavik::ui
