#include "ui/win32/control_window.h"

#include "ui/win32/fonts.h"

namespace tessavik::ui {

HFONT ControlWindow::fontOrDefault() const {
    return font ? font.get() : defaultGuiFont();
}

ControlWindow* controlOf(HWND hwnd) {
    return reinterpret_cast<ControlWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void attachControl(HWND hwnd, ControlWindow* control) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
}

COLORREF colourRef(Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

HBRUSH controlColours(const ControlWindow& control, HDC dc) {
    SetTextColor(dc, colourRef(control.row.textColour));
    if (control.row.background) {
        SetBkColor(dc, colourRef(*control.row.background));
        SetDCBrushColor(dc, colourRef(*control.row.background));
        return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace tessavik::ui
