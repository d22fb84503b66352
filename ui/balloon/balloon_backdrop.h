#pragma once
// What lay on the screen beneath a tip's window, captured before the tip is shown.

#include <cstdint>
#include <vector>

#include "ui/balloon/balloon_shape.h"

namespace tessavik::ui::balloon {

struct Backdrop {
    Rect window;                        // screen pixels
    Mask shape;                         // the pixels the window owned; empty before any showing
    std::vector<std::uint32_t> pixels;  // row by row, the window's size
};

// A tip that replaces another is captured before the screen has repainted where the old one
// was: take those pixels from the old tip's own capture instead.
void patchFromEarlier(Backdrop& now, const Backdrop& earlier);

}  // namespace tessavik::ui::balloon
