#pragma once
// Where a window of a given outer size lies when it is centred on the screen.

#include <cstdint>

namespace tessavik::ui {

struct Origin {
    std::int32_t left = 0;
    std::int32_t top = 0;
    friend bool operator==(const Origin&, const Origin&) = default;
};

// Centred on a screen of the given size, each division truncating toward zero: a window wider
// than the screen gets a negative left edge.
Origin centredOrigin(std::int32_t screenWidth, std::int32_t screenHeight, std::int32_t width,
                     std::int32_t height);

}  // namespace tessavik::ui
