#include "ui/balloon/balloon_shape.h"

#include <algorithm>

namespace tessavik::ui::balloon {

namespace {

constexpr std::uint8_t kFull = 255;

bool insideRoundedRect(const Rect& r, double x, double y) {
    if (x < r.left || x >= r.right || y < r.top || y >= r.bottom)
        return false;
    const double radius = kCornerDiameter / 2.0;
    // The nearest point of the rectangle shrunk by the radius; a corner pixel must lie within
    // one radius of it.
    const double cx = std::clamp(x, r.left + radius, r.right - radius);
    const double cy = std::clamp(y, r.top + radius, r.bottom - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

double cross(Point a, Point b, double x, double y) {
    return (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
}

bool insideTriangle(Point a, Point b, Point c, double x, double y) {
    const double d1 = cross(a, b, x, y);
    const double d2 = cross(b, c, x, y);
    const double d3 = cross(c, a, x, y);
    const bool anyNegative = d1 < 0 || d2 < 0 || d3 < 0;
    const bool anyPositive = d1 > 0 || d2 > 0 || d3 > 0;
    return !(anyNegative && anyPositive);
}

}  // namespace

Mask balloonShape(const BalloonLayout& layout) {
    Mask mask(layout.window.right - layout.window.left, layout.window.bottom - layout.window.top);
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            const double cx = x + 0.5;
            const double cy = y + 0.5;
            if (insideRoundedRect(layout.body, cx, cy) ||
                insideTriangle(layout.baseFrom, layout.baseTo, layout.apex, cx, cy))
                mask(x, y) = kFull;
        }
    }
    return mask;
}

Mask shifted(const Mask& mask, int dx, int dy) {
    Mask out(mask.width, mask.height);
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) out(x, y) = mask.at(x - dx, y - dy);
    return out;
}

Mask windowShape(const Mask& balloon) {
    Mask out = shifted(balloon, kShadowOffset.x, kShadowOffset.y);
    std::transform(out.values.begin(), out.values.end(), balloon.values.begin(), out.values.begin(),
                   [](std::uint8_t a, std::uint8_t b) { return std::max(a, b); });
    return out;
}

Mask border(const Mask& balloon) {
    Mask out(balloon.width, balloon.height);
    for (int y = 0; y < balloon.height; ++y) {
        for (int x = 0; x < balloon.width; ++x) {
            if (balloon.at(x, y) == 0)
                continue;
            const bool edge = balloon.at(x - 1, y) == 0 || balloon.at(x + 1, y) == 0 ||
                              balloon.at(x, y - 1) == 0 || balloon.at(x, y + 1) == 0;
            if (edge)
                out(x, y) = kFull;
        }
    }
    return out;
}

}  // namespace tessavik::ui::balloon
