#pragma once
// Selection rules of the task list, on a plain copy of the selected states.
// The control reads the states from its list view, applies one of these and
// writes the changed states back.
#include <vector>

#include "skin/TaskListMetrics.h"

struct TaskListSelection {
    std::vector<bool> selected;  // one entry per item
    int anchor = kNoRow;         // anchor row of range selection
};

struct SelectionModifiers {
    bool shift = false;
    bool ctrl = false;
};

// The only selected row, or kNoRow when none or several are selected.
int SingleSelectedRow(const TaskListSelection& selection);

// A left press on `row` (kNoRow: empty space, which clears the selection and
// leaves the anchor). Shift wins over Ctrl:
//   Shift: exactly the rows from the anchor to `row` inclusive, in either
//          direction; without an anchor the range is `row` alone. The anchor
//          is kept.
//   Ctrl:  toggles `row` and makes it the anchor.
//   none:  `row` alone, and it becomes the anchor.
void ApplyLeftPress(TaskListSelection& selection, int row, SelectionModifiers modifiers);

// A right press: nothing while Shift or Ctrl is held, nothing on a selected
// row (the whole selection stays for a context action); otherwise `row`
// alone is selected and made the anchor (nothing selected on empty space).
// Returns whether anything changed.
bool ApplyRightPress(TaskListSelection& selection, int row, SelectionModifiers modifiers);

// Band selection on release: every row whose span overlaps the band's
// vertical extent [bandTop, bandBottom] (client coordinates, inclusive) is
// selected, every other row cleared; the rows span the whole width, so the
// band's horizontal extent plays no part. A band that touches no row (a
// plain click on empty space) leaves nothing selected. The anchor is kept.
// Rows are measured with the geometry at release time.
void ApplyBandSelection(TaskListSelection& selection, int bandTop, int bandBottom, int scrollPos,
                        const TaskListMetrics& metrics);
