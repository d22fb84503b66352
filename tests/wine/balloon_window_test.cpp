// The balloon tip window under Wine: where its rectangle puts the apex, its flips, and what
// hides it (input taken from the queue, deactivation, the 3 s timer, the next pop-up).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/scoped_handles.h"
#include "ui/balloon/win32/balloon_window.h"

namespace tessavik::ui {
namespace {

// Takes and dispatches every message for `milliseconds`, as an event loop would.
void runMessagesFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    MSG msg;
    do {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
}

RECT windowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

std::string windowText(HWND hwnd) {
    char text[64] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

class BalloonWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tip_ = BalloonWindow::create(GetModuleHandleA(nullptr));
        ASSERT_TRUE(tip_);
        // Another window of the program, to receive input. Hidden: under Wine without a window
        // manager, hiding an active window waits 2 s for focus events.
        other_.reset(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                     nullptr, nullptr));
        ASSERT_TRUE(other_);
    }
    bool shown() const { return IsWindowVisible(tip_->hwnd()) != FALSE; }

    std::unique_ptr<BalloonWindow> tip_;
    platform::UniqueWindow other_;
};

TEST_F(BalloonWindowTest, StartsHiddenAsAToolWindowOfItsOwnClass) {
    EXPECT_FALSE(shown());
    char name[64] = {};
    GetClassNameA(tip_->hwnd(), name, sizeof name);
    EXPECT_STREQ(name, kBalloonClassName);
    const LONG_PTR exStyle = GetWindowLongPtrA(tip_->hwnd(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_EQ(GetParent(tip_->hwnd()), nullptr);
}

struct PlacementCase {
    const char* name;
    POINT point;
    bool onTop;
    bool atRight;
};

class BalloonPlacement : public BalloonWindowTest,
                         public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(BalloonPlacement, PutsTheApexOnThePoint) {
    const PlacementCase& c = GetParam();
    const HWND focus = GetForegroundWindow();
    tip_->popUp(c.point.x, c.point.y, "复制成功！", -1, true);
    ASSERT_TRUE(shown());
    EXPECT_EQ(windowText(tip_->hwnd()), "复制成功！");
    EXPECT_EQ(GetForegroundWindow(), focus);  // shown without activation

    const RECT r = windowRect(tip_->hwnd());
    const int bodyWidth = r.right - r.left - 5;
    const int apexX = c.atRight ? r.left + bodyWidth - 16 : r.left + 16;
    const int apexY = c.onTop ? r.top : r.bottom - 3;
    EXPECT_EQ(apexX, c.point.x);
    EXPECT_EQ(apexY, c.point.y);
    EXPECT_GT(bodyWidth, 2 * 12);
    EXPECT_GT(r.bottom - r.top, 2 * 12 + 16 + 3);
}

INSTANTIATE_TEST_SUITE_P(Screen, BalloonPlacement,
                         ::testing::Values(PlacementCase{"Middle", {640, 512}, false, false},
                                           PlacementCase{"NearTheTop", {640, 10}, true, false},
                                           PlacementCase{"NearTheRight", {1250, 512}, false, true},
                                           PlacementCase{"TopRightCorner", {1250, 5}, true, true}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

struct HidingCase {
    const char* name;
    UINT message;
    bool hides;
};

class BalloonHiding : public BalloonWindowTest, public ::testing::WithParamInterface<HidingCase> {};

TEST_P(BalloonHiding, HidesOnInputTakenFromTheQueueButNotOnMovesOrReleases) {
    tip_->popUp(300, 300, "复制成功！", -1, true);
    PostMessageA(other_.get(), GetParam().message, 0, MAKELPARAM(5, 5));
    runMessagesFor(50);
    EXPECT_EQ(shown(), !GetParam().hides);
}

INSTANTIATE_TEST_SUITE_P(Messages, BalloonHiding,
                         ::testing::Values(HidingCase{"KeyDown", WM_KEYDOWN, true},
                                           HidingCase{"SysKeyDown", WM_SYSKEYDOWN, true},
                                           HidingCase{"LeftButtonDown", WM_LBUTTONDOWN, true},
                                           HidingCase{"LeftDoubleClick", WM_LBUTTONDBLCLK, true},
                                           HidingCase{"RightButtonDown", WM_RBUTTONDOWN, true},
                                           HidingCase{"Wheel", WM_MOUSEWHEEL, true},
                                           HidingCase{"NonClientDown", WM_NCLBUTTONDOWN, true},
                                           HidingCase{"MouseMove", WM_MOUSEMOVE, false},
                                           HidingCase{"LeftButtonUp", WM_LBUTTONUP, false},
                                           HidingCase{"KeyUp", WM_KEYUP, false}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(BalloonWindowTest, HidesWhenTheProgramIsDeactivated) {
    tip_->popUp(300, 300, "复制成功！", -1, true);
    SendMessageA(tip_->hwnd(), WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_TRUE(shown());
    SendMessageA(tip_->hwnd(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(shown());
}

TEST_F(BalloonWindowTest, ANewPopUpReplacesTheTipAtTheNewPoint) {
    tip_->popUp(300, 300, "复制成功！", -1, true);
    tip_->popUp(700, 600, "复制失败！！", -1, true);
    EXPECT_TRUE(shown());
    EXPECT_EQ(windowText(tip_->hwnd()), "复制失败！！");
    EXPECT_EQ(windowRect(tip_->hwnd()).left, 700 - 16);
}

// Two tips share the thread's hook; the one without auto-hide outlasts the 3 s.
TEST_F(BalloonWindowTest, AutoHideEndsTheTipAfterThreeSeconds) {
    auto lasting = BalloonWindow::create(GetModuleHandleA(nullptr));
    ASSERT_TRUE(lasting);
    tip_->popUp(300, 300, "复制成功！", -1, true);
    lasting->popUp(600, 300, "复制成功！", -1, false);
    runMessagesFor(2000);
    EXPECT_TRUE(shown()) << "hidden too early";
    runMessagesFor(2000);  // generous: WM_TIMER waits for an idle queue
    EXPECT_FALSE(shown());
    EXPECT_TRUE(IsWindowVisible(lasting->hwnd()));

    tip_.reset();  // the other tip still hides on input
    PostMessageA(other_.get(), WM_KEYDOWN, 'A', 0);
    runMessagesFor(50);
    EXPECT_FALSE(IsWindowVisible(lasting->hwnd()));
}

}  // namespace
}  // namespace tessavik::ui
