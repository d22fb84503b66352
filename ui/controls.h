#pragma once
// What the handlers of the main window reach of it: the toolkit's operations on controls named
// as in the window description (GBK names). The Win32 toolkit implements it; tests fake it.

#include <cstdint>
#include <string>
#include <string_view>

namespace tessavik::ui {

using ControlName = std::string_view;
using NativeWindow = std::uintptr_t;  // an HWND, kept opaque so that callers need no <windows.h>

// The pseudo-name by which handlers address the main window itself.
inline constexpr ControlName kMainWindow = "主窗口";

class Controls {
  public:
    virtual ~Controls() = default;
    virtual void setEditText(ControlName box, std::string_view text) = 0;
    // The box's live text; empty when the box is empty ("no text").
    virtual std::string getEditText(ControlName box) = 0;
    virtual void setTimerPeriod(ControlName timer, std::int32_t milliseconds) = 0;
    virtual std::int32_t getTimerPeriod(ControlName timer) = 0;
    virtual int isChecked(ControlName box) = 0;
    virtual void setAlwaysOnTop(ControlName window, int flag) = 0;
    virtual NativeWindow windowHandle(ControlName control) = 0;
    // The pop-up of a balloon tip control: 1 when the control exists, else 0.
    virtual int popUpBalloon(ControlName tip, int x, int y, std::string_view text, int iconIndex,
                             bool autoHide) = 0;
};

}  // namespace tessavik::ui
