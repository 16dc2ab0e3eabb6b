#include <gtest/gtest.h>

#include "skin/StatusStrip.h"

namespace {

struct StripCase {
    int imageWidth;
    int count;
    int expectedCount;
    int expectedWidth;
};

class StatusStripTest : public ::testing::TestWithParam<StripCase> {};

TEST_P(StatusStripTest, CountAndStateWidth)
{
    const StripCase c = GetParam();
    const StatusStripMetrics metrics = ComputeStatusStrip(c.imageWidth, c.count);
    EXPECT_EQ(metrics.statusCount, c.expectedCount);
    EXPECT_EQ(metrics.statusWidth, c.expectedWidth);
}

INSTANTIATE_TEST_SUITE_P(Strips, StatusStripTest,
                         ::testing::Values(
                             // The close button: 4 states of 11.
                             StripCase{44, 4, 4, 11},
                             // The command buttons: 4 states of 79.
                             StripCase{316, 4, 4, 79},
                             // One column too many: it is never shown.
                             StripCase{317, 4, 4, 79},
                             // A count of 0 (or a negative one) is one state.
                             StripCase{224, 0, 1, 224},
                             StripCase{224, -3, 1, 224},
                             // A missing picture has width 0.
                             StripCase{0, 4, 4, 0}));

TEST(StatusStripTest, StateSourceLiesSideBySide)
{
    EXPECT_EQ(StatusSourceX(0, 79), 0);
    EXPECT_EQ(StatusSourceX(3, 79), 237);
}

} // namespace
