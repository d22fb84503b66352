#include "ui/balloon/balloon_geometry.h"

namespace tessavik::ui::balloon {

BalloonLayout placeBalloon(Point point, Size text, Rect screen) {
    const int bodyWidth = text.width + 2 * kTextMargin;
    const int bodyHeight = text.height + 2 * kTextMargin;

    BalloonLayout layout;
    layout.anchorAtRight = point.x - kAnchorBaseFrom + bodyWidth > screen.right;
    layout.anchorOnTop = point.y - (bodyHeight + kAnchorDepth) < screen.top;

    // The body's left edge on the screen: the apex sits at the base's end nearer the body's end.
    int bodyLeft =
        layout.anchorAtRight ? point.x + kAnchorBaseFrom - bodyWidth : point.x - kAnchorBaseFrom;
    // Back onto the screen; the apex stays on the point, the base keeps its place on the body.
    if (!layout.anchorAtRight && bodyLeft < screen.left)
        bodyLeft = screen.left;
    if (layout.anchorAtRight && bodyLeft + bodyWidth > screen.right)
        bodyLeft = screen.right - bodyWidth;

    const int balloonTop = layout.anchorOnTop ? point.y : point.y - kAnchorDepth - bodyHeight;
    layout.window = {bodyLeft, balloonTop, bodyLeft + bodyWidth + kShadowOffset.x,
                     balloonTop + bodyHeight + kAnchorDepth + kShadowOffset.y};

    const int bodyTop = layout.anchorOnTop ? kAnchorDepth : 0;
    layout.body = {0, bodyTop, bodyWidth, bodyTop + bodyHeight};
    layout.text = {kTextMargin, bodyTop + kTextMargin, kTextMargin + text.width,
                   bodyTop + kTextMargin + text.height};

    const int edge = layout.anchorOnTop ? layout.body.top : layout.body.bottom;
    const int from = layout.anchorAtRight ? bodyWidth - kAnchorBaseFrom : kAnchorBaseFrom;
    const int to = layout.anchorAtRight ? bodyWidth - kAnchorBaseTo : kAnchorBaseTo;
    layout.baseFrom = {from, edge};
    layout.baseTo = {to, edge};
    layout.apex = {point.x - layout.window.left, point.y - layout.window.top};
    return layout;
}

}  // namespace tessavik::ui::balloon
