#pragma once
// The colour that marks the pixels cut out of the borderless window, RGB(210, 10, 10).
#include <cstdint>

inline constexpr std::uint32_t kRegionKeyRgb24 = (210u << 16) | (10u << 8) | 10u;
