#include "skin/TaskListRowGeometry.h"

#include <algorithm>

RowSpan TaskListRowSpan(int row, int singleSelection, int scrollPos, const TaskListMetrics& metrics)
{
    RowSpan span;
    int height = metrics.rowHeight;
    if (singleSelection == kNoRow || row < singleSelection) {
        span.top = row * metrics.rowHeight;
    } else if (row == singleSelection) {
        span.top = row * metrics.rowHeight;
        height = metrics.selRowHeight;
    } else {
        span.top = metrics.selRowHeight + (row - 1) * metrics.rowHeight;
    }
    span.bottom = span.top + height - 1;
    const int shift = metrics.headerHeight - scrollPos;
    span.top += shift;
    span.bottom += shift;
    return span;
}

int TaskListHitTestRow(int y, int scrollPos, int singleSelection, int itemCount, const TaskListMetrics& metrics)
{
    const int content = y + scrollPos - metrics.headerHeight;
    // Above the first row: plain truncating division would give row 0 for
    // the whole band of one row height above it.
    if (content < 0 || metrics.rowHeight <= 0) {
        return kNoRow;
    }
    int row = 0;
    if (singleSelection != kNoRow) {
        const int s = singleSelection;
        if (content >= metrics.selRowHeight + metrics.rowHeight * s) {
            row = (metrics.rowHeight - metrics.selRowHeight + content) / metrics.rowHeight;
        } else if (content < metrics.rowHeight * s) {
            row = content / metrics.rowHeight;
        } else {
            row = s;
        }
    } else {
        row = content / metrics.rowHeight;
    }
    return row < itemCount ? row : kNoRow;
}

int TaskListHitTestColumn(int x, int hScrollPos, const std::vector<int>& columnWidths)
{
    int start = -hScrollPos;
    for (int column = 0; column < static_cast<int>(columnWidths.size()); ++column) {
        const int width = columnWidths[static_cast<std::size_t>(column)];
        if (start <= x && x < start + width) {
            return column;
        }
        start += width;
    }
    return kNoRow;
}

BandRect TaskListBandRect(int startX, int startY, int currentX, int currentY, int clientRight, int clientBottom,
                          const TaskListMetrics& metrics)
{
    const int x = std::clamp(currentX, 0, std::max(0, clientRight));
    const int y = std::clamp(currentY, metrics.headerHeight, std::max(metrics.headerHeight, clientBottom));
    return BandRect{std::min(x, startX), std::min(y, startY), std::max(x, startX), std::max(y, startY)};
}
