#include "ui/balloon/balloon_backdrop.h"

namespace tessavik::ui::balloon {

void patchFromEarlier(Backdrop& now, const Backdrop& earlier) {
    const int width = now.window.right - now.window.left;
    for (int y = 0; y < now.window.bottom - now.window.top; ++y) {
        for (int x = 0; x < width; ++x) {
            const int ex = x + now.window.left - earlier.window.left;
            const int ey = y + now.window.top - earlier.window.top;
            if (earlier.shape.at(ex, ey) == 0)
                continue;
            now.pixels[static_cast<std::size_t>(y * width + x)] =
                earlier.pixels[static_cast<std::size_t>(ey * earlier.shape.width + ex)];
        }
    }
}

}  // namespace tessavik::ui::balloon
