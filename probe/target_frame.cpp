#include <cstdint>

#include "probe/geometry.h"
#include "probe/platform_objects.h"
#include "probe/probe.h"

namespace tessavik {

namespace {

constexpr int kFramePenWidth = 4;
constexpr std::uint32_t kFrameColor = 0xFF0000;  // 0x00BBGGRR: blue
constexpr std::uint32_t kFrameMilliseconds = 100;

// Draws the frame, waits, draws it again (which takes it away under R2_NOTXORPEN), waits.
void drawAndErase(ProbePlatform& platform, DcHandle dc, const Rect& frame) {
    for (int pass = 0; pass < 2; ++pass) {
        if (dc) platform.Rectangle(dc, frame.left, frame.top, frame.right, frame.bottom);
        platform.Sleep(kFrameMilliseconds);
    }
}

}  // namespace

void flashTargetFrame(ProbePlatform& platform, WindowHandle target) {
    const WindowHandle desktop = platform.GetDesktopWindow();
    const PlatformWindowDc dc(platform, desktop);
    if (!dc) {
        // Nothing can be drawn without a DC, but the tick still takes its 200 ms to keep the pace.
        drawAndErase(platform, 0, Rect{});
        return;
    }
    const int previousMode = platform.SetROP2(dc.get(), kR2NotXorPen);
    Rect frame;  // stays (0, 0, 0, 0) when the target's rectangle cannot be read
    platform.GetWindowRect(target, frame);
    clampTopLeftToOrigin(frame);

    // Released in reverse: the previous pen is selected back, then the pen deleted, then the DC.
    const PlatformPen pen(platform, kPsSolid, kFramePenWidth, kFrameColor);
    const PlatformSelection selection(platform, dc.get(), pen.get());
    drawAndErase(platform, dc.get(), frame);
    // A mode that could not be set gave 0, which is no mode to put back.
    if (previousMode) platform.SetROP2(dc.get(), previousMode);
}

}  // namespace tessavik
