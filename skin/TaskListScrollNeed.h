#pragma once
// Whether the task list shows its vertical and horizontal scroll bars.
// Each axis has a need: 1 when the content does not fit even without the
// other bar, 2 when it fits only if the other bar stays hidden, 3 when it
// fits in any case. A bar shows when its need is 1, or 2 while the other
// axis needs its bar (1); two needs of 2 show no bar at all.
#include "skin/TaskListMetrics.h"

struct TaskListScrollInput {
    int itemCount = 0;
    bool singleSelection = false;  // exactly one item is selected
    int clientWidth = 0;
    int clientHeight = 0;
    int columnWidthSum = 0;
};

struct TaskListScrollPlan {
    int verticalNeed = 3;
    int horizontalNeed = 3;
    bool showVertical = false;
    bool showHorizontal = false;
    int contentHeight = 0;   // maximum of the vertical bar
    int verticalPage = 0;
    int contentWidth = 0;    // maximum of the horizontal bar
    int horizontalPage = 0;
};

// With no items both bars are hidden.
TaskListScrollPlan PlanTaskListScrollBars(const TaskListScrollInput& input, const TaskListMetrics& metrics);
