#include <gtest/gtest.h>

#include <random>

#include "probe/probe.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/recording_field_sink.h"

namespace tessavik {
namespace {

// A desktop of a few overlapping windows: a top-level window with children, owned pop-ups, a
// hidden one and another top-level window, in processes with and without a readable path.
void scriptDesktop(FakeDesktop& desktop) {
    desktop.addProcess(10, "C:\\Program Files\\编辑器\\editor.exe");
    desktop.addProcess(20, std::string(259, 'x'));
    desktop.addWindow({.handle = 100, .rect = {-8, -8, 800, 600}, .text = "编辑器", .className = "Main",
                       .threadId = 1, .processId = 10});
    desktop.addWindow({.handle = 101, .rect = {0, 0, 400, 300}, .parent = 100, .className = "Edit",
                       .threadId = 1, .processId = 10});
    desktop.addWindow({.handle = 102, .rect = {100, 100, 300, 200}, .parent = 100, .text = std::string(300, 't'),
                       .className = "Button", .threadId = 1, .processId = 10});
    desktop.addWindow({.handle = 103, .rect = {150, 120, 250, 180}, .parent = 100, .visible = false,
                       .className = "Static", .threadId = 1, .processId = 10});
    desktop.addWindow({.handle = 104, .rect = {50, 50, 700, 500}, .parent = 101, .reportedTextLength = -1,
                       .className = "Inner", .threadId = 1, .processId = 10});
    desktop.addWindow({.handle = 200, .rect = {600, 400, 1000, 800}, .owner = 100, .className = "Popup",
                       .threadId = 2, .processId = 20});
    desktop.addWindow({.handle = 201, .rect = {650, 450, 700, 500}, .owner = 100,
                       .reportedTextLength = 0x7FFFFFFF, .className = "Popup", .threadId = 2, .processId = 30});
    desktop.addWindow({.handle = 300, .rect = {-500, -500, 2000, 2000}, .className = "Desk", .processId = 40});
}

TEST(ProbeLongRun, AMillionTicksWithRandomFailuresReleaseEverythingTheyMake) {
    constexpr int kTicks = 1'000'000;
    FakeDesktop desktop;
    scriptDesktop(desktop);
    desktop.setRecording(false);
    desktop.seed(20261211);
    desktop.failEveryOpRandomly(0.05);
    std::mt19937 cursorRandom(7);
    std::uniform_int_distribution<int> x(-100, 1100);
    std::uniform_int_distribution<int> y(-100, 900);

    RecordingFieldSink sink;
    Rect targetRect;
    ProbeState state{0, targetRect};
    std::int64_t ticksWithTarget = 0;
    for (int tick = 0; tick < kTicks; ++tick) {
        desktop.setCursor(Point{x(cursorRandom), y(cursorRandom)});
        probeTick(desktop, sink, state);
        if (state.targetWindow) {
            ++ticksWithTarget;
            ASSERT_EQ(sink.writes().size(), kInfoFieldCount);
        }
        sink.clear();
    }

    const FakeResourceCounts& n = desktop.counts();
    EXPECT_EQ(n.dcsGot, n.dcsReleased);
    EXPECT_EQ(n.pensCreated, n.pensDeleted);
    EXPECT_EQ(n.snapshotsOpened, n.snapshotsClosed);
    EXPECT_EQ(desktop.liveDcs() + desktop.livePens() + desktop.liveSnapshots(), 0u);
    EXPECT_EQ(n.badReleases, 0);
    EXPECT_EQ(n.dirtyDcsReleased, 0);
    EXPECT_EQ(n.selectedPensDeleted, 0);
    EXPECT_EQ(n.sleptMilliseconds, 200 * ticksWithTarget);
    // The run went through the paths it is meant to cover.
    EXPECT_GT(ticksWithTarget, kTicks / 2);
    EXPECT_GT(n.pensCreated, kTicks / 4);
    EXPECT_GT(n.snapshotsOpened, kTicks / 4);
    EXPECT_GT(n.invalidSnapshotsClosed, 0);
}

}  // namespace
}  // namespace tessavik
