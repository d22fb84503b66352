// Double-click copying as another application sees it: the clipboard's CF_TEXT bytes, and the
// balloon tip that points at the cursor, flips near the screen's edges and goes away again.

#include <gtest/gtest.h>

#include <iostream>

#include "tests/e2e/driver/balloon_tip.h"
#include "tests/e2e/driver/clipboard.h"
#include "tests/e2e/program_test.h"

namespace tessavik::e2e {
namespace {

constexpr char kSentinel[] = "left by another program";

class CopyTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        clipboardOwner_ = targets_.create({RECT{0, 0, 10, 10}, "clipboard owner", nullptr, false});
        ASSERT_TRUE(putClipboardText(clipboardOwner_, kSentinel));
    }

    DWORD pid() const { return app_->process().pid(); }

    // Puts the cursor on the box and waits until the program shows itself there: the probe then
    // inspects the box under the cursor, a window of the program's own process.
    void restOn(std::string_view box) {
        ASSERT_TRUE(moveCursor(app_->pointIn(box)));
        ASSERT_TRUE(app_->waitForField("编辑框_进程ID", idText(pid())));
    }

    bool waitForBalloon(std::chrono::milliseconds timeout = kStateTimeout) {
        return waitUntil([&] { return balloonShows(pid()); }, timeout);
    }
    bool waitForNoBalloon(std::chrono::milliseconds timeout = kStateTimeout) {
        return waitUntil([&] { return !balloonShows(pid()); }, timeout);
    }

    // Double-clicks the box and checks that the tip's apex lies on the cursor in that placement.
    void expectBalloonAt(std::string_view box, bool anchorAtRight, bool anchorOnTop) {
        const POINT p = app_->pointIn(box);
        doubleClick(p);
        ASSERT_TRUE(waitForBalloon());
        const RECT r = windowRect(balloonOf(pid()));
        const POINT apex = apexOf(r, anchorAtRight, anchorOnTop);
        EXPECT_EQ(apex.x, p.x) << "balloon " << r.left << "," << r.top << "-" << r.right << "," << r.bottom;
        EXPECT_EQ(apex.y, p.y) << "balloon " << r.left << "," << r.top << "-" << r.right << "," << r.bottom;
        pressKey(VK_RIGHT);
        ASSERT_TRUE(waitForNoBalloon());
    }

    HWND clipboardOwner_ = nullptr;
};

TEST_F(CopyTest, DoubleClickCopiesCaptionAndDigitsWithOneZeroAndConfirmsAtTheCursor) {
    restOn("编辑框_进程ID");
    const POINT p = app_->pointIn("编辑框_进程ID");
    doubleClick(p);
    const std::string expected = "进程ID：" + idText(pid()) + '\0';
    EXPECT_TRUE(waitUntil([&] { return clipboardTextBytes() == expected; }))
        << "clipboard: " << clipboardTextBytes().value_or("<none>");

    ASSERT_TRUE(waitForBalloon());
    HWND tip = balloonOf(pid());
    EXPECT_EQ(windowText(tip), "复制成功！");
    EXPECT_NE(windowExStyle(tip) & WS_EX_TOPMOST, 0);
    const RECT r = windowRect(tip);
    const POINT apex = apexOf(r, false, false);
    EXPECT_EQ(apex.x, p.x);
    EXPECT_EQ(apex.y, p.y);

    // Left alone, the tip goes after about 3 s.
    const auto shown = Clock::now();
    ASSERT_TRUE(waitForNoBalloon(8s));
    const double seconds = std::chrono::duration<double>(Clock::now() - shown).count();
    std::cout << "balloon shown for " << seconds << " s after it was first seen\n";
    EXPECT_GT(seconds, 2.0);
}

TEST_F(CopyTest, BalloonGoesAtOnceOnAKeyPressOrAClick) {
    restOn("编辑框_进程ID");
    doubleClick(app_->pointIn("编辑框_进程ID"));
    ASSERT_TRUE(waitForBalloon());
    pressKey(VK_RIGHT);
    EXPECT_TRUE(waitForNoBalloon(1s)) << "a key press left the tip up";

    doubleClick(app_->pointIn("编辑框_进程ID"));
    ASSERT_TRUE(waitForBalloon());
    click(app_->pointIn("标签6"));
    EXPECT_TRUE(waitForNoBalloon(1s)) << "a click left the tip up";
}

TEST_F(CopyTest, BalloonFlipsNearTheTopAndTheRightEdge) {
    const RECT home = windowRect(app_->window());
    const POINT field = app_->pointIn("编辑框_进程ID");
    SCOPED_TRACE("preferred");
    restOn("编辑框_进程ID");
    expectBalloonAt("编辑框_进程ID", false, false);

    // The field 10 pixels below the screen's top: no room above for the balloon.
    app_->moveTo(home.left, home.top - (field.y - 10));
    SCOPED_TRACE("near the top");
    restOn("编辑框_进程ID");
    expectBalloonAt("编辑框_进程ID", false, true);

    // The field 30 pixels left of the screen's right edge: no room for the body to its right,
    // and room for the 16 pixels of body beyond the apex, so the flipped tip needs no shift.
    app_->moveTo(home.left + (::GetSystemMetrics(SM_CXSCREEN) - 30 - field.x), home.top);
    SCOPED_TRACE("near the right edge");
    restOn("编辑框_进程ID");
    expectBalloonAt("编辑框_进程ID", true, false);
}

TEST_F(CopyTest, ParentHandleBoxCopiesNothingAndShowsNoTip) {
    restOn("编辑框_父句柄");
    doubleClick(app_->pointIn("编辑框_父句柄"));
    EXPECT_FALSE(waitForBalloon(1500ms)) << "a tip showed";
    EXPECT_EQ(clipboardTextBytes(), std::string(kSentinel) + '\0');
}

TEST_F(CopyTest, ClipboardHeldOpenShowsTheFailureTextAndKeepsTheOldContent) {
    restOn("编辑框_句柄");
    {
        ClipboardHold hold;
        ASSERT_TRUE(hold.held());
        doubleClick(app_->pointIn("编辑框_句柄"));
        ASSERT_TRUE(waitForBalloon());
        EXPECT_EQ(windowText(balloonOf(pid())), "复制失败！！");
    }
    EXPECT_EQ(clipboardTextBytes(), std::string(kSentinel) + '\0');
}

}  // namespace
}  // namespace tessavik::e2e
