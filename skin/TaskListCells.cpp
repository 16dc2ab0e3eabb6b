#include "skin/TaskListCells.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

int TaskStatusIconIndex(std::string_view status, std::string_view flag14, std::string_view flag16)
{
    // Order matters: the first line that matches decides. "S" appears twice
    // (with and without flag 14) and gives the same picture both times.
    if (status == "R") {
        return flag16 == "1" ? 4 : 0;
    }
    if (status == "W") {
        return 2;
    }
    if (status == "S" && flag14.empty()) {
        return 1;
    }
    if (status == "C") {
        return 5;
    }
    if (status == "P") {
        return 6;
    }
    if (status == "E") {
        return 3;
    }
    if (status == "S") {
        return 1;
    }
    if (status == "J") {
        return 4;
    }
    if (status == "D") {
        return 3;
    }
    if (!flag14.empty()) {
        return 3;
    }
    return -1;
}

std::string TaskCellText(std::string_view status, int column, std::string_view cellText,
                         std::string_view percentText)
{
    if (status == "J" && column == kTaskProgressColumn) {
        std::string text(percentText);
        text += '%';
        return text;
    }
    return std::string(cellText);
}

bool IsProgressCell(int column, std::string_view text)
{
    return column == kTaskProgressColumn && !text.empty() && text.back() == '%';
}

int MulDivRounded(int a, int b, int c)
{
    if (c == 0) {
        return 0;
    }
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t divisor = c;
    std::int64_t quotient = product / divisor;
    const std::int64_t remainder = product % divisor;
    // Round half away from zero.
    if (2 * (remainder < 0 ? -remainder : remainder) >= (divisor < 0 ? -divisor : divisor)) {
        quotient += ((product < 0) != (divisor < 0)) ? -1 : 1;
    }
    return static_cast<int>(quotient);
}

int LeadingNumber(std::string_view text)
{
    // Read like atoi (leading blanks, a sign, digits) but saturating, so a
    // long run of digits cannot overflow.
    const std::string copy(text);
    const long value = std::strtol(copy.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, INT32_MIN, INT32_MAX));
}

ProgressCellLayout LayoutProgressCell(int cellWidth, int barLeft, int barWidth, std::string_view text)
{
    ProgressCellLayout layout;
    if (barLeft >= cellWidth) {
        return layout;
    }
    layout.drawn = true;
    layout.barWidth = std::max(0, std::min(barWidth, cellWidth - barLeft));
    const int fill = MulDivRounded(LeadingNumber(text), barWidth, 100);
    layout.fillWidth = std::clamp(fill, 0, layout.barWidth);
    return layout;
}
