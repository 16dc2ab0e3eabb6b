#pragma once
// The fixed measures of the task list: row heights, the header band above
// the rows and the sizes of its own scroll bars.

struct TaskListMetrics {
    int rowHeight = 30;
    int selRowHeight = 30;  // the row's height when it is the only selected row
    int headerHeight = 20;
    int vScrollWidth = 16;
    int hScrollHeight = 16;
};

// Marks "no row" (and "no single selection").
inline constexpr int kNoRow = -1;
