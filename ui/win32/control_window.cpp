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

ControlWindow* controlForMessage(HWND hwnd, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        attachControl(hwnd, static_cast<ControlWindow*>(create->lpCreateParams));
    }
    ControlWindow* control = controlOf(hwnd);
    if (message == WM_NCDESTROY)
        attachControl(hwnd, nullptr);
    return control;
}

std::optional<LRESULT> answerColourRequest(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLOREDIT && message != WM_CTLCOLORBTN) {
        return std::nullopt;
    }
    ControlWindow* control = controlOf(reinterpret_cast<HWND>(lParam));
    if (!control)
        return std::nullopt;
    return reinterpret_cast<LRESULT>(controlColours(*control, reinterpret_cast<HDC>(wParam)));
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
