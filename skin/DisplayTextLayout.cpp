#include "skin/DisplayTextLayout.h"

TextExtent TextExtentFromMeasure(int offsetX, int offsetY, double measuredWidth, double measuredHeight)
{
    TextExtent extent;
    extent.width = static_cast<int>(2 * offsetX + measuredWidth + 1.0);
    extent.height = static_cast<int>(offsetY + measuredHeight);
    return extent;
}
