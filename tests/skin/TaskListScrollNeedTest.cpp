#include <gtest/gtest.h>

#include "skin/TaskListScrollNeed.h"

namespace {

struct NeedCase {
    const char* name;
    int items;
    bool single;
    int clientWidth, clientHeight, columns;
    int v, h;
    bool showV, showH;
};

class TaskListScrollNeedTest : public ::testing::TestWithParam<NeedCase> {};

TEST_P(TaskListScrollNeedTest, ChoosesBars)
{
    const NeedCase c = GetParam();
    const TaskListScrollPlan plan =
        PlanTaskListScrollBars({c.items, c.single, c.clientWidth, c.clientHeight, c.columns}, TaskListMetrics{});
    if (c.items > 0) {
        EXPECT_EQ(plan.verticalNeed, c.v) << c.name;
        EXPECT_EQ(plan.horizontalNeed, c.h) << c.name;
    }
    EXPECT_EQ(plan.showVertical, c.showV) << c.name;
    EXPECT_EQ(plan.showHorizontal, c.showH) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Needs, TaskListScrollNeedTest,
    ::testing::Values(
        // 300 rows of content in 180 visible pixels; columns fit even beside the bar.
        NeedCase{"tall content", 10, false, 400, 200, 384, 1, 3, true, false},
        // Columns fit the width but not the width less 16; rows fit above a bar.
        NeedCase{"both fit only alone", 4, false, 400, 200, 390, 3, 2, false, false},
        // Both need 2: neither bar shows.
        NeedCase{"two needs of 2", 5, false, 400, 175, 390, 2, 2, false, false},
        // Vertical 2 shows because the horizontal bar is needed.
        NeedCase{"vertical pushed by horizontal", 5, false, 300, 175, 390, 2, 1, true, true},
        // Horizontal 2 shows because the vertical bar is needed.
        NeedCase{"horizontal pushed by vertical", 10, false, 400, 200, 390, 1, 2, true, true},
        // A single selection of the default height changes nothing.
        NeedCase{"single selection", 10, true, 400, 200, 100, 1, 3, true, false},
        NeedCase{"no items", 0, false, 10, 10, 1000, 3, 3, false, false}));

TEST(TaskListScrollNeedTest, RangesAndPages)
{
    const TaskListScrollPlan plan = PlanTaskListScrollBars({10, false, 400, 200, 384}, TaskListMetrics{});
    EXPECT_EQ(plan.contentHeight, 300);
    EXPECT_EQ(plan.verticalPage, 164);
    EXPECT_EQ(plan.contentWidth, 384);
    EXPECT_EQ(plan.horizontalPage, 384);

    TaskListMetrics tall;
    tall.selRowHeight = 50;
    EXPECT_EQ(PlanTaskListScrollBars({10, true, 400, 200, 384}, tall).contentHeight, 320);
}

} // namespace
