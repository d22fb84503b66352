#pragma once
// The balloon tip control: a hidden top-level tool window that pops up at a point with a text,
// and hides itself after 3 s, on input to any of the program's windows, or when the program
// is deactivated. The toolkit creates one per balloon tip control of the window description.

#include <windows.h>

#include <memory>
#include <string_view>

namespace tessavik::ui {

// The tip window's class; its window text is the text shown.
inline constexpr char kBalloonClassName[] = "TessavikBalloon";

class BalloonWindow {
public:
    // Creates the tip window, hidden; nullptr when it cannot be made.
    static std::unique_ptr<BalloonWindow> create(HINSTANCE instance);
    virtual ~BalloonWindow() = default;
    // Hides a tip that is showing and shows the new one with its anchor's apex at (x, y).
    virtual void popUp(int x, int y, std::string_view text, int iconIndex, bool autoHide) = 0;
    virtual HWND hwnd() const = 0;
};

}  // namespace tessavik::ui
