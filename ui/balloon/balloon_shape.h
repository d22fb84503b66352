#pragma once
// The balloon's pixels as coverage masks of the window: the rounded body joined with the anchor,
// the window's shape (balloon plus shadow), and the 1-pixel border along the outline.

#include <cstdint>
#include <vector>

#include "ui/balloon/balloon_geometry.h"

namespace tessavik::ui::balloon {

// One byte per pixel, row by row: 0 outside, 255 fully inside.
struct Mask {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> values;

    Mask() = default;
    Mask(int w, int h) : width(w), height(h), values(static_cast<std::size_t>(w * h), 0) {}
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    std::uint8_t at(int x, int y) const { return contains(x, y) ? values[index(x, y)] : 0; }
    std::uint8_t& operator()(int x, int y) { return values[index(x, y)]; }

  private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y * width + x); }
};

// The pixels (tested at their centres) of the rounded body and the anchor triangle.
Mask balloonShape(const BalloonLayout& layout);
// The mask moved by (dx, dy) within the same size; what leaves it is dropped.
Mask shifted(const Mask& mask, int dx, int dy);
// What the window owns: the balloon joined with its copy moved by the shadow offset.
Mask windowShape(const Mask& balloon);
// The balloon's pixels that touch a pixel outside it (4-neighbourhood): the frame.
Mask border(const Mask& balloon);

}  // namespace tessavik::ui::balloon
