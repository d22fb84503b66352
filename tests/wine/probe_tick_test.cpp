// A probe tick through Win32ProbePlatform over real windows of this process, with the cursor
// placed by SetCursorPos: the fourteen fields, in order, byte for byte.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32_probe_platform.h"
#include "probe/probe.h"
#include "tests/support/recording_field_sink.h"
#include "tests/wine/probe_test_windows.h"

namespace tessavik {
namespace {

using wintest::handleOf;

std::string decimal(HWND h) {
    return std::to_string(static_cast<std::int32_t>(handleOf(h)));
}
std::string decimal(DWORD id) {
    return std::to_string(static_cast<std::int32_t>(id));
}

// What a tick shows for a window of this thread.
struct Expected {
    HWND window;
    std::string title;
    std::string className;
    std::string cursor;
    std::string relative;
    HWND parent;
    HWND root;
    std::string top, left, height, width;
};

std::vector<FieldWrite> fieldsOf(const Expected& e) {
    return {
        {InfoField::Handle, decimal(e.window)},
        {InfoField::Title, e.title},
        {InfoField::ClassName, e.className},
        {InfoField::CursorPos, e.cursor},
        {InfoField::CursorRelative, e.relative},
        {InfoField::Parent, e.parent ? decimal(e.parent) : "0"},
        {InfoField::Root, decimal(e.root)},
        {InfoField::ThreadId, decimal(::GetCurrentThreadId())},
        {InfoField::ProcessId, decimal(::GetCurrentProcessId())},
        {InfoField::ProcessPath, wintest::thisProgramPath()},
        {InfoField::Top, e.top},
        {InfoField::Left, e.left},
        {InfoField::Height, e.height},
        {InfoField::Width, e.width},
    };
}

// Puts w directly below `above` among its siblings.
void placeBelow(HWND w, HWND above) {
    ::SetWindowPos(w, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

class ProbeTickTest : public ::testing::Test {
  protected:
    // One tick with the cursor at p.
    void tickAt(Point p) {
        ASSERT_TRUE(::SetCursorPos(p.x, p.y));
        const ULONGLONG start = ::GetTickCount64();
        probeTick(platform_, sink_, state_);
        std::printf("the tick took %llu ms\n",
                    static_cast<unsigned long long>(::GetTickCount64() - start));
    }

    platform::Win32ProbePlatform platform_;
    wintest::TestWindows windows_;
    RecordingFieldSink sink_;
    Rect targetRect_;
    ProbeState state_{0, targetRect_};
    const std::string kClass = "TessavikProbeTestWindow";
};

TEST_F(ProbeTickTest, SmallestVisibleChildUnderTheCursorIsShown) {
    const std::string title = std::string(296, 'a') + "标题";  // 300 bytes
    HWND top = windows_.topLevel({100, 100, 500, 400}, "主窗口");
    HWND large = windows_.child(top, {0, 0, 300, 200}, true, "large");
    HWND small = windows_.child(top, {10, 10, 60, 60}, true, title.c_str());
    HWND hidden = windows_.child(top, {15, 15, 25, 25}, false, "hidden");
    HWND aboveSmaller = windows_.child(top, {12, 12, 40, 40}, false, "above");
    ::SetWindowPos(aboveSmaller, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    placeBelow(large, aboveSmaller);
    placeBelow(small, large);
    placeBelow(hidden, small);
    ASSERT_EQ(::WindowFromPoint(POINT{120, 125}), large);

    tickAt({120, 125});

    EXPECT_EQ(state_.targetWindow, handleOf(small));
    EXPECT_EQ(sink_.writes(), fieldsOf({small, title, kClass, "X=120 | Y=125", "左:10 右:15", top,
                                        top, "110", "110", "50", "50"}));
}

TEST_F(ProbeTickTest, WindowPartlyLeftOfTheScreenShowsLeftZeroAndACutWidth) {
    HWND w = windows_.topLevel({-40, 30, 160, 130}, "左边");

    tickAt({50, 60});

    EXPECT_EQ(state_.targetWindow, handleOf(w));
    EXPECT_EQ(sink_.writes(), fieldsOf({w, "左边", kClass, "X=50 | Y=60", "左:50 右:30", nullptr, w,
                                        "30", "0", "100", "160"}));
    EXPECT_EQ(targetRect_, (Rect{0, 30, 160, 130}));
}

TEST_F(ProbeTickTest, TopLevelWindowIsShownEvenOverASmallerOneBelow) {
    HWND upper = windows_.topLevel({300, 300, 700, 700}, "upper");
    HWND lower = windows_.topLevel({400, 400, 450, 450}, "lower");
    placeBelow(lower, upper);

    tickAt({420, 420});

    EXPECT_EQ(state_.targetWindow, handleOf(upper));
}

TEST_F(ProbeTickTest, OwnedPopupsTakePartInTheScan) {
    HWND owner = windows_.topLevel({600, 100, 1000, 500}, "owner");
    HWND smallPopup = windows_.ownedPopup(owner, {650, 150, 700, 200});
    HWND largePopup = windows_.ownedPopup(owner, {600, 100, 900, 400});
    ::SetWindowPos(largePopup, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    placeBelow(smallPopup, largePopup);
    ASSERT_EQ(::WindowFromPoint(POINT{660, 170}), largePopup);

    tickAt({660, 170});

    EXPECT_EQ(state_.targetWindow, handleOf(smallPopup));
    EXPECT_EQ(sink_.writes(), fieldsOf({smallPopup, "", kClass, "X=660 | Y=170", "左:10 右:20",
                                        owner, smallPopup, "150", "650", "50", "50"}));
}

TEST_F(ProbeTickTest, LongClassNameIsCutTo258Bytes) {
    std::string longName;
    for (int i = 0; i < 150; ++i) longName += "类";  // 300 bytes
    wintest::TestWindowClass longClass(longName);
    ASSERT_TRUE(longClass.registered());
    windows_.topLevel({100, 100, 300, 300}, "", longClass.name());

    tickAt({150, 150});

    EXPECT_EQ(sink_.textOf(InfoField::ClassName), longName.substr(0, 258));
}

TEST_F(ProbeTickTest, BareDesktopIsShownAsTheDesktopWindow) {
    tickAt({1279, 1023});

    HWND desktop = ::GetDesktopWindow();
    DWORD process = 0;
    const DWORD thread = ::GetWindowThreadProcessId(desktop, &process);
    EXPECT_EQ(state_.targetWindow, handleOf(desktop));
    EXPECT_EQ(sink_.textOf(InfoField::ClassName), "#32769");
    EXPECT_EQ(sink_.textOf(InfoField::CursorRelative), "左:1279 右:1023");
    EXPECT_EQ(sink_.textOf(InfoField::Parent), "0");
    EXPECT_EQ(sink_.textOf(InfoField::ThreadId), decimal(thread));
    EXPECT_EQ(sink_.textOf(InfoField::ProcessId), decimal(process));
    EXPECT_EQ(sink_.textOf(InfoField::Width), std::to_string(::GetSystemMetrics(SM_CXSCREEN)));
    EXPECT_EQ(sink_.textOf(InfoField::Height), std::to_string(::GetSystemMetrics(SM_CYSCREEN)));
}

}  // namespace
}  // namespace tessavik
