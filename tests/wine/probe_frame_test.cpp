// The frame on the screen, and the frame's objects over many flashes.
//
// The screen: flashTargetFrame through the real platform over a white window of this
// process, with the screen sampled (GetPixel on the screen DC) at each of the frame's two waits:
// during the first the line is drawn and the inside untouched, during the second all is restored.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <vector>

#include "platform/win32_probe_platform.h"
#include "probe/probe.h"
#include "tests/wine/probe_test_windows.h"

namespace tessavik {
namespace {

using wintest::handleOf;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// The real platform, except that each wait first samples the screen at the given points.
class SamplingPlatform : public platform::Win32ProbePlatform {
  public:
    explicit SamplingPlatform(std::vector<POINT> points) : points_(std::move(points)) {}

    void Sleep(std::uint32_t milliseconds) override {
        const platform::ClientDc screen(nullptr);
        std::vector<COLORREF>& sample = samples_.emplace_back();
        for (const POINT& p : points_) sample.push_back(::GetPixel(screen.get(), p.x, p.y));
        Win32ProbePlatform::Sleep(milliseconds);
    }

    const std::vector<std::vector<COLORREF>>& samples() const { return samples_; }

  private:
    std::vector<POINT> points_;
    std::vector<std::vector<COLORREF>> samples_;
};

std::vector<COLORREF> pixelsAt(const std::vector<POINT>& points) {
    const platform::ClientDc screen(nullptr);
    std::vector<COLORREF> pixels;
    for (const POINT& p : points) pixels.push_back(::GetPixel(screen.get(), p.x, p.y));
    return pixels;
}

// R2_NOTXORPEN: the inverse of (pen XOR screen).
COLORREF notXorPen(COLORREF pen, COLORREF screen) {
    return ~(pen ^ screen) & 0xFFFFFFu;
}

struct FrameCase {
    const char* name;
    Rect window;
    std::vector<POINT> line;  // on the frame's 4-pixel line: over the window, or just outside it
    POINT inside;
};

class FrameTest : public ::testing::TestWithParam<FrameCase> {};

// Seen under Wine 8: the line straddles the outline, two pixels outside the window and two inside;
// outside lies the black desktop, where the frame shows yellow, and inside the white window it
// shows blue. This process owns the window and draws the frame, which is what lets it see both.
TEST_P(FrameTest, LineShowsThePenMixedWithTheScreenThenTheScreenAgain) {
    const FrameCase& c = GetParam();
    wintest::TestWindows windows;
    HWND w = windows.topLevel(c.window);
    ::UpdateWindow(w);
    wintest::pumpMessages();

    std::vector<POINT> points = c.line;
    points.push_back(c.inside);
    const std::vector<COLORREF> before = pixelsAt(points);
    ASSERT_EQ(before.back(), kWhite) << "the window is painted";

    SamplingPlatform platform(points);
    flashTargetFrame(platform, handleOf(w));

    ASSERT_EQ(platform.samples().size(), 2u) << "one sample per wait";
    const std::vector<COLORREF>& during = platform.samples()[0];
    const std::vector<COLORREF>& after = platform.samples()[1];
    for (std::size_t i = 0; i < points.size(); ++i) {
        const bool onLine = i < c.line.size();
        const COLORREF expected = onLine ? notXorPen(kBlue, before[i]) : before[i];
        EXPECT_EQ(during[i], expected) << "during, at " << points[i].x << "," << points[i].y;
        EXPECT_EQ(after[i], before[i]) << "after, at " << points[i].x << "," << points[i].y;
        if (onLine && before[i] == kWhite) {
            EXPECT_EQ(during[i], kBlue);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, FrameTest,
    ::testing::Values(
        FrameCase{
            "onScreen",
            {200, 200, 400, 400},
            {{198, 300}, {199, 300}, {200, 300}, {201, 300}, {300, 201}, {398, 300}, {300, 398}},
            {300, 300}},
        // The frame's left edge lies on the screen's edge.
        FrameCase{"partlyLeftOfTheScreen",
                  {-50, 500, 150, 600},
                  {{0, 550}, {1, 550}, {100, 501}},
                  {75, 550}}),
    [](const auto& param) { return std::string(param.param.name); });

// The real platform without the waits, counting what could not be had.
class UnpacedPlatform : public platform::Win32ProbePlatform {
  public:
    void Sleep(std::uint32_t) override {}
    GdiObject CreatePen(int style, int width, std::uint32_t color) override {
        const GdiObject pen = Win32ProbePlatform::CreatePen(style, width, color);
        if (!pen)
            ++penFailures;
        return pen;
    }
    DcHandle GetWindowDC(WindowHandle w) override {
        const DcHandle dc = Win32ProbePlatform::GetWindowDC(w);
        if (!dc)
            ++dcFailures;
        return dc;
    }

    int penFailures = 0;
    int dcFailures = 0;
};

// A process gets about 65,000 GDI handles under Wine (65,480 pens here): a flash that kept its
// pen or its DC would run out of them long before the end. GetGuiResources answers 0 under Wine,
// so running out is what shows a leak.
TEST(FrameLeakTest, SeventyThousandFlashesNeverRunOutOfPensOrDcs) {
    wintest::TestWindows windows;
    HWND w = windows.topLevel({200, 200, 400, 400});
    UnpacedPlatform platform;
    constexpr int kFlashes = 70000;

    const ULONGLONG start = ::GetTickCount64();
    int flashes = 0;
    while (flashes < kFlashes && platform.penFailures == 0 && platform.dcFailures == 0) {
        flashTargetFrame(platform, handleOf(w));
        ++flashes;
    }
    std::printf("%d flashes without their waits took %llu ms\n", flashes,
                static_cast<unsigned long long>(::GetTickCount64() - start));

    EXPECT_EQ(platform.penFailures, 0);
    EXPECT_EQ(platform.dcFailures, 0);
    const GdiObject pen = platform.CreatePen(kPsSolid, 4, 0xFF0000);
    EXPECT_NE(pen, 0u) << "handles are still to be had";
    platform.DeleteObject(pen);
}

}  // namespace
}  // namespace tessavik
