#pragma once
// Small value types that the probe shares with the window system, free of <windows.h>,
// so that the probe compiles and is tested on Linux.

#include <cstdint>

namespace tessavik {

// A window handle taken by its low 32 bits (user handles are 32-bit on 64-bit Windows too);
// 0 means none. Shown as signed decimal.
using WindowHandle = std::uint32_t;

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Screen pixels; right and bottom are exclusive, as in Win32's RECT.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace tessavik
