#include "ui/layout.h"

namespace tessavik::ui {

Origin centredOrigin(std::int32_t screenWidth, std::int32_t screenHeight, std::int32_t width,
                     std::int32_t height) {
    // Integer division in C++ truncates toward zero: (480 - 499) / 2 is -9, not -10.
    return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}

}  // namespace tessavik::ui
