#pragma once
// The balloon's soft shadow and its 90 % opacity, as arithmetic on 32-bit pixels (0x00RRGGBB,
// as a 32-bit DIB holds them) of the window's size.

#include <cstdint>
#include <span>

#include "ui/balloon/balloon_shape.h"

namespace tessavik::ui::balloon {

inline constexpr int kShadowDarkeningPercent = 60;
inline constexpr int kTransparencyPercent = 10;
inline constexpr int kShadowBlur = 7;  // box filter, 7 x 7
// The factor, out of 255, of a pixel under the full shadow: 255 x (100 - 60) / 100 = 102,
// lightened by the transparency: 102 + (255 - 102) x 10 / 100 = 117.
inline constexpr int kFullShadowFactor =
    255 * (100 - kShadowDarkeningPercent) / 100 +
    (255 - 255 * (100 - kShadowDarkeningPercent) / 100) * kTransparencyPercent / 100;

// The shadow's strength per pixel: the balloon moved by the shadow offset, shrunk so that the
// blur fades out inside the window's shape, and blurred with the box filter.
Mask shadowMask(const Mask& balloon);
// Each pixel darkened by the shadow over it: x 117/255 where the mask is full, unchanged where 0.
void darken(std::span<std::uint32_t> pixels, const Mask& shadow);
// One pixel of the balloon drawn 90 % opaque over the pixel beneath.
std::uint32_t blendPixel(std::uint32_t balloon, std::uint32_t beneath);
// Inside the balloon's shape, `beneath` becomes the blend of `balloon` over it.
void blendInside(std::span<std::uint32_t> beneath, std::span<const std::uint32_t> balloon,
                 const Mask& shape);

}  // namespace tessavik::ui::balloon
