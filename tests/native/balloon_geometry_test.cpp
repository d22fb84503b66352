// Balloon placement: the apex on the point, the flips at the right and top edges of the virtual
// screen, the shift back onto it, and the window that also holds the shadow.
#include <gtest/gtest.h>

#include "ui/balloon/balloon_geometry.h"
#include "ui/balloon/balloon_shape.h"

namespace tessavik::ui::balloon {
namespace {

constexpr Size kText{60, 12};  // body 84 x 36, window 89 x 55
constexpr Rect kScreen{0, 0, 1280, 1024};
constexpr Rect kTwoMonitors{-1920, -200, 1280, 1080};  // a left monitor standing higher

struct PlacementCase {
    const char* name;
    Point point;
    Rect screen;
    Rect window;
    bool onTop;
    bool atRight;
};

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, PutsTheWindowWhereTheCaseSays) {
    const PlacementCase& c = GetParam();
    const BalloonLayout layout = placeBalloon(c.point, kText, c.screen);
    EXPECT_EQ(layout.window, c.window);
    EXPECT_EQ(layout.anchorOnTop, c.onTop);
    EXPECT_EQ(layout.anchorAtRight, c.atRight);
}

TEST_P(Placement, KeepsTheApexOnThePointAndTheBaseOnTheBody) {
    const PlacementCase& c = GetParam();
    const BalloonLayout l = placeBalloon(c.point, kText, c.screen);
    EXPECT_EQ(l.window.right - l.window.left, 84 + 5);
    EXPECT_EQ(l.window.bottom - l.window.top, 36 + 16 + 3);
    EXPECT_EQ((Point{l.window.left + l.apex.x, l.window.top + l.apex.y}), c.point);
    EXPECT_EQ(l.apex.y, c.onTop ? 0 : 36 + 16);
    const int edge = c.onTop ? l.body.top : l.body.bottom;
    const int from = c.atRight ? 84 - 16 : 16;
    const int to = c.atRight ? 84 - 28 : 28;
    EXPECT_EQ(l.baseFrom, (Point{from, edge}));
    EXPECT_EQ(l.baseTo, (Point{to, edge}));
    EXPECT_EQ(l.text, (Rect{12, l.body.top + 12, 72, l.body.top + 24}));
}

INSTANTIATE_TEST_SUITE_P(
    EdgesAndCorners, Placement,
    ::testing::Values(
        PlacementCase{"Middle", {640, 512}, kScreen, {624, 460, 713, 515}, false, false},
        PlacementCase{
            "RightEdgeStillFits", {1212, 512}, kScreen, {1196, 460, 1285, 515}, false, false},
        PlacementCase{
            "NearTheRightEdge", {1213, 512}, kScreen, {1145, 460, 1234, 515}, false, true},
        PlacementCase{"OnTheLastColumn", {1279, 512}, kScreen, {1196, 460, 1285, 515}, false, true},
        PlacementCase{"TopEdgeStillFits", {640, 52}, kScreen, {624, 0, 713, 55}, false, false},
        PlacementCase{"NearTheTopEdge", {640, 51}, kScreen, {624, 51, 713, 106}, true, false},
        PlacementCase{"TopLeftCorner", {0, 0}, kScreen, {0, 0, 89, 55}, true, false},
        PlacementCase{"TopRightCorner", {1279, 0}, kScreen, {1196, 0, 1285, 55}, true, true},
        PlacementCase{"BottomLeftCorner", {3, 1023}, kScreen, {0, 971, 89, 1026}, false, false},
        PlacementCase{
            "BottomRightCorner", {1279, 1023}, kScreen, {1196, 971, 1285, 1026}, false, true},
        PlacementCase{"LeftOfTheLeftMonitor",
                      {-1915, 500},
                      kTwoMonitors,
                      {-1920, 448, -1831, 503},
                      false,
                      false},
        PlacementCase{
            "AcrossTheMonitorSeam", {-10, 500}, kTwoMonitors, {-26, 448, 63, 503}, false, false},
        PlacementCase{
            "NearANegativeTop", {0, -190}, kTwoMonitors, {-16, -190, 73, -135}, true, false},
        PlacementCase{
            "BelowANegativeTop", {0, -100}, kTwoMonitors, {-16, -152, 73, -97}, false, false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(BalloonShape, HasRoundedCornersAndAnAnchorPointingAtTheApex) {
    const BalloonLayout l = placeBalloon({640, 512}, kText, kScreen);
    const Mask shape = balloonShape(l);
    EXPECT_EQ(shape.at(0, 0), 0);  // cut by the corner's ellipse
    EXPECT_EQ(shape.at(83, 35), 0);
    EXPECT_EQ(shape.at(0, 18), 255);  // straight edges are full
    EXPECT_EQ(shape.at(42, 0), 255);
    EXPECT_EQ(shape.at(8, 8), 255);
    EXPECT_EQ(shape.at(16, 40), 255);  // the anchor, below the body
    EXPECT_EQ(shape.at(27, 36), 255);
    EXPECT_EQ(shape.at(16, 50), 255);  // near the apex
    EXPECT_EQ(shape.at(29, 37), 0);    // beside the anchor
    EXPECT_EQ(shape.at(10, 40), 0);
    EXPECT_EQ(shape.at(86, 20), 0);  // the shadow's part of the window
}

TEST(BalloonShape, TheWindowOwnsTheBalloonAndItsShiftedCopy) {
    const Mask shape = balloonShape(placeBalloon({640, 512}, kText, kScreen));
    const Mask window = windowShape(shape);
    for (int y = 0; y < shape.height; ++y)
        for (int x = 0; x < shape.width; ++x)
            EXPECT_EQ(window.at(x, y), std::max(shape.at(x, y), shape.at(x - 5, y - 3)))
                << x << "," << y;
}

TEST(BalloonShape, TheFrameIsTheOutermostRingOfPixels) {
    const Mask shape = balloonShape(placeBalloon({640, 512}, kText, kScreen));
    const Mask frame = border(shape);
    EXPECT_EQ(frame.at(0, 18), 255);
    EXPECT_EQ(frame.at(42, 0), 255);
    EXPECT_EQ(frame.at(42, 35), 255);  // the body's bottom edge outside the anchor
    EXPECT_EQ(frame.at(20, 36), 0);    // where the body runs into the anchor, no frame
    EXPECT_EQ(frame.at(1, 18), 0);
    EXPECT_EQ(frame.at(40, 18), 0);
}

TEST(BalloonShape, AShiftedAnchorStillReachesThePoint) {
    // The cursor 3 pixels from the left edge: the body is pushed right, the anchor leans left.
    const BalloonLayout l = placeBalloon({3, 500}, kText, kScreen);
    const Mask shape = balloonShape(l);
    EXPECT_EQ(l.apex, (Point{3, 52}));
    EXPECT_EQ(shape.at(4, 50), 255);
    EXPECT_EQ(shape.at(16, 36), 255);
}

}  // namespace
}  // namespace tessavik::ui::balloon
