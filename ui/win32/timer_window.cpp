#include "ui/win32/timer_window.h"

#include "ui/win32/control_window.h"

namespace tessavik::ui {

void applyTimerActions(HWND timerWindow, const TimerActions& actions) {
    if (actions.kill)
        KillTimer(timerWindow, kTimerId);
    if (actions.start > 0) {
        SetTimer(timerWindow, kTimerId, static_cast<UINT>(actions.start), nullptr);
    }
}

LRESULT CALLBACK timerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (ControlWindow* timer = controlForMessage(hwnd, message, lParam)) {
        switch (message) {
            case WM_TIMER:  // neither the id nor the period is looked at
                timer->events.raise(timer->row.name, EventKind::Periodic);
                return 0;
            case WM_DESTROY:
                applyTimerActions(hwnd, timer->timer.stop());
                break;
        }
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace tessavik::ui
