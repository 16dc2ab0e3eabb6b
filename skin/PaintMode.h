#pragma once
// Background layers a skinned window paints before its own content. The
// flags combine; DrawBackground paints them in the order PAINT_PARENTBG,
// PAINT_BGCOLOR, PAINT_BORDER, PAINT_BGIMAGE, so a later layer covers an
// earlier one where they overlap.
#include <cstdint>

inline constexpr std::uint32_t PAINT_BORDER = 0x1;
inline constexpr std::uint32_t PAINT_BGCOLOR = 0x2;
inline constexpr std::uint32_t PAINT_PARENTBG = 0x4;
inline constexpr std::uint32_t PAINT_BGIMAGE = 0x8;
