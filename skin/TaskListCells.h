#pragma once
// What the task list shows in its cells: the status icon of a row, the text
// of a cell, and the layout of the progress cell.
#include <string>
#include <string_view>

// Subitems with a meaning of their own.
inline constexpr int kTaskStatusSubitem = 2;     // one-letter status code
inline constexpr int kTaskPercentSubitem = 5;    // a percentage number
inline constexpr int kTaskFlagSubitem = 14;
inline constexpr int kTaskRunningFlagSubitem = 16;
inline constexpr int kTaskProgressColumn = 6;

// State picture of a row's status icon, or -1 for no icon. The first
// matching rule decides (see the table in the source).
int TaskStatusIconIndex(std::string_view status, std::string_view flag14, std::string_view flag16);

// The text cell (row, column) shows: a row of status "J" shows its percentage
// subitem followed by "%" in the progress column.
std::string TaskCellText(std::string_view status, int column, std::string_view cellText,
                         std::string_view percentText);

// The progress column draws a bar for texts that end with "%".
bool IsProgressCell(int column, std::string_view text);

struct ProgressCellLayout {
    bool drawn = false;   // false when the bar does not start inside the cell
    int barWidth = 0;     // visible width of the bar background
    int fillWidth = 0;    // visible width of the fill
};

// The bar is cut at the cell's right edge. The fill is the leading number of
// the text (as atoi reads it) hundredths of the full bar width, rounded half
// away from zero, and kept within the visible bar: a negative number fills
// nothing, more than 100 fills no more than the bar.
ProgressCellLayout LayoutProgressCell(int cellWidth, int barLeft, int barWidth, std::string_view text);

// a * b / c rounded half away from zero in 64-bit arithmetic; 0 when c is 0.
int MulDivRounded(int a, int b, int c);

// The leading decimal number of a text, as atoi reads it (0 when none).
int LeadingNumber(std::string_view text);
