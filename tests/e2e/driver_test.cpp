// The driver against windows of its own and of the hostile fixture, without the program: what
// the other e2e tests rely on when they read a failure.

#include <gtest/gtest.h>

#include "tests/e2e/driver/clipboard.h"
#include "tests/e2e/driver/fixture_thread.h"
#include "tests/e2e/driver/hostile_process.h"
#include "tests/e2e/driver/wait_until.h"
#include "tests/e2e/driver/window_query.h"

namespace tessavik::e2e {
namespace {

TEST(Driver, FixtureWindowsRecordEachTextRead) {
    FixtureThread targets;
    HWND w = targets.create({RECT{10, 10, 110, 60}, "counted"});
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(windowText(w), "counted");
    EXPECT_EQ(windowText(w), "counted");
    EXPECT_EQ(targets.textReadCount(w), 2u);
    EXPECT_EQ(::WindowFromPoint(POINT{50, 30}), w);
    EXPECT_EQ(::GetWindowThreadProcessId(w, nullptr), targets.threadId());
}

TEST(Driver, ClipboardRoundTripKeepsTheBytesAndOneZero) {
    FixtureThread targets;
    HWND owner = targets.create({RECT{0, 0, 10, 10}, "owner", nullptr, false});
    ASSERT_TRUE(putClipboardText(owner, "进程ID：12"));
    EXPECT_EQ(clipboardTextBytes(), std::optional<std::string>(std::string("进程ID：12") + '\0'));
}

class HostileModes : public ::testing::TestWithParam<const char*> {};

TEST_P(HostileModes, PutUpAVisibleWindow) {
    auto hostile = startHostile(GetParam(), RECT{100, 100, 400, 300});
    ASSERT_TRUE(hostile) << GetParam();
    EXPECT_TRUE(::IsWindowVisible(hostile->window));
    EXPECT_TRUE(hostile->process.isRunning());
}

INSTANTIATE_TEST_SUITE_P(All, HostileModes,
                         ::testing::Values("plain", "hang-sleep", "length-minus-one", "no-terminator",
                                           "names-258", "names-300", "zero-size-child", "many-children"));

}  // namespace
}  // namespace tessavik::e2e
