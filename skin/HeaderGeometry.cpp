#include "skin/HeaderGeometry.h"

#include <algorithm>

SourceRect HeaderBackgroundSource(int imageWidth, int imageHeight)
{
    SourceRect source;
    source.width = std::max(0, imageWidth - 50);
    source.height = std::max(0, imageHeight - 5);
    return source;
}

int ScaledHeaderHeight(float heightScale, int computedHeight)
{
    const float scaled = heightScale * static_cast<float>(computedHeight);
    return static_cast<int>(scaled);
}
