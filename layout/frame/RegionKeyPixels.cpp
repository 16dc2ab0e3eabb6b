#include "layout/frame/RegionKeyPixels.h"

#include <algorithm>

std::vector<platform::Rect> FindKeyPixelRuns(const RgbPixelRows& picture, std::uint32_t keyColor, int scanRows)
{
    std::vector<platform::Rect> runs;
    if (picture.nWidth <= 0 || picture.nHeight <= 0 ||
        picture.pixels.size() < static_cast<std::size_t>(picture.nWidth) * picture.nHeight)
        return runs;
    const int rows = std::min(scanRows, picture.nHeight);
    for (int y = 0; y < rows; ++y) {
        int x = 0;
        while (x < picture.nWidth) {
            while (x < picture.nWidth && picture.At(x, y) != keyColor) ++x;
            if (x >= picture.nWidth) break;
            const int start = x;
            while (x < picture.nWidth && picture.At(x, y) == keyColor) ++x;
            runs.push_back(platform::Rect{start, y, x, y + 1});
        }
    }
    return runs;
}
