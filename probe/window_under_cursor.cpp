#include <cstdint>
#include <limits>

#include "probe/geometry.h"
#include "probe/probe.h"

namespace tessavik {

WindowHandle windowUnderCursor(ProbePlatform& platform) {
    const std::optional<Point> cursor = platform.GetCursorPos();
    if (!cursor) return 0;
    const WindowHandle found = platform.WindowFromPoint(*cursor);
    if (!found) return 0;

    WindowHandle best = found;
    Rect bestRect;
    // A window whose rectangle cannot be read is as large as can be: any qualifying sibling wins.
    std::int32_t bestArea = platform.GetWindowRect(found, bestRect) ? wrappingArea(bestRect)
                                                                     : std::numeric_limits<std::int32_t>::max();
    const WindowHandle parent = platform.GetParent(found);
    if (!parent) return found;

    for (WindowHandle sibling = platform.GetWindow(found, kGwHwndNext); sibling;
         sibling = platform.GetWindow(sibling, kGwHwndNext)) {
        Rect candidate;
        if (!platform.GetWindowRect(sibling, candidate)) continue;
        if (!containsPoint(candidate, *cursor)) continue;
        if (platform.GetParent(sibling) != parent) continue;
        if (!platform.IsWindowVisible(sibling)) continue;
        const std::int32_t candidateArea = wrappingArea(candidate);
        if (candidateArea >= bestArea) continue;
        // The best rectangle is read anew; if that read fails, the one just read stands.
        bestArea = platform.GetWindowRect(sibling, bestRect) ? wrappingArea(bestRect) : candidateArea;
        best = sibling;
    }
    return best;
}

}  // namespace tessavik
