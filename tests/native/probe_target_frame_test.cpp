#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "probe/probe.h"
#include "tests/support/case_name.h"
#include "tests/support/fake_desktop.h"

namespace tessavik {
namespace {

constexpr WindowHandle kTarget = 7;

// Calls that every flash with a DC makes around its drawing.
std::vector<std::string> framed(const std::vector<std::string>& beforeDrawing, const std::string& rectangle,
                                const std::vector<std::string>& afterDrawing, bool restoresMode = true) {
    std::vector<std::string> calls = {"GetDesktopWindow()", "GetWindowDC(65552)", "SetROP2(1001, 10)",
                                      "GetWindowRect(7)", "CreatePen(0, 4, 16711680)"};
    calls.insert(calls.end(), beforeDrawing.begin(), beforeDrawing.end());
    calls.insert(calls.end(), {rectangle, "Sleep(100)", rectangle, "Sleep(100)"});
    if (restoresMode) calls.push_back("SetROP2(1001, 13)");
    calls.insert(calls.end(), afterDrawing.begin(), afterDrawing.end());
    calls.push_back("ReleaseDC(65552, 1001)");
    return calls;
}

struct FrameCase {
    const char* name;
    std::function<void(FakeDesktop&)> script;
    std::vector<std::string> expectedCalls;
};

const std::vector<std::string> kSelectPen = {"SelectObject(1001, 2001)"};
const std::vector<std::string> kRestoreAndDeletePen = {"SelectObject(1001, 2000)", "DeleteObject(2001)"};

const FrameCase kFrameCases[] = {
    {"DrawsWaitsErasesWaitsAndRestores", [](FakeDesktop&) {},
     framed(kSelectPen, "Rectangle(1001, 0, 20, 600, 400)", kRestoreAndDeletePen)},
    {"UnreadableRectangleDrawsAtTheOrigin", [](FakeDesktop& d) { d.window(kTarget).rectUnreadable = true; },
     framed(kSelectPen, "Rectangle(1001, 0, 0, 0, 0)", kRestoreAndDeletePen)},
    {"TopAboveTheScreenIsClamped", [](FakeDesktop& d) { d.window(kTarget).rect = {30, -40, 300, 200}; },
     framed(kSelectPen, "Rectangle(1001, 30, 0, 300, 200)", kRestoreAndDeletePen)},
    // Without a pen the DC's own pen draws; nothing is selected or deleted.
    {"FailedPenIsNeitherSelectedNorDeleted", [](FakeDesktop& d) { d.failAlways(FakeOp::CreatePen); },
     framed({}, "Rectangle(1001, 0, 20, 600, 400)", {})},
    {"FailedSelectionPutsNothingBack", [](FakeDesktop& d) { d.failAlways(FakeOp::SelectObject); },
     framed(kSelectPen, "Rectangle(1001, 0, 20, 600, 400)", {"DeleteObject(2001)"})},
    // A mode that could not be set gave 0: putting "0" back would leave the DC in no valid mode.
    {"FailedMixModeIsNotPutBack", [](FakeDesktop& d) { d.failNext(FakeOp::SetROP2, 1); },
     framed(kSelectPen, "Rectangle(1001, 0, 20, 600, 400)", kRestoreAndDeletePen, false)},
    // Without a DC nothing is drawn or released, but the tick keeps its 200 ms.
    {"FailedDcStillWaits", [](FakeDesktop& d) { d.failAlways(FakeOp::GetWindowDC); },
     {"GetDesktopWindow()", "GetWindowDC(65552)", "Sleep(100)", "Sleep(100)"}},
};

class FlashTargetFrame : public testing::TestWithParam<FrameCase> {};

TEST_P(FlashTargetFrame, MakesTheCallsInOrderAndReleasesEverything) {
    const FrameCase& c = GetParam();
    FakeDesktop desktop;
    desktop.addWindow({.handle = kTarget, .rect = {-8, 20, 600, 400}});
    c.script(desktop);

    flashTargetFrame(desktop, kTarget);
    EXPECT_EQ(desktop.calls(), c.expectedCalls);
    const FakeResourceCounts& n = desktop.counts();
    EXPECT_EQ(n.dcsGot, n.dcsReleased);
    EXPECT_EQ(n.pensCreated, n.pensDeleted);
    EXPECT_EQ(n.badReleases + n.dirtyDcsReleased + n.selectedPensDeleted, 0);
    EXPECT_EQ(n.sleptMilliseconds, 200);
}

INSTANTIATE_TEST_SUITE_P(Cases, FlashTargetFrame, testing::ValuesIn(kFrameCases), CaseName());

}  // namespace
}  // namespace tessavik
