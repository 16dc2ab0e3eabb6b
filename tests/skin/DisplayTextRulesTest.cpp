#include <gtest/gtest.h>

#include "skin/DisplayTextLayout.h"
#include "skin/Utf8Text.h"

namespace {

TEST(DisplayTextRulesTest, MinusOneOffsetIsAOnePixelMargin)
{
    EXPECT_EQ(DisplayTextMargin(-1), 1);
    EXPECT_EQ(DisplayTextMargin(0), 0);
    EXPECT_EQ(DisplayTextMargin(15), 15);
    EXPECT_EQ(DisplayTextMargin(-2), -2);
}

TEST(DisplayTextRulesTest, WrapWidthKeepsTheMarginOnBothSides)
{
    // The search hint: 280 wide, offset 15 -> wraps at 250.
    EXPECT_EQ(DisplayTextWrapWidth(0, 280, 15, false), 250);
    EXPECT_EQ(DisplayTextWrapWidth(0, 270, 0, false), 270);
    EXPECT_EQ(DisplayTextWrapWidth(0, 270, DisplayTextMargin(-1), false), 268);
    // A shown scroll bar takes 17 more.
    EXPECT_EQ(DisplayTextWrapWidth(0, 280, 15, true), 233);
}

TEST(DisplayTextRulesTest, ExtentAddsMarginsAndOnePixel)
{
    const TextExtent extent = TextExtentFromMeasure(10, 5, 100.0, 14.0);
    EXPECT_EQ(extent.width, 121);
    EXPECT_EQ(extent.height, 19);
    // Fractions are truncated after the sum.
    const TextExtent fractional = TextExtentFromMeasure(3, 3, 80.6, 27.9);
    EXPECT_EQ(fractional.width, 87);
    EXPECT_EQ(fractional.height, 30);
}

TEST(Utf8TextTest, CutsAtCharactersNotBytes)
{
    EXPECT_EQ(CutToCharacters("abc", 2), "ab");
    EXPECT_EQ(CutToCharacters("abc", 5), "abc");
    // Three two-byte characters cut to two keep four bytes.
    EXPECT_EQ(CutToCharacters("\xC3\xA9\xC3\xA9\xC3\xA9", 2), "\xC3\xA9\xC3\xA9");
    // A three-byte character is kept whole.
    EXPECT_EQ(CutToCharacters("a\xE5\xAE\x8B" "b", 2), "a\xE5\xAE\x8B");
    const std::string title(300, 'x');
    EXPECT_EQ(CutToCharacters(title, 255).size(), 255u);
}

} // namespace
