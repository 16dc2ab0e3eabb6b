#include <gtest/gtest.h>

#include "skin/HeaderGeometry.h"

namespace {

TEST(HeaderRulesTest, BackgroundSourceLeavesOutRightColumnsAndBottomRows)
{
    const SourceRect source = HeaderBackgroundSource(249, 17);
    EXPECT_EQ(source.x, 0);
    EXPECT_EQ(source.y, 0);
    EXPECT_EQ(source.width, 199);
    EXPECT_EQ(source.height, 12);
}

TEST(HeaderRulesTest, TooSmallOrMissingPictureGivesEmptySource)
{
    const SourceRect small = HeaderBackgroundSource(30, 4);
    EXPECT_EQ(small.width, 0);
    EXPECT_EQ(small.height, 0);
    const SourceRect missing = HeaderBackgroundSource(0, 0);
    EXPECT_EQ(missing.width, 0);
    EXPECT_EQ(missing.height, 0);
}

TEST(HeaderRulesTest, HeightScaleTruncatesInSinglePrecision)
{
    struct Case {
        float scale;
        int computed;
        int expected;
    };
    const Case cases[] = {
        {0.9f, 19, 17},
        {0.9f, 20, 18},  // 0.9f * 20 is 18 in float, 17.99... in double
        {1.0f, 19, 19},
        {0.9f, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScaledHeaderHeight(c.scale, c.computed), c.expected) << c.scale << " x " << c.computed;
    }
}

} // namespace
