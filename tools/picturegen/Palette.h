#pragma once
// The colours of the one design all pictures share: a dark slate body with a
// deep blue title band, a light list panel, blue command buttons and a teal
// accent for the logo, the section marker and the information sign. The light
// texts of the layout (244,245,247) stand on the dark parts; the dark row
// text (6,65,105) on the light list.
#include <cairo.h>

struct Rgb {
    double r, g, b;
};

constexpr Rgb FromBytes(int r, int g, int b)
{
    return {r / 255.0, g / 255.0, b / 255.0};
}

namespace palette {
// Window body, top to bottom.
inline constexpr Rgb kBodyTop = FromBytes(0x22, 0x30, 0x40);
inline constexpr Rgb kBodyBottom = FromBytes(0x15, 0x1e, 0x29);
// Title band, top to bottom, and the lines under it.
inline constexpr Rgb kBandTop = FromBytes(0x1f, 0x5c, 0x8c);
inline constexpr Rgb kBandBottom = FromBytes(0x15, 0x3e, 0x63);
inline constexpr Rgb kBandHighlight = FromBytes(0x3d, 0x7f, 0xb3);
inline constexpr Rgb kBandShadow = FromBytes(0x0c, 0x15, 0x1f);
// Outer edge of the window.
inline constexpr Rgb kWindowEdge = FromBytes(0x0a, 0x11, 0x19);
// Teal accent.
inline constexpr Rgb kAccent = FromBytes(0x2c, 0xc0, 0xd2);
inline constexpr Rgb kAccentDeep = FromBytes(0x1c, 0x78, 0xc4);
// The list panel: its surround, the inset shadow and the light inside.
inline constexpr Rgb kPanelShadow = FromBytes(0x0b, 0x12, 0x1a);
inline constexpr Rgb kPanelFill = FromBytes(0xff, 0xff, 0xff);
// List header, top to bottom.
inline constexpr Rgb kHeaderTop = FromBytes(0x31, 0x60, 0x8a);
inline constexpr Rgb kHeaderBottom = FromBytes(0x21, 0x47, 0x6b);
inline constexpr Rgb kHeaderHighlight = FromBytes(0x52, 0x84, 0xae);
inline constexpr Rgb kHeaderSeparator = FromBytes(0x9c, 0xbd, 0xd8);
// Countdown band.
inline constexpr Rgb kHintBand = FromBytes(0x1d, 0x5a, 0x88);
// Light marks (close cross, information sign, logo symbol).
inline constexpr Rgb kLightMark = FromBytes(0xf4, 0xf5, 0xf7);
inline constexpr Rgb kMutedMark = FromBytes(0xb4, 0xc6, 0xd8);
inline constexpr Rgb kDimMark = FromBytes(0x5c, 0x6e, 0x80);
// Close button hover and pressed plates.
inline constexpr Rgb kCloseHover = FromBytes(0xe0, 0x4f, 0x4f);
inline constexpr Rgb kClosePressed = FromBytes(0xa5, 0x2b, 0x2b);
}  // namespace palette

inline void SetSource(cairo_t* cr, Rgb colour, double alpha = 1.0)
{
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}
