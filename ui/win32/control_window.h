#pragma once
// What the toolkit keeps for one control of a built window. The windows of the toolkit's own
// classes (labels, the timer) and the subclassed group boxes point at their ControlWindow
// through GWLP_USERDATA, so it must not move while the window exists.

#include <windows.h>

#include <memory>
#include <optional>

#include "platform/scoped_handles.h"
#include "ui/balloon/win32/balloon_window.h"
#include "ui/event_table.h"
#include "ui/timer_state.h"
#include "ui/window_description.h"

namespace tessavik::ui {

struct ControlWindow {
    ControlWindow(const ControlRow& r, EventTable& e) : row(r), events(e) {}

    const ControlRow& row;
    EventTable& events;
    HWND hwnd = nullptr;        // a child of the main window, destroyed with it
    platform::UniqueFont font;  // empty: the default GUI font
    TimerState timer;
    WNDPROC baseProc = nullptr;              // a subclassed system control's own procedure
    std::unique_ptr<BalloonWindow> balloon;  // the tip window of a QTip control

    HFONT fontOrDefault() const;
};

// The ControlWindow stored with a window at creation (label, timer) or subclassing (group box).
ControlWindow* controlOf(HWND hwnd);
void attachControl(HWND hwnd, ControlWindow* control);

// The ControlWindow of a toolkit window for this message: attached at WM_NCCREATE from the
// creation parameters, detached after WM_NCDESTROY (which still gets it).
ControlWindow* controlForMessage(HWND hwnd, UINT message, LPARAM lParam);

// A WM_CTLCOLOR* request from one of the toolkit's controls answered with its brush, the DC set
// to its colours; nothing for other messages and for windows that are not controls.
std::optional<LRESULT> answerColourRequest(UINT message, WPARAM wParam, LPARAM lParam);

// The brush and DC colours with which a read-only edit box or a static-like control paints
// (the answer to WM_CTLCOLORSTATIC / WM_CTLCOLOREDIT).
HBRUSH controlColours(const ControlWindow& control, HDC dc);

COLORREF colourRef(Rgb rgb);

}  // namespace tessavik::ui
