#pragma once
// Geometry of the skinned list headers.

struct SourceRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The background picture of the device list's header is stretched over the
// whole header from its top-left part only: the picture less its rightmost
// 50 columns and its bottom 5 rows. A picture too small for that gives an
// empty source (nothing is drawn) rather than a negative one.
SourceRect HeaderBackgroundSource(int imageWidth, int imageHeight);

// Header height after scaling the height the list view computes. The product
// is taken in single precision and truncated, so 0.9 turns 19 into 17 and 20
// into 18.
int ScaledHeaderHeight(float heightScale, int computedHeight);

// Column titles are read into a buffer of 256 units, so at most 255 reach
// the header.
inline constexpr int kHeaderTitleMaxLength = 255;
