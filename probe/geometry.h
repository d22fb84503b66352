#pragma once
// Rectangle arithmetic of the probe, done as the window system does it.

#include <cstdint>

#include "probe/probe_types.h"

namespace tessavik {

// PtInRect: left and top edges inside, right and bottom edges outside.
constexpr bool containsPoint(const Rect& r, Point p) {
    return r.left <= p.x && p.x < r.right && r.top <= p.y && p.y < r.bottom;
}

// (bottom - top) * (right - left) as a signed 32-bit product that wraps on overflow, the way a
// 32-bit multiply gives it; computed unsigned so that the wrap is defined.
constexpr std::int32_t wrappingArea(const Rect& r) {
    const std::uint32_t height = static_cast<std::uint32_t>(r.bottom) - static_cast<std::uint32_t>(r.top);
    const std::uint32_t width = static_cast<std::uint32_t>(r.right) - static_cast<std::uint32_t>(r.left);
    return static_cast<std::int32_t>(height * width);
}

// A negative left or top raised to 0; right and bottom stay.
constexpr void clampTopLeftToOrigin(Rect& r) {
    if (r.left < 0) r.left = 0;
    if (r.top < 0) r.top = 0;
}

}  // namespace tessavik
