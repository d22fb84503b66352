#pragma once
// The main window built from a window description: it owns the window and its controls, raises
// their events, and implements the operations that the handlers reach (ui::Controls).

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "platform/scoped_handles.h"
#include "ui/controls.h"
#include "ui/event_table.h"
#include "ui/win32/control_window.h"
#include "ui/window_description.h"

namespace tessavik::ui {

// The icon resource (IMAGE_ICON) that the program carries for its window.
inline constexpr int kWindowIconId = 1;

class MainWindow final : public Controls {
  public:
    MainWindow() = default;
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Handlers are bound before the window is built; `control` may be kMainWindow (created).
    void bind(ControlName control, EventKind event, EventHandler handler);

    // Creates the window and its controls hidden, fires created, then shows the window; false
    // when the window or a control could not be made (whatever was made is destroyed).
    bool build(HINSTANCE instance, const WindowDescription& description = kMainWindowDescription);

    // Called by the event loop for each message before it is translated and dispatched: raises
    // the double-click event, and handles Tab and Esc. True when the message was consumed.
    bool preTranslateMessage(const MSG& message);

    HWND hwnd() const { return window_.get(); }

    void setEditText(ControlName box, std::string_view text) override;
    std::string getEditText(ControlName box) override;
    void setTimerPeriod(ControlName timer, std::int32_t milliseconds) override;
    std::int32_t getTimerPeriod(ControlName timer) override;
    int isChecked(ControlName box) override;
    void setAlwaysOnTop(ControlName window, int flag) override;
    NativeWindow windowHandle(ControlName control) override;
    int popUpBalloon(ControlName tip, int x, int y, std::string_view text, int iconIndex,
                     bool autoHide) override;

  private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool createWindow(HINSTANCE instance);
    bool createControl(HINSTANCE instance, ControlWindow& control);
    void placeIntoGroupBoxes();
    void stackInStoredOrder();

    ControlWindow* find(ControlName name);
    ControlWindow* findByHwnd(HWND hwnd);
    HWND hwndOf(ControlName name);

    void restoreFocus();
    void moveFocus(bool backward);

    const WindowDescription* description_ = nullptr;
    EventTable events_;
    // Declared before the window so that fonts and tips outlive the child windows using them.
    std::vector<std::unique_ptr<ControlWindow>> controls_;
    std::vector<std::size_t> tabSequence_;
    HWND focusBeforeDeactivation_ = nullptr;
    bool quitOnDestroy_ = false;  // set once built: closing the window then ends the loop
    platform::UniqueWindow window_;
};

}  // namespace tessavik::ui
