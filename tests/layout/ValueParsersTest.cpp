#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string_view>

#include "layout/LayoutValueParsers.h"

namespace {

struct IntegerCase {
    std::string_view text;
    std::int32_t expected;
};

TEST(ParseLayoutIntegerTest, ReadsLikeDecimalWcstol) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const IntegerCase cases[] = {
        {"201", 201},
        {" 201", 201},
        {"\t\r\n 7", 7},
        {"201abc", 201},
        {"0xC9", 0},
        {"-15", -15},
        {"+15", 15},
        {"", 0},
        {"abc", 0},
        {"- 5", 0},
        {"1 2", 1},
        {"2147483647", kMax},
        {"2147483648", kMax},
        {"-2147483648", kMin},
        {"-2147483649", kMin},
        {"99999999999999999999999999", kMax},
    };
    for (const IntegerCase& c : cases) {
        EXPECT_EQ(ParseLayoutInteger(c.text), c.expected) << "text \"" << c.text << "\"";
    }
}

struct ColorCase {
    std::string_view text;
    LayoutColor expected;
};

TEST(ParseLayoutColorTest, PacksLowBytesAsBgr) {
    const ColorCase cases[] = {
        {"244,245,247", 0x00F7F5F4},
        {"6,65,105", 0x00694106},
        {"300,0,0", 0x0000002C},
        {"0, 0, 255", 0x00FF0000},
        {"-1,0,0", 0x000000FF},
        {"1,2,3,4", 0x00030201},
        {"1,2,", 0x00000201},
    };
    for (const ColorCase& c : cases) {
        LayoutColor color = 0xDEADBEEF;
        ParseLayoutColor(c.text, color);
        EXPECT_EQ(color, c.expected) << "text \"" << c.text << "\"";
    }
}

TEST(ParseLayoutColorTest, LeavesTargetUnchangedWithoutAllThreeParts) {
    for (const std::string_view text : {"", "255", "255,255"}) {
        LayoutColor color = 0x00123456;
        ParseLayoutColor(text, color);
        EXPECT_EQ(color, 0x00123456u) << "text \"" << text << "\"";
    }
}

struct RectCase {
    std::string_view text;
    LayoutRect expected;
};

TEST(ParseLayoutRectTest, AddsSizeToOriginAndStopsAtMissingComma) {
    const LayoutRect before{100, 200, 300, 400};
    const RectCase cases[] = {
        {"10,50,308,141", {10, 50, 318, 191}},
        {"5,5,0,0", {5, 5, 5, 5}},
        {"1,2,3,4,5", {1, 2, 4, 6}},
        {" 1, 2, 3, 4", {1, 2, 4, 6}},
        {"-10,-20,5,5", {-10, -20, -5, -15}},
        // Too few commas: the parts before the missing comma are set, the
        // rest stays as it was.
        {"", before},
        {"5", before},
        {"5,", {5, 200, 300, 400}},
        {"5,5", {5, 200, 300, 400}},
        {"5,6,7", {5, 6, 300, 400}},
        {"5,6,7,", {5, 6, 12, 6}},
    };
    for (const RectCase& c : cases) {
        LayoutRect rect = before;
        ParseLayoutRect(c.text, rect);
        EXPECT_EQ(rect, c.expected) << "text \"" << c.text << "\"";
    }
}

TEST(ParseLayoutRectTest, ExtremeValuesWrapInsteadOfOverflowing) {
    LayoutRect rect;
    ParseLayoutRect("2147483647,0,1,0", rect);
    EXPECT_EQ(rect.right, std::numeric_limits<std::int32_t>::min());
}

TEST(ParseLayoutPointTest, ReadsTwoPartsOrLeavesTarget) {
    LayoutPoint point{9, 9};
    ParseLayoutPoint("13,2", point);
    EXPECT_EQ(point, (LayoutPoint{13, 2}));
    ParseLayoutPoint(" 3, -4,5", point);
    EXPECT_EQ(point, (LayoutPoint{3, -4}));
    ParseLayoutPoint("7", point);
    EXPECT_EQ(point, (LayoutPoint{3, -4}));
    ParseLayoutPoint("", point);
    EXPECT_EQ(point, (LayoutPoint{3, -4}));
    ParseLayoutPoint("8,", point);
    EXPECT_EQ(point, (LayoutPoint{8, 0}));
}

}  // namespace
