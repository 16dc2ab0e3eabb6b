#pragma once
// A status strip is one picture holding several state pictures of equal
// width side by side, left to right. State i is drawn unscaled from the
// source rectangle x = i * statusWidth, y = 0, statusWidth x imageHeight.

struct StatusStripMetrics {
    int statusCount = 1;
    int statusWidth = 0;
};

// A count of 0 (or less) is taken as 1, so a strip always has one state at
// least and the division below never divides by zero. The width truncates,
// so the rightmost columns of a picture whose width is not a multiple of the
// count are never shown.
StatusStripMetrics ComputeStatusStrip(int imageWidth, int statusCount);

// Left edge of state `index` inside the strip.
constexpr int StatusSourceX(int index, int statusWidth) { return index * statusWidth; }
