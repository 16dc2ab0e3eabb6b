#pragma once
// The outline of a borderless dialog is cut from a bitmap: every pixel of the
// key colour in the bitmap's top rows is removed from the window region. The
// work over the pixels is kept apart from the window so it can be checked on
// its own.
#include <cstdint>
#include <vector>

#include "platform/Geometry.h"

// Pixels of exactly this colour, RGB(210, 10, 10) as 0x00BBGGRR, are cut out.
inline constexpr std::uint32_t RegionKeyColor = 0x000A0AD2;
// Only rows 0 to 34 of the bitmap are scanned, not its whole height.
inline constexpr int RegionScanRows = 35;

// A picture as rows of 0x00BBGGRR pixels, top row first.
struct RgbPixelRows {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<std::uint32_t> pixels;  // nWidth * nHeight, row by row from the top

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * nWidth + x]; }
};

// The rectangles to subtract from the window region: one per run of key
// pixels in each scanned row, (run start, y) to (run end, y + 1). Rows the
// picture does not have are not scanned; a run that reaches the right edge
// ends there.
std::vector<platform::Rect> FindKeyPixelRuns(const RgbPixelRows& picture,
                                             std::uint32_t keyColor = RegionKeyColor,
                                             int scanRows = RegionScanRows);
