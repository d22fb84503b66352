#include "ui/balloon/balloon_shadow.h"

#include <algorithm>
#include <cassert>

namespace tessavik::ui::balloon {

namespace {

constexpr int kBlurRadius = kShadowBlur / 2;
// Shrunk as far as the blur reaches, so that the shadow fades out on the window shape's edge.
constexpr int kShrink = kBlurRadius;

enum class Reduce { minimum, mean };

// One pass of a sliding window of 2r + 1 pixels along rows or columns; outside counts as 0.
Mask slide(const Mask& in, int radius, bool alongRows, Reduce reduce) {
    Mask out(in.width, in.height);
    const int span = 2 * radius + 1;
    for (int y = 0; y < in.height; ++y) {
        for (int x = 0; x < in.width; ++x) {
            int sum = 0;
            int lowest = 255;
            for (int k = -radius; k <= radius; ++k) {
                const int v = alongRows ? in.at(x + k, y) : in.at(x, y + k);
                sum += v;
                lowest = std::min(lowest, v);
            }
            const int value = reduce == Reduce::minimum ? lowest : (sum + span / 2) / span;
            out(x, y) = static_cast<std::uint8_t>(value);
        }
    }
    return out;
}

int channel(std::uint32_t pixel, int shift) {
    return static_cast<int>((pixel >> shift) & 0xFFu);
}

template <typename PerChannel>
std::uint32_t mapChannels(std::uint32_t a, std::uint32_t b, PerChannel f) {
    std::uint32_t out = 0;
    for (int shift : {0, 8, 16})
        out |= static_cast<std::uint32_t>(f(channel(a, shift), channel(b, shift))) << shift;
    return out;
}

}  // namespace

Mask shadowMask(const Mask& balloon) {
    Mask m = shifted(balloon, kShadowOffset.x, kShadowOffset.y);
    m = slide(slide(m, kShrink, true, Reduce::minimum), kShrink, false, Reduce::minimum);
    return slide(slide(m, kBlurRadius, true, Reduce::mean), kBlurRadius, false, Reduce::mean);
}

void darken(std::span<std::uint32_t> pixels, const Mask& shadow) {
    assert(pixels.size() == shadow.values.size());
    constexpr int kScale = 255 * 255;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const int m = shadow.values[i];
        if (m == 0)
            continue;
        const int factor = kScale - (255 - kFullShadowFactor) * m;  // out of 255 x 255
        pixels[i] = mapChannels(
            pixels[i], 0, [factor](int c, int) { return (c * factor + kScale / 2) / kScale; });
    }
}

std::uint32_t blendPixel(std::uint32_t balloon, std::uint32_t beneath) {
    constexpr int kOpacity = 100 - kTransparencyPercent;
    return mapChannels(balloon, beneath, [](int over, int under) {
        return (over * kOpacity + under * kTransparencyPercent + 50) / 100;
    });
}

void blendInside(std::span<std::uint32_t> beneath, std::span<const std::uint32_t> balloon,
                 const Mask& shape) {
    assert(beneath.size() == shape.values.size() && balloon.size() == shape.values.size());
    for (std::size_t i = 0; i < beneath.size(); ++i)
        if (shape.values[i] != 0)
            beneath[i] = blendPixel(balloon[i], beneath[i]);
}

}  // namespace tessavik::ui::balloon
