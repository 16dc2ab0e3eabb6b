#pragma once
// Colours. Two encodings cross this layer: ColorRef, 0x00BBGGRR with red in
// the low byte (as layout files and the classic drawing calls give them), and
// Argb, 0xAARRGGBB (as the anti-aliased drawing takes them). Surfaces store
// premultiplied ARGB32; Bitmap::PixelAt hands back plain Argb.
#include <cstdint>

namespace platform {

using ColorRef = std::uint32_t;
using Argb = std::uint32_t;

constexpr ColorRef MakeColorRef(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<ColorRef>(r) | (static_cast<ColorRef>(g) << 8) | (static_cast<ColorRef>(b) << 16);
}
constexpr std::uint8_t ColorRefRed(ColorRef c) { return c & 0xFF; }
constexpr std::uint8_t ColorRefGreen(ColorRef c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t ColorRefBlue(ColorRef c) { return (c >> 16) & 0xFF; }

constexpr Argb MakeArgb(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return (static_cast<Argb>(a) << 24) | (static_cast<Argb>(r) << 16) | (static_cast<Argb>(g) << 8) | b;
}
constexpr std::uint8_t ArgbAlpha(Argb c) { return c >> 24; }
constexpr std::uint8_t ArgbRed(Argb c) { return (c >> 16) & 0xFF; }
constexpr std::uint8_t ArgbGreen(Argb c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t ArgbBlue(Argb c) { return c & 0xFF; }

// An opaque Argb of the same red, green and blue.
constexpr Argb OpaqueArgbFromColorRef(ColorRef c) {
    return MakeArgb(0xFF, ColorRefRed(c), ColorRefGreen(c), ColorRefBlue(c));
}
constexpr ColorRef ColorRefFromArgb(Argb c) { return MakeColorRef(ArgbRed(c), ArgbGreen(c), ArgbBlue(c)); }

// Colours of the stock controls.
namespace colors {
constexpr Argb Window = 0xFFFFFFFF;
constexpr Argb WindowText = 0xFF000000;
constexpr Argb Face = 0xFFF0F0F0;
constexpr Argb Shadow = 0xFFA0A0A0;
constexpr Argb DarkShadow = 0xFF696969;
constexpr Argb Highlight = 0xFF3399FF;
constexpr Argb HighlightText = 0xFFFFFFFF;
constexpr Argb GrayText = 0xFF6D6D6D;
constexpr Argb GridLine = 0xFFE3E3E3;
constexpr Argb InfoBackground = 0xFFFFFFE1;
constexpr Argb InfoText = 0xFF000000;
}  // namespace colors

}  // namespace platform
