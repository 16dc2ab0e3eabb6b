// The mark in the title band: a teal-to-blue rounded tile holding a light
// orbit that is open at its upper right, with a point at its centre and a
// smaller point in the opening: the finder and the device it has found.
#include <cmath>
#include <numbers>

#include "tools/picturegen/Palette.h"
#include "tools/picturegen/Pictures.h"
#include "tools/picturegen/Shapes.h"

using namespace picture_size;

SurfacePtr DrawLogo()
{
    SurfacePtr surface = MakeSurface(CAIRO_FORMAT_ARGB32, kLogoSide, kLogoSide);
    ContextPtr cr = MakeContext(surface);
    cairo_t* c = cr.get();

    SetVerticalGradient(c, 0.5, palette::kAccent, 15.5, palette::kAccentDeep);
    AddRoundedRectangle(c, 0.5, 0.5, 15, 15, 3.5);
    cairo_fill_preserve(c);
    cairo_set_line_width(c, 1.0);
    cairo_set_source_rgba(c, 0.04, 0.10, 0.16, 0.55);
    cairo_stroke(c);

    constexpr double pi = std::numbers::pi;
    const double cx = 8.0, cy = 8.0;
    // The orbit leaves a gap of a quarter turn around the upper right.
    SetSource(c, palette::kLightMark);
    cairo_set_line_width(c, 1.6);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    cairo_arc(c, cx, cy, 4.6, -pi / 4 + 0.95, 2 * pi - pi / 4 - 0.95);
    cairo_stroke(c);

    cairo_arc(c, cx, cy, 1.8, 0, 2 * pi);
    cairo_fill(c);

    const double angle = -pi / 4;
    cairo_arc(c, cx + 4.9 * std::cos(angle), cy + 4.9 * std::sin(angle), 1.35, 0, 2 * pi);
    cairo_fill(c);

    cairo_surface_flush(surface.get());
    return surface;
}
