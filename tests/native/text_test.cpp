#include "probe/text.h"

#include <gtest/gtest.h>

namespace tessavik {
namespace {

TEST(IntToText, SignedDecimalWithoutPadding) {
    struct Case {
        std::int32_t value;
        const char* text;
    } cases[] = {{0, "0"}, {7, "7"}, {-120, "-120"}, {2147483647, "2147483647"},
                 {INT32_MIN, "-2147483648"}};
    for (const Case& c : cases) EXPECT_EQ(intToText(c.value), c.text) << c.value;
}

TEST(RealToText, WholeNumbersHaveNoPointAndNoExponent) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {{640.0, "640"},           {-35.0, "-35"},   {0.0, "0"},
                 {4294967295.0, "4294967295"}, {-4294967295.0, "-4294967295"}, {0.5, "0.5"},
                 {1.0 / 3.0, "0.3333333333333"}, {1e20, "1e+20"}};
    for (const Case& c : cases) EXPECT_EQ(realToText(c.value), c.text) << c.value;
}

TEST(BytesToText, StopsAtTheFirstZeroOrTakesAllBytes) {
    const char withZero[] = {'a', 'b', '\0', 'c'};
    const char withoutZero[] = {'a', 'b', 'c'};
    EXPECT_EQ(bytesToText(withZero, sizeof withZero), "ab");
    EXPECT_EQ(bytesToText(withoutZero, sizeof withoutZero), "abc");
    EXPECT_EQ(bytesToText(withZero, 0), "");
}

TEST(ConcatTexts, JoinsInOrderWithEmptyPartsCountingAsEmpty) {
    EXPECT_EQ(concatTexts({"X=", "-120", " | Y=", "45"}), "X=-120 | Y=45");
    EXPECT_EQ(concatTexts({"", "a", ""}), "a");
    EXPECT_EQ(concatTexts({"窗口句柄：", "1234"}), "窗口句柄：1234");
    EXPECT_EQ(std::string_view("窗口句柄："), "\xB4\xB0\xBF\xDA\xBE\xE4\xB1\xFA\xA3\xBA");
}

}  // namespace
}  // namespace tessavik
