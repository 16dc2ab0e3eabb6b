#pragma once
// When the task list's pop-up tip appears and disappears. The tip shows a
// cell's whole text once the mouse has rested on the cell for 500 ms, only
// when that text needs two lines or more, 21 pixels below the pointer; it
// goes away after 5 s, on a wheel turn, or as soon as the pointer is over
// no row. Three timers drive it:
//   hover timer (500 ms) - started by each move while no tip is up;
//   hide timer (5000 ms) - started when the tip comes up, restarted by
//                          moves within the cell while it is up;
//   check timer (100 ms) - while the tip is up, hides it when the cursor
//                          has left the rows.
// This class keeps the state and says which timers and window actions each
// event calls for; the control carries them out.
#include "skin/TaskListMetrics.h"

enum TipTimerId : unsigned {
    kTipHoverTimer = 1,
    kTipHideTimer = 2,
    kTipCheckTimer = 3,
};

inline constexpr unsigned kTipHoverDelayMs = 500;
inline constexpr unsigned kTipHideDelayMs = 5000;
inline constexpr unsigned kTipCheckPeriodMs = 100;
inline constexpr int kTipDropBelowPointer = 21;

struct TipCommands {
    bool startHoverTimer = false;
    bool stopHoverTimer = false;
    bool startHideTimer = false;    // (re)start
    bool startCheckTimer = false;
    bool stopHideAndCheckTimers = false;
    bool hideTip = false;           // hide the tip window and repaint the rows
    bool showTip = false;           // show the tip for the cell at (showX, showY)
    int showX = -1;
    int showY = -1;
};

class TaskListTipState {
public:
    // A mouse move to (x, y) over cell (row, column); either may be kNoRow.
    TipCommands OnMouseMove(int x, int y, int row, int column);
    // The hover timer fired with the cursor at (cursorX, cursorY).
    TipCommands OnHoverTimer(int cursorX, int cursorY);
    TipCommands OnHideTimer();
    // The check timer fired; `cursorRow` is the row under the cursor.
    TipCommands OnCheckTimer(int cursorRow);
    TipCommands OnWheel();
    TipCommands OnMouseLeave();

    bool TipVisible() const { return m_bTipVisible; }
    bool TipShown() const { return m_bTipShown; }
    int TipRow() const { return m_nTipRow; }
    int TipColumn() const { return m_nTipCol; }

private:
    TipCommands HideTip();

    bool m_bTipVisible = false;  // the tip's timers run (tip shown or about to be)
    bool m_bTipShown = false;    // the tip was already shown for the current cell
    int m_nTipRow = kNoRow;
    int m_nTipCol = kNoRow;
    int m_ptTipMouseX = -1;      // mouse position when the hover timer was started
    int m_ptTipMouseY = -1;
};

// The tip is worth showing only for a text that does not fit on one line.
constexpr bool TipTextNeedsTwoLines(double measuredHeight, double lineHeight)
{
    return lineHeight > 0.0 && measuredHeight >= 2.0 * lineHeight;
}
