#include <gtest/gtest.h>

#include "ui/label_format.h"
#include "ui/layout.h"
#include "ui/tab_order.h"

namespace tessavik::ui {
namespace {

TEST(CentredOrigin, TruncatesTowardZero) {
    struct Case {
        std::int32_t screenWidth, screenHeight, left, top;
    } cases[] = {
        {1280, 1024, 390, 316},                     // 781 / 2 and 633 / 2 cut down
        {1920, 1080, 710, 344}, {480, 391, -9, 0},  // (480 - 499) / 2 = -9.5, toward zero
        {498, 390, 0, 0},                           // -0.5 becomes 0, not -1
        {0, 0, -249, -195},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(centredOrigin(c.screenWidth, c.screenHeight, 499, 391), (Origin{c.left, c.top}))
            << c.screenWidth << "x" << c.screenHeight;
    }
}

TEST(TabOrder, MainWindowStartsAtTheParentHandleBoxAndAlternates) {
    auto rows = kMainWindowDescription.controls;
    std::vector<std::size_t> sequence = tabSequence(rows);
    ASSERT_EQ(sequence.size(), 2u);
    EXPECT_EQ(rows[sequence[0]].name, "编辑框_父句柄");  // equal numbers: the later row first
    EXPECT_EQ(rows[sequence[1]].name, "选择框1");
    for (bool backward : {false, true}) {
        EXPECT_EQ(nextTabStop(sequence, sequence[0], backward), sequence[1]);
        EXPECT_EQ(nextTabStop(sequence, sequence[1], backward), sequence[0]);
    }
}

TEST(TabOrder, ByNumberThenFromTheLastRowWrappingBothWays) {
    std::vector<ControlRow> rows(5);
    for (ControlRow& row : rows) row.tabStop = true;
    rows[0].tabOrder = 1;
    rows[2].tabStop = false;
    rows[4].visible = false;
    std::vector<std::size_t> sequence = tabSequence(rows);
    EXPECT_EQ(sequence, (std::vector<std::size_t>{3, 1, 0}));
    EXPECT_EQ(nextTabStop(sequence, 0, false), 3u);
    EXPECT_EQ(nextTabStop(sequence, 3, true), 0u);
    EXPECT_EQ(nextTabStop(sequence, 1, false), 0u);
    // From a control that is no tab stop (given the focus by a click), or from none.
    EXPECT_EQ(nextTabStop(sequence, 2, false), 3u);
    EXPECT_EQ(nextTabStop(sequence, 2, true), 0u);
    EXPECT_EQ(nextTabStop(sequence, std::nullopt, false), 3u);
    EXPECT_EQ(nextTabStop({}, 2, false), std::nullopt);
}

TEST(LabelDrawTextFlags, OneCentredLineOrWordBreakFromTheTop) {
    struct Case {
        HorizontalAlign align;
        bool wordWrap;
        std::uint32_t flags;
    } cases[] = {
        {HorizontalAlign::Left, false, 0x0100 | 0x0020 | 0x0004},  // NOCLIP|SINGLELINE|VCENTER
        {HorizontalAlign::Left, true, 0x0100 | 0x0010 | 0x0004},   // NOCLIP|WORDBREAK|VCENTER
        {HorizontalAlign::Centre, false, 0x0100 | 0x0020 | 0x0004 | 0x0001},
        {HorizontalAlign::Right, true, 0x0100 | 0x0010 | 0x0004 | 0x0002},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(labelDrawTextFlags(c.align, c.wordWrap), c.flags)
            << static_cast<int>(c.align) << " " << c.wordWrap;
    }
}

}  // namespace
}  // namespace tessavik::ui
