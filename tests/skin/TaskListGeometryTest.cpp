#include <gtest/gtest.h>

#include <vector>

#include "skin/TaskListRowGeometry.h"

namespace {

// Rows of 30 with a single selected row of 50, under a 20-pixel header.
TaskListMetrics TallSelection()
{
    TaskListMetrics metrics;
    metrics.selRowHeight = 50;
    return metrics;
}

TEST(TaskListGeometryTest, RowsAfterATallSelectionMoveDown)
{
    const TaskListMetrics metrics = TallSelection();
    struct Case {
        int row, top, bottom;
    };
    const Case cases[] = {{0, 20, 49}, {1, 50, 99}, {2, 100, 129}, {3, 130, 159}};
    for (const Case& c : cases) {
        const RowSpan span = TaskListRowSpan(c.row, 1, 0, metrics);
        EXPECT_EQ(span.top, c.top) << c.row;
        EXPECT_EQ(span.bottom, c.bottom) << c.row;
    }
    // Scrolled by 25 pixels everything moves up by 25.
    EXPECT_EQ(TaskListRowSpan(2, 1, 25, metrics).top, 75);
    // Without a single selection every row is 30 high.
    EXPECT_EQ(TaskListRowSpan(2, kNoRow, 0, metrics).top, 80);
}

TEST(TaskListGeometryTest, HitTestWithATallSingleSelection)
{
    const TaskListMetrics metrics = TallSelection();
    struct Case {
        int y, row;
    };
    const Case cases[] = {
        {20, 0}, {49, 0}, {50, 1}, {99, 1}, {100, 2}, {129, 2}, {130, 3}, {159, 3},
        {160, kNoRow},  // below the last of four rows
        {19, kNoRow},   // the header band
        {0, kNoRow},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TaskListHitTestRow(c.y, 0, 1, 4, metrics), c.row) << "y = " << c.y;
    }
}

TEST(TaskListGeometryTest, HitTestAgreesWithRowSpansEverywhere)
{
    const TaskListMetrics metrics = TallSelection();
    const int itemCount = 5;
    for (int single : {kNoRow, 0, 2, 4}) {
        for (int scroll : {0, 37}) {
            for (int y = -10; y < 300; ++y) {
                int expected = kNoRow;
                for (int row = 0; row < itemCount; ++row) {
                    const RowSpan span = TaskListRowSpan(row, single, scroll, metrics);
                    if (y >= span.top && y <= span.bottom && y >= metrics.headerHeight - scroll) {
                        expected = row;
                    }
                }
                ASSERT_EQ(TaskListHitTestRow(y, scroll, single, itemCount, metrics), expected)
                    << "single " << single << " scroll " << scroll << " y " << y;
            }
        }
    }
}

TEST(TaskListGeometryTest, HitTestColumnFollowsHorizontalScroll)
{
    const std::vector<int> widths{100, 0, 50};
    EXPECT_EQ(TaskListHitTestColumn(0, 0, widths), 0);
    EXPECT_EQ(TaskListHitTestColumn(99, 0, widths), 0);
    EXPECT_EQ(TaskListHitTestColumn(100, 0, widths), 2);  // the zero-width column is never hit
    EXPECT_EQ(TaskListHitTestColumn(149, 0, widths), 2);
    EXPECT_EQ(TaskListHitTestColumn(150, 0, widths), kNoRow);
    EXPECT_EQ(TaskListHitTestColumn(60, 40, widths), 2);
    EXPECT_EQ(TaskListHitTestColumn(-1, 0, widths), kNoRow);
}

} // namespace

namespace {

TEST(TaskListGeometryTest, BandKeepsTheCurrentPointInTheRows)
{
    const TaskListMetrics metrics;
    struct Case {
        int startX, startY, x, y;
        BandRect expected;
    };
    const Case cases[] = {
        {10, 40, 50, 90, {10, 40, 50, 90}},
        {50, 90, 10, 40, {10, 40, 50, 90}},    // dragged up and left
        {10, 40, -30, 5, {0, 20, 10, 40}},     // above the rows and left of the client
        {10, 40, 900, 900, {10, 40, 300, 200}},
    };
    for (const Case& c : cases) {
        const BandRect band = TaskListBandRect(c.startX, c.startY, c.x, c.y, 300, 200, metrics);
        EXPECT_EQ(band.left, c.expected.left);
        EXPECT_EQ(band.top, c.expected.top);
        EXPECT_EQ(band.right, c.expected.right);
        EXPECT_EQ(band.bottom, c.expected.bottom);
    }
}

} // namespace
