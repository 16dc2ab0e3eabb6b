#pragma once
// Plain value types for what a layout file describes: colours, rectangles and
// points. They carry no window-system type so that the reader stays below the
// platform layer; the skin converts them where it creates windows.
#include <cstdint>

// A colour as 0x00BBGGRR: red in the low byte, blue in the third.
using LayoutColor = std::uint32_t;

struct LayoutRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

struct LayoutPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const LayoutPoint&, const LayoutPoint&) = default;
};
