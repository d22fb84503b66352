#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "probe/probe.h"
#include "tests/support/case_name.h"
#include "tests/support/fake_desktop.h"

namespace tessavik {
namespace {

constexpr WindowHandle kTopLevel = 100;
constexpr WindowHandle kW = 200;  // the child that WindowFromPoint gives: area 900
constexpr Point kCursor{15, 15};

FakeWindow child(WindowHandle handle, Rect rect) {
    return FakeWindow{.handle = handle, .rect = rect, .parent = kTopLevel};
}
FakeWindow hidden(FakeWindow w) {
    w.visible = false;
    return w;
}
FakeWindow unreadable(FakeWindow w) {
    w.rectUnreadable = true;
    return w;
}
FakeWindow transparent(FakeWindow w) {
    w.hitTransparent = true;
    return w;
}

struct SiblingCase {
    const char* name;
    std::vector<FakeWindow> above;  // siblings above W, topmost first
    FakeWindow w;
    std::vector<FakeWindow> below;  // siblings below W, in Z order
    WindowHandle expected;
};

const FakeWindow kW900 = child(kW, {0, 0, 30, 30});
const FakeWindow k400 = child(301, {5, 5, 25, 25});
const FakeWindow k90 = child(302, {10, 10, 20, 19});

const SiblingCase kSiblingCases[] = {
    {"NoSiblingContainingThePointKeepsW", {}, kW900, {child(301, {40, 40, 50, 50})}, kW},
    {"SmallestWins400Then90", {}, kW900, {k400, k90}, 302},
    {"SmallestWins90Then400", {}, kW900, {k90, k400}, 302},
    {"EqualToWDoesNotReplaceIt", {}, kW900, {child(301, {1, 1, 31, 31})}, kW},
    {"EqualToBestSoFarDoesNotReplaceIt", {}, kW900, {k400, child(303, {6, 6, 26, 26})}, 301},
    {"LargerDoesNotReplace", {}, kW900, {child(301, {0, 0, 40, 40})}, kW},
    {"HiddenNeverWins", {}, kW900, {hidden(k90)}, kW},
    {"AboveWNeverWins", {transparent(k90)}, kW900, {}, kW},
    {"PointOnLeftAndTopEdgeIsInside", {}, kW900, {child(301, {15, 15, 25, 25})}, 301},
    {"PointOnRightEdgeIsOutside", {}, kW900, {child(301, {5, 10, 15, 20})}, kW},
    {"PointOnBottomEdgeIsOutside", {}, kW900, {child(301, {10, 5, 20, 15})}, kW},
    // A failed read skips the sibling instead of judging it by the previous sibling's rectangle.
    {"UnreadableSiblingIsSkipped", {}, kW900, {hidden(k90), unreadable(child(303, {40, 40, 50, 50}))}, kW},
    {"UnreadableSiblingBeforeASmallerOne", {}, kW900, {unreadable(k90), k400}, 301},
    // W's own read failing makes it the largest possible, so any qualifying sibling beats it.
    {"UnreadableWLosesToAnyQualifyingSibling", {}, unreadable(kW900), {child(301, {0, 0, 100, 100})}, 301},
    {"UnreadableWStillWinsWithoutCandidates", {}, unreadable(kW900), {hidden(k90)}, kW},
    // Areas are 32-bit products that wrap: 10^10 wraps to 1410065408, 2.5 * 10^9 to a negative.
    {"HugeAreaWrapsPositiveAndLoses", {}, kW900, {child(301, {-50000, -50000, 50000, 50000})}, kW},
    {"HugeAreaWrapsNegativeAndWins", {}, kW900, {child(301, {-25000, -25000, 25000, 25000})}, 301},
    {"SpanBeyond32BitsWrapsWithoutUndefinedBehaviour", {}, kW900,
     {child(301, {-2000000000, -2000000000, 2000000000, 2000000000})}, kW},
};

class WindowUnderCursorSiblings : public testing::TestWithParam<SiblingCase> {};

TEST_P(WindowUnderCursorSiblings, PicksTheStrictlySmallestVisibleSiblingBelowW) {
    const SiblingCase& c = GetParam();
    FakeDesktop desktop;
    desktop.addWindow({.handle = kTopLevel, .rect = {0, 0, 1000, 1000}});
    for (const FakeWindow& w : c.above) desktop.addWindow(w);
    desktop.addWindow(c.w);
    for (const FakeWindow& w : c.below) desktop.addWindow(w);
    desktop.setCursor(kCursor);

    EXPECT_EQ(windowUnderCursor(desktop), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowUnderCursorSiblings, testing::ValuesIn(kSiblingCases), CaseName());

TEST(WindowUnderCursor, ScansSiblingsInTheOrderOfTheChecksAndRereadsTheWinner) {
    FakeDesktop desktop;
    desktop.addWindow({.handle = kTopLevel, .rect = {0, 0, 1000, 1000}});
    desktop.addWindow(kW900);
    desktop.addWindow(child(303, {40, 40, 50, 50}));  // the point is outside: only its rectangle is read
    desktop.addWindow(k400);
    desktop.addWindow(hidden(k90));
    desktop.setCursor(kCursor);

    EXPECT_EQ(windowUnderCursor(desktop), 301u);
    const std::vector<std::string> expected = {
        "GetCursorPos()",     "WindowFromPoint(15, 15)", "GetWindowRect(200)",    "GetParent(200)",
        "GetWindow(200, 2)",  "GetWindowRect(303)",      "GetWindow(303, 2)",     "GetWindowRect(301)",
        "GetParent(301)",     "IsWindowVisible(301)",    "GetWindowRect(301)",    "GetWindow(301, 2)",
        "GetWindowRect(302)", "GetParent(302)",          "IsWindowVisible(302)",  "GetWindow(302, 2)",
    };
    EXPECT_EQ(desktop.calls(), expected);
}

TEST(WindowUnderCursor, TopLevelWithoutOwnerIsReturnedWithoutAScan) {
    FakeDesktop desktop;
    desktop.addWindow({.handle = kTopLevel, .rect = {0, 0, 1000, 1000}});
    desktop.addWindow({.handle = 101, .rect = {10, 10, 20, 20}});  // smaller, below, containing the point
    desktop.setCursor(kCursor);

    EXPECT_EQ(windowUnderCursor(desktop), kTopLevel);
    EXPECT_EQ(desktop.calls().back(), "GetParent(100)");
}

TEST(WindowUnderCursor, OwnedPopUpScansThePopUpsOfTheSameOwnerBelowIt) {
    FakeDesktop desktop;
    desktop.addWindow({.handle = 50, .rect = {0, 0, 30, 30}, .owner = 300, .hitTransparent = true});  // above
    desktop.addWindow({.handle = 300, .rect = {-500, -500, 500, 500}, .hitTransparent = true});       // the owner
    desktop.addWindow({.handle = 301, .rect = {0, 0, 30, 30}, .owner = 300});                         // W
    desktop.addWindow({.handle = 302, .rect = {5, 5, 25, 25}, .owner = 300});
    desktop.addWindow({.handle = 303, .rect = {10, 10, 20, 19}, .owner = 999});  // another owner
    desktop.addWindow({.handle = 304, .rect = {12, 12, 18, 18}});                // no owner
    desktop.setCursor(kCursor);

    EXPECT_EQ(windowUnderCursor(desktop), 302u);
}

TEST(WindowUnderCursor, NoWindowOrNoCursorGivesZero) {
    FakeDesktop desktop;
    desktop.addWindow({.handle = kTopLevel, .rect = {0, 0, 10, 10}});
    desktop.setCursor(Point{50, 50});
    EXPECT_EQ(windowUnderCursor(desktop), 0u);

    desktop.setCursor(Point{5, 5});
    desktop.failNext(FakeOp::GetCursorPos, 1);
    desktop.clearCalls();
    EXPECT_EQ(windowUnderCursor(desktop), 0u);
    EXPECT_EQ(desktop.calls(), std::vector<std::string>{"GetCursorPos()"});
}

TEST(WindowUnderCursor, DescendsToTheDeepestVisibleChildAtThePoint) {
    FakeDesktop desktop;
    desktop.addWindow({.handle = kTopLevel, .rect = {0, 0, 1000, 1000}});
    desktop.addWindow(child(200, {0, 0, 100, 100}));
    desktop.addWindow({.handle = 201, .rect = {10, 10, 50, 50}, .parent = 200});
    desktop.addWindow(hidden({.handle = 202, .rect = {12, 12, 20, 20}, .parent = 201}));
    desktop.setCursor(kCursor);

    EXPECT_EQ(windowUnderCursor(desktop), 201u);
}

}  // namespace
}  // namespace tessavik
