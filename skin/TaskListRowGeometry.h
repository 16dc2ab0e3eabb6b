#pragma once
// Row geometry and hit tests of the task list. Rows lie below the header
// band, one after another, all rowHeight high except the only selected row
// (when exactly one row is selected), which is selRowHeight high. Vertical
// coordinates are client coordinates; `scrollPos` is the vertical scroll
// position in pixels.
#include <vector>

#include "skin/TaskListMetrics.h"

struct RowSpan {
    int top = 0;
    int bottom = 0;  // last pixel row that belongs to the row (inclusive)
};

// `singleSelection` is the only selected row, or kNoRow.
RowSpan TaskListRowSpan(int row, int singleSelection, int scrollPos, const TaskListMetrics& metrics);

// The row under client y, or kNoRow below the last row and above the first
// (the header band), whatever x is.
int TaskListHitTestRow(int y, int scrollPos, int singleSelection, int itemCount, const TaskListMetrics& metrics);

// The column under client x, with the columns starting at -hScrollPos; kNoRow
// left of the first and past the last column.
int TaskListHitTestColumn(int x, int hScrollPos, const std::vector<int>& columnWidths);

struct BandRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The selection band from its start to the current point, with the current
// point kept inside the client area's rows: 0 <= x <= clientRight and
// headerHeight <= y <= clientBottom.
BandRect TaskListBandRect(int startX, int startY, int currentX, int currentY, int clientRight, int clientBottom,
                          const TaskListMetrics& metrics);
