#include "skin/TaskListScrollNeed.h"

TaskListScrollPlan PlanTaskListScrollBars(const TaskListScrollInput& input, const TaskListMetrics& metrics)
{
    TaskListScrollPlan plan;
    if (input.itemCount <= 0) {
        return plan;
    }

    plan.contentHeight = input.singleSelection
        ? (input.itemCount - 1) * metrics.rowHeight + metrics.selRowHeight
        : input.itemCount * metrics.rowHeight;
    plan.verticalPage = input.clientHeight - metrics.hScrollHeight - metrics.headerHeight;
    if (input.clientHeight - metrics.headerHeight < plan.contentHeight) {
        plan.verticalNeed = 1;
    } else if (plan.verticalPage < plan.contentHeight) {
        plan.verticalNeed = 2;
    } else {
        plan.verticalNeed = 3;
    }

    plan.contentWidth = input.columnWidthSum;
    plan.horizontalPage = input.clientWidth - metrics.vScrollWidth;
    if (input.clientWidth < plan.contentWidth) {
        plan.horizontalNeed = 1;
    } else if (plan.horizontalPage >= plan.contentWidth) {
        plan.horizontalNeed = 3;
    } else {
        plan.horizontalNeed = 2;
    }

    plan.showVertical = plan.verticalNeed == 1 || (plan.verticalNeed == 2 && plan.horizontalNeed == 1);
    plan.showHorizontal = plan.horizontalNeed == 1 || (plan.horizontalNeed == 2 && plan.verticalNeed == 1);
    return plan;
}
