#include "skin/TaskListSelection.h"

#include <algorithm>

#include "skin/TaskListRowGeometry.h"

namespace {

bool IsRow(const TaskListSelection& selection, int row)
{
    return row >= 0 && row < static_cast<int>(selection.selected.size());
}

void ClearAll(TaskListSelection& selection)
{
    std::fill(selection.selected.begin(), selection.selected.end(), false);
}

} // namespace

int SingleSelectedRow(const TaskListSelection& selection)
{
    int found = kNoRow;
    for (int row = 0; row < static_cast<int>(selection.selected.size()); ++row) {
        if (selection.selected[static_cast<std::size_t>(row)]) {
            if (found != kNoRow) {
                return kNoRow;
            }
            found = row;
        }
    }
    return found;
}

void ApplyLeftPress(TaskListSelection& selection, int row, SelectionModifiers modifiers)
{
    if (!IsRow(selection, row)) {
        ClearAll(selection);
        return;
    }
    if (modifiers.shift) {
        // An anchor that no longer names a row (items were removed) counts
        // as none.
        const int anchor = IsRow(selection, selection.anchor) ? selection.anchor : row;
        const int first = std::min(anchor, row);
        const int last = std::max(anchor, row);
        for (int r = 0; r < static_cast<int>(selection.selected.size()); ++r) {
            selection.selected[static_cast<std::size_t>(r)] = r >= first && r <= last;
        }
        return;
    }
    if (modifiers.ctrl) {
        selection.selected[static_cast<std::size_t>(row)] = !selection.selected[static_cast<std::size_t>(row)];
        selection.anchor = row;
        return;
    }
    ClearAll(selection);
    selection.selected[static_cast<std::size_t>(row)] = true;
    selection.anchor = row;
}

bool ApplyRightPress(TaskListSelection& selection, int row, SelectionModifiers modifiers)
{
    if (modifiers.shift || modifiers.ctrl) {
        return false;
    }
    if (IsRow(selection, row) && selection.selected[static_cast<std::size_t>(row)]) {
        return false;
    }
    ClearAll(selection);
    if (IsRow(selection, row)) {
        selection.selected[static_cast<std::size_t>(row)] = true;
        selection.anchor = row;
    }
    return true;
}

void ApplyBandSelection(TaskListSelection& selection, int bandTop, int bandBottom, int scrollPos,
                        const TaskListMetrics& metrics)
{
    const int single = SingleSelectedRow(selection);
    std::vector<bool> chosen(selection.selected.size(), false);
    for (int row = 0; row < static_cast<int>(chosen.size()); ++row) {
        const RowSpan span = TaskListRowSpan(row, single, scrollPos, metrics);
        chosen[static_cast<std::size_t>(row)] = span.top <= bandBottom && bandTop <= span.bottom;
    }
    selection.selected = std::move(chosen);
}
