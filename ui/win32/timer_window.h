#pragma once
// The timer control's window: invisible, it owns the control's one Win32 timer and raises the
// periodic event for every WM_TIMER it receives.

#include <windows.h>

#include "ui/timer_state.h"

namespace tessavik::ui {

LRESULT CALLBACK timerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Makes the KillTimer and SetTimer calls that a period write decided (results ignored).
void applyTimerActions(HWND timerWindow, const TimerActions& actions);

}  // namespace tessavik::ui
