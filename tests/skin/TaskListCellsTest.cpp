#include <gtest/gtest.h>

#include "skin/TaskListCells.h"

namespace {

TEST(TaskListCellsTest, StatusIconTableFirstMatchDecides)
{
    struct Case {
        const char* status;
        const char* flag14;
        const char* flag16;
        int expected;
    };
    const Case cases[] = {
        {"R", "", "1", 4}, {"R", "x", "0", 0}, {"R", "", "", 0},
        {"W", "x", "", 2}, {"S", "", "", 1},   {"S", "x", "", 1},
        {"C", "", "", 5},  {"P", "", "", 6},   {"E", "", "", 3},
        {"J", "", "", 4},  {"D", "", "", 3},
        // Unknown status: flag 14 alone gives the error picture.
        {"Q", "x", "", 3}, {"Q", "", "1", -1}, {"", "", "", -1},
        // Codes are exact: lower case is unknown.
        {"r", "", "", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TaskStatusIconIndex(c.status, c.flag14, c.flag16), c.expected)
            << c.status << "/" << c.flag14 << "/" << c.flag16;
    }
}

TEST(TaskListCellsTest, JobRowShowsPercentInProgressColumn)
{
    EXPECT_EQ(TaskCellText("J", 6, "ignored", "42"), "42%");
    EXPECT_EQ(TaskCellText("J", 5, "42", "42"), "42");
    EXPECT_EQ(TaskCellText("R", 6, "done", "42"), "done");
    EXPECT_TRUE(IsProgressCell(6, "42%"));
    EXPECT_FALSE(IsProgressCell(5, "42%"));
    EXPECT_FALSE(IsProgressCell(6, "42"));
    EXPECT_FALSE(IsProgressCell(6, ""));
}

TEST(TaskListCellsTest, ProgressCellFillsHundredthsOfTheBar)
{
    struct Case {
        const char* name;
        int cellWidth, barLeft, barWidth;
        const char* text;
        bool drawn;
        int bar, fill;
    };
    const Case cases[] = {
        {"42 of a 100-pixel bar", 120, 10, 100, "42%", true, 100, 42},
        {"rounded half up", 120, 10, 50, "33%", true, 50, 17},  // 16.5 -> 17
        {"bar cut at the cell edge", 60, 10, 100, "80%", true, 50, 50},
        {"bar starts past the cell", 10, 10, 100, "50%", false, 0, 0},
        {"no number", 120, 10, 100, "%", true, 100, 0},
        {"negative fills nothing", 120, 10, 100, "-30%", true, 100, 0},
        {"over a hundred fills the bar", 120, 10, 100, "250%", true, 100, 100},
        {"huge number does not overflow", 120, 10, 100, "99999999999999999999%", true, 100, 100},
    };
    for (const Case& c : cases) {
        const ProgressCellLayout layout = LayoutProgressCell(c.cellWidth, c.barLeft, c.barWidth, c.text);
        EXPECT_EQ(layout.drawn, c.drawn) << c.name;
        EXPECT_EQ(layout.barWidth, c.bar) << c.name;
        EXPECT_EQ(layout.fillWidth, c.fill) << c.name;
    }
}

TEST(TaskListCellsTest, MulDivRoundsHalfAwayFromZero)
{
    EXPECT_EQ(MulDivRounded(42, 100, 100), 42);
    EXPECT_EQ(MulDivRounded(1, 1, 2), 1);
    EXPECT_EQ(MulDivRounded(-1, 1, 2), -1);
    EXPECT_EQ(MulDivRounded(1, 1, 3), 0);
    EXPECT_EQ(MulDivRounded(5, 5, 0), 0);
}

} // namespace
