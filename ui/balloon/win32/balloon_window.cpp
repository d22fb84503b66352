#include "ui/balloon/win32/balloon_window.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "platform/scoped_handles.h"
#include "platform/window_class.h"
#include "ui/balloon/balloon_geometry.h"
#include "ui/balloon/balloon_shape.h"
#include "ui/balloon/win32/balloon_image.h"

namespace tessavik::ui {

namespace {

using namespace tessavik::ui::balloon;
using platform::UniqueFont;
using platform::UniqueHook;
using platform::UniqueRegion;
using platform::UniqueWindow;

constexpr UINT_PTR kHideTimer = 1;
constexpr UINT kTimeShownMs = 3000;
// How long after hiding the screen may still show the old tip where nothing has repainted yet.
constexpr DWORD kStaleScreenMs = 500;

// The input messages that hide a tip when the thread takes them from its queue.
constexpr std::array<UINT, 15> kHidingMessages = {
    WM_LBUTTONDOWN,     WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,     WM_RBUTTONDBLCLK,   WM_MBUTTONDOWN,
    WM_MBUTTONDBLCLK,   WM_MOUSEWHEEL,    WM_NCLBUTTONDOWN,   WM_NCLBUTTONDBLCLK, WM_NCRBUTTONDOWN,
    WM_NCRBUTTONDBLCLK, WM_NCMBUTTONDOWN, WM_NCMBUTTONDBLCLK, WM_KEYDOWN,         WM_SYSKEYDOWN};

class Win32BalloonWindow;

// The tips of this thread and the one WH_GETMESSAGE hook that hides them: installed with the
// first tip, removed with the last.
struct ThreadTips {
    std::vector<Win32BalloonWindow*> tips;
    UniqueHook hook;
};
thread_local ThreadTips threadTips;

LRESULT CALLBACK getMessageHook(int code, WPARAM removal, LPARAM message);

UniqueFont createTextFont() {
    const platform::ClientDc screen(nullptr);
    const int height = -MulDiv(9, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
    for (const char* face : {"宋体", "Verdana"}) {
        UniqueFont font(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face));
        if (font)
            return font;
    }
    return UniqueFont();
}

class Win32BalloonWindow final : public BalloonWindow {
  public:
    explicit Win32BalloonWindow(HINSTANCE instance)
        : background_(GetSysColor(COLOR_INFOBK)),
          frame_(GetSysColor(COLOR_INFOTEXT)),
          font_(createTextFont()) {
        window_.reset(CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kBalloonClassName, "",
                                      WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this));
        if (!window_)
            return;
        if (threadTips.tips.empty())
            threadTips.hook.reset(
                SetWindowsHookExA(WH_GETMESSAGE, getMessageHook, nullptr, GetCurrentThreadId()));
        threadTips.tips.push_back(this);
    }

    ~Win32BalloonWindow() override {
        window_.reset();
        auto& tips = threadTips.tips;
        tips.erase(std::remove(tips.begin(), tips.end(), this), tips.end());
        if (tips.empty())
            threadTips.hook.reset();
    }

    bool valid() const { return static_cast<bool>(window_); }
    HWND hwnd() const override { return window_.get(); }

    void popUp(int x, int y, std::string_view text, int /*iconIndex: never shown*/,
               bool autoHide) override {
        hide();
        const std::string shown(text);
        SetWindowTextA(hwnd(), shown.c_str());

        const Rect screen = virtualScreen();
        const BalloonLayout layout = placeBalloon({x, y}, measure(shown), screen);
        const Mask shape = balloonShape(layout);
        image_ = composeBalloonImage(layout, shape, shown, {font_.get(), background_, frame_},
                                     screen, recentBackdrop());
        applyWindowShape(windowShape(shape));

        const Rect& w = layout.window;
        SetWindowPos(hwnd(), HWND_TOPMOST, w.left, w.top, w.right - w.left, w.bottom - w.top,
                     SWP_NOACTIVATE | SWP_SHOWWINDOW);
        RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        if (autoHide)
            SetTimer(hwnd(), kHideTimer, kTimeShownMs, nullptr);
    }

    void hide() {
        KillTimer(hwnd(), kHideTimer);
        if (!IsWindowVisible(hwnd()))
            return;
        ShowWindow(hwnd(), SW_HIDE);
        lastShown_ = image_.backdrop;  // what lay beneath, for a tip that follows at once
        hiddenAt_ = GetTickCount();
    }

    LRESULT handle(UINT message, WPARAM w, LPARAM l) {
        switch (message) {
            case WM_TIMER:
                if (w == kHideTimer)
                    hide();
                return 0;
            case WM_ACTIVATEAPP:
                if (!w)
                    hide();
                return 0;
            case WM_MOUSEACTIVATE:
                return MA_NOACTIVATE;
            case WM_ERASEBKGND:
                return 1;
            case WM_PAINT:
                paint();
                return 0;
            default:
                return DefWindowProcA(hwnd(), message, w, l);
        }
    }

    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM w, LPARAM l);

  private:
    Size measure(const std::string& text) const {
        const platform::ClientDc screen(nullptr);
        const platform::SelectGuard font(screen.get(), font_.get());
        RECT r{0, 0, 0, 0};
        DrawTextA(screen.get(), text.c_str(), static_cast<int>(text.size()), &r,
                  DT_CALCRECT | DT_NOPREFIX);
        return {r.right - r.left, r.bottom - r.top};
    }

    static Rect virtualScreen() {
        const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
        const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
        return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    }

    // The backdrop of the tip hidden last, while the screen may not have repainted over it.
    const Backdrop& recentBackdrop() const {
        static const Backdrop none;
        return GetTickCount() - hiddenAt_ < kStaleScreenMs ? lastShown_ : none;
    }

    void applyWindowShape(const Mask& shape) {
        UniqueRegion region = regionFromMask(shape);
        // The system owns the region once SetWindowRgn has taken it.
        if (region && SetWindowRgn(hwnd(), region.get(), FALSE))
            region.release();
    }

    void paint() {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd(), &ps);
        drawBalloonImage(dc, image_);
        EndPaint(hwnd(), &ps);
    }

    COLORREF background_;
    COLORREF frame_;
    UniqueFont font_;
    UniqueWindow window_;
    BalloonImage image_;
    Backdrop lastShown_;
    DWORD hiddenAt_ = 0;
};

LRESULT CALLBACK Win32BalloonWindow::procedure(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(l);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32BalloonWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY)
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    // Before WM_NCCREATE has bound it and during CreateWindowExA the object has no window yet.
    if (!self || !self->hwnd())
        return DefWindowProcA(hwnd, message, w, l);
    return self->handle(message, w, l);
}

LRESULT CALLBACK getMessageHook(int code, WPARAM removal, LPARAM message) {
    if (code == HC_ACTION && removal == PM_REMOVE) {
        const auto* msg = reinterpret_cast<const MSG*>(message);
        if (std::find(kHidingMessages.begin(), kHidingMessages.end(), msg->message) !=
            kHidingMessages.end())
            for (Win32BalloonWindow* tip : threadTips.tips) tip->hide();
    }
    return CallNextHookEx(nullptr, code, removal, message);
}

bool registerBalloonClass(HINSTANCE instance) {
    return platform::registerWindowClass(instance,
                                         {kBalloonClassName, &Win32BalloonWindow::procedure});
}

}  // namespace

std::unique_ptr<BalloonWindow> BalloonWindow::create(HINSTANCE instance) {
    if (!registerBalloonClass(instance))
        return nullptr;
    auto tip = std::make_unique<Win32BalloonWindow>(instance);
    if (!tip->valid())
        return nullptr;
    return tip;
}

}  // namespace tessavik::ui
