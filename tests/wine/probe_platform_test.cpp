// Win32ProbePlatform against real windows of this process: each operation gives what the Win32
// call behind it gives, mapped to the probe's types, and fails the way the probe expects.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>

#include "platform/win32_probe_platform.h"
#include "tests/wine/probe_test_windows.h"

namespace tessavik {
namespace {

using platform::Win32ProbePlatform;
using wintest::handleOf;

std::string repeated(const std::string& piece, std::size_t times) {
    std::string s;
    for (std::size_t i = 0; i < times; ++i) s += piece;
    return s;
}

class ProbePlatformTest : public ::testing::Test {
  protected:
    Win32ProbePlatform platform_;
    wintest::TestWindows windows_;
};

TEST_F(ProbePlatformTest, CursorAndWindowFromPointFindTheChildUnderThePoint) {
    HWND top = windows_.topLevel({100, 100, 300, 300});
    HWND child = windows_.child(top, {10, 10, 60, 60});
    ASSERT_TRUE(::SetCursorPos(130, 125));

    EXPECT_EQ(platform_.GetCursorPos(), (Point{130, 125}));
    EXPECT_EQ(platform_.WindowFromPoint({130, 125}), handleOf(child));
    EXPECT_EQ(platform_.WindowFromPoint({250, 250}), handleOf(top));
}

TEST_F(ProbePlatformTest, WindowTreeQueriesMapHandles) {
    HWND top = windows_.topLevel({100, 100, 300, 300});
    HWND first = windows_.child(top, {0, 0, 50, 50});
    HWND popup = windows_.ownedPopup(top, {400, 100, 450, 150});

    EXPECT_EQ(platform_.GetParent(handleOf(first)), handleOf(top));
    EXPECT_EQ(platform_.GetParent(handleOf(top)), 0u);
    EXPECT_EQ(platform_.GetParent(handleOf(popup)), handleOf(top)) << "a pop-up's owner";
    EXPECT_EQ(platform_.GetAncestor(handleOf(first), kGaRoot), handleOf(top));
    EXPECT_EQ(platform_.GetAncestor(handleOf(top), kGaRoot), handleOf(top));
    EXPECT_EQ(platform_.GetWindow(handleOf(first), kGwHwndNext),
              handleOf(::GetWindow(first, GW_HWNDNEXT)));
    EXPECT_EQ(platform_.GetDesktopWindow(), handleOf(::GetDesktopWindow()));
}

TEST_F(ProbePlatformTest, SiblingsFollowEachOtherInZOrder) {
    HWND top = windows_.topLevel({100, 100, 300, 300});
    HWND a = windows_.child(top, {0, 0, 50, 50});
    HWND b = windows_.child(top, {0, 0, 40, 40});
    ::SetWindowPos(b, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    EXPECT_EQ(platform_.GetWindow(handleOf(a), kGwHwndNext), handleOf(b));
    EXPECT_EQ(platform_.GetWindow(handleOf(b), kGwHwndNext), 0u);
}

TEST_F(ProbePlatformTest, VisibilityAndExistence) {
    HWND top = windows_.topLevel({100, 100, 300, 300});
    HWND shown = windows_.child(top, {0, 0, 50, 50});
    HWND hidden = windows_.child(top, {0, 0, 20, 20}, false);
    HWND gone = windows_.child(top, {0, 0, 10, 10});
    ::DestroyWindow(gone);

    EXPECT_TRUE(platform_.IsWindowVisible(handleOf(shown)));
    EXPECT_FALSE(platform_.IsWindowVisible(handleOf(hidden)));
    EXPECT_TRUE(platform_.IsWindow(handleOf(hidden)));
    EXPECT_FALSE(platform_.IsWindow(handleOf(gone)));
    EXPECT_FALSE(platform_.IsWindow(0));

    ::ShowWindow(top, SW_HIDE);
    EXPECT_FALSE(platform_.IsWindowVisible(handleOf(shown))) << "a child of a hidden window";
}

TEST_F(ProbePlatformTest, WindowRectIsTheOuterRectangleAndStaysOnFailure) {
    HWND partlyOff = windows_.topLevel({-50, 10, 150, 110});
    HWND child = windows_.child(partlyOff, {20, 30, 70, 90});
    Rect r;
    ASSERT_TRUE(platform_.GetWindowRect(handleOf(partlyOff), r));
    EXPECT_EQ(r, (Rect{-50, 10, 150, 110})) << "the platform does not clamp";
    ASSERT_TRUE(platform_.GetWindowRect(handleOf(child), r));
    EXPECT_EQ(r, (Rect{-30, 40, 20, 100}));

    ::DestroyWindow(child);
    Rect kept{1, 2, 3, 4};
    EXPECT_FALSE(platform_.GetWindowRect(handleOf(child), kept));
    EXPECT_EQ(kept, (Rect{1, 2, 3, 4}));
}

TEST_F(ProbePlatformTest, TitleIsReadWholeWithTheLengthBound) {
    const std::string title = repeated("窗口", 75);  // 300 GBK bytes
    ASSERT_EQ(title.size(), 300u);
    HWND w = windows_.topLevel({100, 100, 300, 300}, title.c_str());

    const auto bound = platform_.SendGetTextLength(handleOf(w));
    ASSERT_TRUE(bound.has_value());
    EXPECT_GE(*bound, 300);
    EXPECT_LE(*bound, 600);
    EXPECT_EQ(platform_.SendGetText(handleOf(w), static_cast<std::size_t>(*bound) + 1), title);
}

// The length travels as UTF-16 units and the text as GBK bytes, both across processes.
TEST_F(ProbePlatformTest, TitleOfAWindowInAnotherProcessIsReadWhole) {
    const wintest::OtherProcessWindow other(true);
    ASSERT_NE(other.window(), nullptr) << "no window from " << other.programPath();
    const std::string title = "另一进程的窗口";

    const auto bound = platform_.SendGetTextLength(handleOf(other.window()));
    ASSERT_TRUE(bound.has_value());
    EXPECT_GE(*bound, static_cast<std::int64_t>(title.size()));
    EXPECT_EQ(platform_.SendGetText(handleOf(other.window()), static_cast<std::size_t>(*bound) + 1),
              title);
    EXPECT_EQ(platform_.SendGetText(handleOf(other.window()), 5), title.substr(0, 4));
}

TEST_F(ProbePlatformTest, TitleIsCutToCapacityLessOne) {
    HWND w = windows_.topLevel({100, 100, 300, 300}, "abcdef");
    struct Case {
        std::size_t capacity;
        const char* expected;
    };
    for (const Case& c :
         {Case{0, ""}, Case{1, ""}, Case{4, "abc"}, Case{7, "abcdef"}, Case{64, "abcdef"}}) {
        EXPECT_EQ(platform_.SendGetText(handleOf(w), c.capacity), c.expected)
            << "capacity " << c.capacity;
    }
    HWND untitled = windows_.topLevel({100, 100, 300, 300});
    EXPECT_EQ(platform_.SendGetTextLength(handleOf(untitled)), 0);
    EXPECT_EQ(platform_.SendGetText(handleOf(untitled), 16), "");
}

TEST_F(ProbePlatformTest, TextOfAVanishedWindowIsEmpty) {
    HWND w = windows_.topLevel({100, 100, 300, 300}, "abc");
    HWND gone = windows_.child(w, {0, 0, 10, 10}, true, "child");
    ::DestroyWindow(gone);
    EXPECT_EQ(platform_.SendGetTextLength(handleOf(gone)), std::nullopt);
    EXPECT_EQ(platform_.SendGetText(handleOf(gone), 16), "");
}

TEST_F(ProbePlatformTest, ClassNameIsCutToCapacityLessOne) {
    const std::string longName = repeated("类", 150);  // 300 GBK bytes, 150 characters
    wintest::TestWindowClass longClass(longName);
    ASSERT_TRUE(longClass.registered());
    HWND w = windows_.topLevel({100, 100, 300, 300}, "", longClass.name());
    ASSERT_NE(w, nullptr);

    EXPECT_EQ(platform_.GetClassNameA(handleOf(w), 259), longName.substr(0, 258));
    EXPECT_EQ(platform_.GetClassNameA(handleOf(w), 1024), longName);
    EXPECT_EQ(platform_.GetClassNameA(handleOf(w), 0), "");

    HWND edit =
        ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 10, 10, w, nullptr, nullptr, nullptr);
    EXPECT_EQ(platform_.GetClassNameA(handleOf(edit), 259), "Edit");
    ::DestroyWindow(edit);
    EXPECT_EQ(platform_.GetClassNameA(handleOf(edit), 259), "");
}

TEST_F(ProbePlatformTest, ThreadAndProcessOfTheWindow) {
    HWND w = windows_.topLevel({100, 100, 300, 300});
    std::uint32_t process = 77;
    EXPECT_EQ(platform_.GetWindowThreadProcessId(handleOf(w), &process), ::GetCurrentThreadId());
    EXPECT_EQ(process, ::GetCurrentProcessId());
    EXPECT_EQ(platform_.GetWindowThreadProcessId(handleOf(w), nullptr), ::GetCurrentThreadId());

    ::DestroyWindow(w);
    process = 77;
    EXPECT_EQ(platform_.GetWindowThreadProcessId(handleOf(w), &process), 0u);
    EXPECT_EQ(process, 0u);
}

TEST_F(ProbePlatformTest, FirstModuleOfASnapshotIsTheExecutable) {
    const std::string exe = wintest::thisProgramPath();
    ASSERT_EQ(exe.rfind("Z:\\", 0), 0u) << exe;
    for (std::uint32_t process : {static_cast<std::uint32_t>(::GetCurrentProcessId()), 0u}) {
        SnapshotHandle snapshot = platform_.CreateToolhelp32Snapshot(kTh32csSnapModule, process);
        ASSERT_NE(snapshot, kInvalidSnapshot);
        ModuleRecord record;
        EXPECT_TRUE(platform_.Module32First(snapshot, record));
        EXPECT_STREQ(record.exePath, exe.c_str()) << "process " << process;
        platform_.CloseHandle(snapshot);
    }
}

TEST_F(ProbePlatformTest, SnapshotOfNoProcessLeavesTheRecord) {
    SnapshotHandle snapshot = platform_.CreateToolhelp32Snapshot(kTh32csSnapModule, 0xFFFFFFF0u);
    EXPECT_EQ(snapshot, kInvalidSnapshot);
    ModuleRecord record;
    record.exePath[0] = 'q';
    EXPECT_FALSE(platform_.Module32First(snapshot, record));
    EXPECT_STREQ(record.exePath, "q");
    platform_.CloseHandle(snapshot);  // what the probe does with a failed snapshot: harmless
    EXPECT_TRUE(platform_.IsWindow(handleOf(windows_.topLevel({0, 0, 10, 10}))));
}

TEST_F(ProbePlatformTest, DrawingCallsPassThrough) {
    const WindowHandle desktop = platform_.GetDesktopWindow();
    const DcHandle dc = platform_.GetWindowDC(desktop);
    ASSERT_NE(dc, 0u);
    const int previousMode = platform_.SetROP2(dc, kR2NotXorPen);
    EXPECT_EQ(previousMode, R2_COPYPEN);
    const GdiObject pen = platform_.CreatePen(kPsSolid, 4, 0xFF0000);
    ASSERT_NE(pen, 0u);
    const GdiObject previousPen = platform_.SelectObject(dc, pen);
    EXPECT_NE(previousPen, 0u);
    EXPECT_TRUE(platform_.Rectangle(dc, 10, 10, 50, 50));
    EXPECT_TRUE(platform_.Rectangle(dc, 10, 10, 50, 50));
    EXPECT_EQ(platform_.SetROP2(dc, previousMode), kR2NotXorPen);
    EXPECT_EQ(platform_.SelectObject(dc, previousPen), pen);
    EXPECT_TRUE(platform_.DeleteObject(pen));
    EXPECT_EQ(platform_.ReleaseDC(desktop, dc), 1);
    EXPECT_EQ(platform_.GetWindowDC(handleOf(nullptr) + 0x1234), 0u)
        << "no DC for a handle that is no window";
}

TEST_F(ProbePlatformTest, SleepWaitsAboutTheTimeAsked) {
    // A fine clock: the tick count moves in steps of 10-16 ms, so a 50 ms sleep could read as 38.
    const auto start = std::chrono::steady_clock::now();
    platform_.Sleep(50);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(40));
}

}  // namespace
}  // namespace tessavik
