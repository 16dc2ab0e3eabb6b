#include <gtest/gtest.h>

#include <vector>

#include "skin/TaskListSelection.h"

namespace {

TaskListSelection Rows(std::vector<bool> selected, int anchor = kNoRow)
{
    return TaskListSelection{std::move(selected), anchor};
}

using Selected = std::vector<bool>;

struct PressCase {
    const char* name;
    Selected before;
    int anchorBefore;
    int row;
    bool shift, ctrl;
    Selected after;
    int anchorAfter;
};

class LeftPressTest : public ::testing::TestWithParam<PressCase> {};

TEST_P(LeftPressTest, AppliesRule)
{
    const PressCase c = GetParam();
    TaskListSelection selection = Rows(c.before, c.anchorBefore);
    ApplyLeftPress(selection, c.row, {c.shift, c.ctrl});
    EXPECT_EQ(selection.selected, c.after) << c.name;
    EXPECT_EQ(selection.anchor, c.anchorAfter) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, LeftPressTest,
    ::testing::Values(
        PressCase{"plain press selects one row", {true, false, true, false}, 0, 1, false, false,
                  {false, true, false, false}, 1},
        PressCase{"shift without anchor selects only the row", {false, false, false, false}, kNoRow, 2,
                  true, false, {false, false, true, false}, kNoRow},
        PressCase{"shift range downward", {false, true, false, false}, 1, 3, true, false,
                  {false, true, true, true}, 1},
        PressCase{"shift range upward clears the rest", {false, false, true, true}, 2, 0, true, false,
                  {true, true, true, false}, 2},
        PressCase{"shift wins over ctrl", {true, false, false, false}, 0, 2, true, true,
                  {true, true, true, false}, 0},
        PressCase{"shift with a stale anchor", {false, false, false}, 7, 1, true, false,
                  {false, true, false}, 7},
        PressCase{"ctrl deselects a selected row and anchors it", {true, true, false}, 0, 1, false, true,
                  {true, false, false}, 1},
        PressCase{"ctrl adds a row", {true, false, false}, 0, 2, false, true, {true, false, true}, 2},
        PressCase{"empty space clears and keeps the anchor", {true, true, false}, 1, kNoRow, false, false,
                  {false, false, false}, 1}));

TEST(RightPressTest, KeepsASelectionItPressesOn)
{
    TaskListSelection selection = Rows({true, false, true}, 0);
    EXPECT_FALSE(ApplyRightPress(selection, 2, {}));
    EXPECT_EQ(selection.selected, (Selected{true, false, true}));
    EXPECT_EQ(selection.anchor, 0);
}

TEST(RightPressTest, OnAnUnselectedRowSelectsOnlyIt)
{
    TaskListSelection selection = Rows({true, false, true}, 0);
    EXPECT_TRUE(ApplyRightPress(selection, 1, {}));
    EXPECT_EQ(selection.selected, (Selected{false, true, false}));
    EXPECT_EQ(selection.anchor, 1);
}

TEST(RightPressTest, ModifiersAndEmptySpace)
{
    TaskListSelection selection = Rows({true, false}, 0);
    EXPECT_FALSE(ApplyRightPress(selection, 1, {false, true}));
    EXPECT_FALSE(ApplyRightPress(selection, 1, {true, false}));
    EXPECT_EQ(selection.selected, (Selected{true, false}));
    EXPECT_TRUE(ApplyRightPress(selection, kNoRow, {}));
    EXPECT_EQ(selection.selected, (Selected{false, false}));
}

TEST(BandSelectionTest, SelectsRowsTheBandOverlaps)
{
    const TaskListMetrics metrics;  // rows of 30 under a 20-pixel header
    // Rows: 0 [20, 49], 1 [50, 79], 2 [80, 109], 3 [110, 139].
    struct Case {
        const char* name;
        int top, bottom, scroll;
        Selected expected;
    };
    const Case cases[] = {
        {"inside one row", 55, 60, 0, {false, true, false, false}},
        {"across two rows", 45, 85, 0, {true, true, true, false}},
        {"touching a row's last pixel", 79, 79, 0, {false, true, false, false}},
        {"below the last row", 150, 190, 0, {false, false, false, false}},
        {"scrolled by 30", 25, 40, 30, {false, true, false, false}},
    };
    for (const Case& c : cases) {
        TaskListSelection selection = Rows({false, false, false, false}, 2);
        ApplyBandSelection(selection, c.top, c.bottom, c.scroll, metrics);
        EXPECT_EQ(selection.selected, c.expected) << c.name;
        EXPECT_EQ(selection.anchor, 2) << c.name;
    }
}

TEST(SelectionTest, SingleSelectedRow)
{
    EXPECT_EQ(SingleSelectedRow(Rows({false, true, false})), 1);
    EXPECT_EQ(SingleSelectedRow(Rows({true, true, false})), kNoRow);
    EXPECT_EQ(SingleSelectedRow(Rows({false, false})), kNoRow);
}

} // namespace
