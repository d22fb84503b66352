#include "ui/balloon/win32/balloon_image.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "ui/balloon/balloon_shadow.h"

namespace tessavik::ui::balloon {

namespace {

using platform::SelectGuard;
using platform::UniqueBitmap;
using platform::UniqueBrush;
using platform::UniqueMemoryDc;

BITMAPINFO topDownInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A 32-bit top-down DIB section selected into a memory DC, for GDI to draw on and us to read.
class Canvas {
  public:
    Canvas(int width, int height)
        : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
        const BITMAPINFO info = topDownInfo(width, height);
        bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
        if (bitmap_)
            select_.emplace(dc_.get(), bitmap_.get());
    }
    HDC dc() const { return bitmap_ ? dc_.get() : nullptr; }
    // The pixels, 0x00RRGGBB row by row, once GDI has finished drawing; zeros when there is no DIB.
    std::vector<std::uint32_t> pixels() const {
        std::vector<std::uint32_t> out(static_cast<std::size_t>(width_ * height_), 0);
        if (!bits_)
            return out;
        GdiFlush();
        std::memcpy(out.data(), bits_, out.size() * sizeof(std::uint32_t));
        return out;
    }

  private:
    int width_;
    int height_;
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    void* bits_ = nullptr;
    std::optional<SelectGuard> select_;
};

std::uint32_t dibColour(COLORREF c) {
    return (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
}

// Only the part on the virtual screen: a source reaching beyond it makes the whole BitBlt fail
// under Wine. The rest stays black and is off the screen anyway.
std::vector<std::uint32_t> captureScreen(const Rect& area, const Rect& screenArea) {
    Canvas canvas(area.right - area.left, area.bottom - area.top);
    const platform::ClientDc screen(nullptr);
    const int left = std::max(area.left, screenArea.left);
    const int top = std::max(area.top, screenArea.top);
    const int right = std::min(area.right, screenArea.right);
    const int bottom = std::min(area.bottom, screenArea.bottom);
    if (canvas.dc() && screen && left < right && top < bottom)
        BitBlt(canvas.dc(), left - area.left, top - area.top, right - left, bottom - top,
               screen.get(), left, top, SRCCOPY);
    return canvas.pixels();
}

std::vector<std::uint32_t> drawBalloon(const BalloonLayout& layout, const Mask& shape,
                                       const std::string& text, const BalloonLook& look) {
    Canvas canvas(shape.width, shape.height);
    if (HDC dc = canvas.dc()) {
        const RECT all{0, 0, shape.width, shape.height};
        const UniqueBrush fill(CreateSolidBrush(look.background));
        FillRect(dc, &all, fill.get());
        const SelectGuard font(dc, look.font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        RECT textRect{layout.text.left, layout.text.top, layout.text.right, layout.text.bottom};
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_NOPREFIX);
    }
    std::vector<std::uint32_t> pixels = canvas.pixels();
    const Mask frame = border(shape);
    const std::uint32_t frameColour = dibColour(look.frame);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        if (frame.values[i] != 0)
            pixels[i] = frameColour;
    return pixels;
}

}  // namespace

BalloonImage composeBalloonImage(const BalloonLayout& layout, const Mask& shape,
                                 const std::string& text, const BalloonLook& look,
                                 const Rect& screen, const Backdrop& earlier) {
    BalloonImage image;
    image.backdrop = {layout.window, windowShape(shape), captureScreen(layout.window, screen)};
    patchFromEarlier(image.backdrop, earlier);
    image.pixels = image.backdrop.pixels;
    darken(image.pixels, shadowMask(shape));
    blendInside(image.pixels, drawBalloon(layout, shape, text, look), shape);
    return image;
}

void drawBalloonImage(HDC dc, const BalloonImage& image) {
    const int width = image.backdrop.shape.width;
    const int height = image.backdrop.shape.height;
    if (image.pixels.empty())
        return;
    const BITMAPINFO info = topDownInfo(width, height);
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                      static_cast<UINT>(height), image.pixels.data(), &info, DIB_RGB_COLORS);
}

platform::UniqueRegion regionFromMask(const Mask& mask) {
    // One rectangle per run of covered pixels in a row.
    std::vector<RECT> runs;
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width;) {
            if (mask.at(x, y) == 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (mask.at(x, y) != 0) ++x;
            runs.push_back({start, y, x, y + 1});
        }
    }
    std::vector<std::byte> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    RGNDATAHEADER header{};
    header.dwSize = sizeof(header);
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(runs.size());
    header.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    header.rcBound = {0, 0, mask.width, mask.height};
    std::memcpy(data.data(), &header, sizeof(header));
    if (!runs.empty())
        std::memcpy(data.data() + sizeof(header), runs.data(), runs.size() * sizeof(RECT));
    return platform::UniqueRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                                  reinterpret_cast<const RGNDATA*>(data.data())));
}

}  // namespace tessavik::ui::balloon
