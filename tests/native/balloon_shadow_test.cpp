// The balloon's soft shadow (darkening and blurred edge), its 90 % blend, and the backdrop
// taken over from a tip that was just hidden.
#include <gtest/gtest.h>

#include <vector>

#include "ui/balloon/balloon_backdrop.h"
#include "ui/balloon/balloon_shadow.h"

namespace tessavik::ui::balloon {
namespace {

constexpr Rect kScreen{0, 0, 1280, 1024};

Mask middleBalloon() {
    return balloonShape(placeBalloon({640, 512}, {60, 12}, kScreen));
}

TEST(Shadow, FullShadowFactorIs117) {
    EXPECT_EQ(kFullShadowFactor, 117);
}

struct DarkenCase {
    std::uint8_t mask;
    std::uint32_t before;
    std::uint32_t after;
};

TEST(Shadow, DarkensEachChannelByTheMasksShare) {
    const DarkenCase cases[] = {
        {255, 0xFFFFFF, 0x757575},  // 255 x 117 / 255
        {255, 0x000000, 0x000000},
        {255, 0x804020, 0x3B1D0F},  // 58.7, 29.4, 14.7 rounded
        {0, 0x804020, 0x804020},
        {128, 0xFFFFFF, 0xBABABA},  // halfway: 255 x (1 - 138 x 128 / 65025)
        {255, 0xFF0000, 0x750000},  // channels stay apart
    };
    for (const auto& c : cases) {
        std::vector<std::uint32_t> pixel{c.before};
        Mask m(1, 1);
        m(0, 0) = c.mask;
        darken(pixel, m);
        EXPECT_EQ(pixel[0], c.after)
            << std::hex << c.before << " under " << std::dec << int(c.mask);
    }
}

TEST(Shadow, EdgeFadesOverSevenPixelsInsideTheWindowShape) {
    const Mask balloon = middleBalloon();
    const Mask shadow = shadowMask(balloon);
    const Mask window = windowShape(balloon);
    for (std::size_t i = 0; i < shadow.values.size(); ++i)  // never outside the window
        EXPECT_TRUE(window.values[i] != 0 || shadow.values[i] == 0) << i;

    // Along the row through the body's middle, shifted 3 down: the shadow's last column is the
    // body's (83) moved 5 right, and the fade reaches 0 just beyond it.
    const int y = 18 + 3;
    const std::vector<int> expected = {0, 36, 73, 109, 146, 182, 219, 255};  // columns 89 .. 82
    for (std::size_t k = 0; k < expected.size(); ++k)
        EXPECT_EQ(shadow.at(89 - static_cast<int>(k), y), expected[k]) << "column " << 89 - k;
    EXPECT_EQ(shadow.at(40, y), 255);
    EXPECT_EQ(shadow.at(3, y), 0);  // left of the shifted shape
}

TEST(Blend, DrawsTheBalloonNinetyPercentOpaque) {
    EXPECT_EQ(blendPixel(0xFFFFFF, 0x000000), 0xE6E6E6u);  // 229.5 rounded up
    EXPECT_EQ(blendPixel(0x000000, 0xFFFFFF), 0x1A1A1Au);  // 25.5 rounded up
    EXPECT_EQ(blendPixel(0xFFFFE1, 0x757575), 0xF1F1D6u);  // (255·9 + 117) / 10, (225·9 + 117) / 10
    for (std::uint32_t same : {0x000000u, 0x123456u, 0xFFFFFFu})
        EXPECT_EQ(blendPixel(same, same), same);
}

TEST(Blend, OnlyInsideTheBalloon) {
    Mask shape(2, 1);
    shape(1, 0) = 255;
    std::vector<std::uint32_t> beneath{0x000000, 0x000000};
    const std::vector<std::uint32_t> balloon{0xFFFFFF, 0xFFFFFF};
    blendInside(beneath, balloon, shape);
    EXPECT_EQ(beneath, (std::vector<std::uint32_t>{0x000000, 0xE6E6E6}));
}

TEST(Backdrop, TakesWhatLayUnderTheHiddenTipFromItsOwnCapture) {
    Backdrop earlier{{100, 100, 103, 102}, Mask(3, 2), std::vector<std::uint32_t>(6, 0xAAAAAA)};
    earlier.shape(1, 0) = earlier.shape(2, 0) = earlier.shape(2, 1) = 255;
    // The new capture still shows the old tip (0x777777) where it was.
    Backdrop now{{101, 100, 104, 102}, Mask(3, 2), std::vector<std::uint32_t>(6, 0x777777)};
    patchFromEarlier(now, earlier);
    EXPECT_EQ(now.pixels, (std::vector<std::uint32_t>{0xAAAAAA, 0xAAAAAA, 0x777777,  //
                                                      0x777777, 0xAAAAAA, 0x777777}));
}

TEST(Backdrop, NothingToTakeBeforeTheFirstTip) {
    Backdrop now{{0, 0, 2, 1}, Mask(2, 1), {1, 2}};
    patchFromEarlier(now, Backdrop{});
    EXPECT_EQ(now.pixels, (std::vector<std::uint32_t>{1, 2}));
}

}  // namespace
}  // namespace tessavik::ui::balloon
