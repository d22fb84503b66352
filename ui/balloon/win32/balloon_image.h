#pragma once
// The tip's picture: the screen beneath it captured, darkened under the shadow, with the balloon
// blended over it at 90 %; and the window region made from the same mask.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/scoped_handles.h"
#include "ui/balloon/balloon_backdrop.h"
#include "ui/balloon/balloon_geometry.h"

namespace tessavik::ui::balloon {

struct BalloonImage {
    Backdrop backdrop;                  // the screen as it was, before darkening
    std::vector<std::uint32_t> pixels;  // what the window shows
};

struct BalloonLook {
    HFONT font;
    COLORREF background;
    COLORREF frame;
};

// `screen` is the virtual screen; `earlier` the backdrop of the tip shown last, whose pixels the
// screen may not have repainted yet.
BalloonImage composeBalloonImage(const BalloonLayout& layout, const Mask& shape,
                                 const std::string& text, const BalloonLook& look,
                                 const Rect& screen, const Backdrop& earlier);
void drawBalloonImage(HDC dc, const BalloonImage& image);
// A region of the mask's non-zero pixels, in the mask's own coordinates.
platform::UniqueRegion regionFromMask(const Mask& mask);

}  // namespace tessavik::ui::balloon
