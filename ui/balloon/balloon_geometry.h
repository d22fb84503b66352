#pragma once
// Where a balloon tip goes and what shape it has: the body around the text, the anchor triangle
// whose apex lies on the point, the flips near the right and top edges of the virtual screen,
// the shift back onto it, and the window that holds balloon and shadow.

#include "probe/probe_types.h"

namespace tessavik::ui::balloon {

struct Size {
    int width = 0;
    int height = 0;
};

inline constexpr int kTextMargin = 12;      // text to body edge, every side
inline constexpr int kAnchorDepth = 16;     // how far the apex reaches out from the body
inline constexpr int kAnchorBaseFrom = 16;  // the base on the body's edge, from the body's end
inline constexpr int kAnchorBaseTo = 28;
inline constexpr int kCornerDiameter = 16;  // the corners' ellipse, 16 x 16
inline constexpr Point kShadowOffset{5, 3};

struct BalloonLayout {
    Rect window;  // screen pixels: the balloon and its shadow, (B + 5) x (H + 19)
    // The rest in pixels of the window.
    Rect body;
    Rect text;
    Point baseFrom;  // the anchor's base on the body's edge, its end nearer the body's end
    Point baseTo;
    Point apex;
    bool anchorOnTop = false;    // flipped down: the body lies below the point
    bool anchorAtRight = false;  // flipped sideways: the body extends left of the point
};

// The layout for a text of the given size whose anchor points at `point`, on a virtual screen
// (all monitors) spanning `screen`.
BalloonLayout placeBalloon(Point point, Size text, Rect screen);

}  // namespace tessavik::ui::balloon
