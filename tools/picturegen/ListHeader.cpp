// The list header background and its column separator. The header shows only
// the top-left 199 x 12 pixels of its background, stretched over its whole
// width and height, so the gradient is horizontal-free and lies in the top
// twelve rows; the rows below continue it for completeness.
#include "tools/picturegen/Palette.h"
#include "tools/picturegen/Pictures.h"
#include "tools/picturegen/Shapes.h"

using namespace picture_size;

namespace {
constexpr double kVisibleRows = 12.0;
}

SurfacePtr DrawHeaderBackground()
{
    SurfacePtr surface = MakeSurface(CAIRO_FORMAT_RGB24, kHeaderWidth, kHeaderHeight);
    ContextPtr cr = MakeContext(surface);
    SetVerticalGradient(cr.get(), 0, palette::kHeaderTop, kVisibleRows, palette::kHeaderBottom);
    cairo_rectangle(cr.get(), 0, 0, kHeaderWidth, kHeaderHeight);
    cairo_fill(cr.get());
    FillPixelRow(cr.get(), 0, kHeaderWidth, 0, palette::kHeaderHighlight);
    cairo_surface_flush(surface.get());
    return surface;
}

// A light line that fades into the header at both ends.
SurfacePtr DrawHeaderSeparator()
{
    SurfacePtr surface = MakeSurface(CAIRO_FORMAT_RGB24, kHeaderClipWidth, kHeaderClipHeight);
    ContextPtr cr = MakeContext(surface);
    PatternPtr line(cairo_pattern_create_linear(0, 0, 0, kHeaderClipHeight));
    const Rgb top = palette::kHeaderTop, mid = palette::kHeaderSeparator, bottom = palette::kHeaderBottom;
    cairo_pattern_add_color_stop_rgb(line.get(), 0.0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(line.get(), 0.5, mid.r, mid.g, mid.b);
    cairo_pattern_add_color_stop_rgb(line.get(), 1.0, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr.get(), line.get());
    cairo_paint(cr.get());
    cairo_surface_flush(surface.get());
    return surface;
}
