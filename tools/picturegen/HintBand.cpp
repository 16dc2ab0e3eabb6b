// The band under the countdown text: an information sign at the left and a
// blue band that fades into the window body towards the right, so that a
// text longer than the band still stands on a dark ground.
#include <numbers>

#include "tools/picturegen/Palette.h"
#include "tools/picturegen/Pictures.h"
#include "tools/picturegen/Shapes.h"
#include "tools/picturegen/WindowGeometry.h"

using namespace picture_size;

namespace {

void DrawBand(cairo_t* cr)
{
    PatternPtr fade(cairo_pattern_create_linear(0, 0, kBrushWidth, 0));
    const Rgb band = palette::kHintBand;
    cairo_pattern_add_color_stop_rgba(fade.get(), 0.0, band.r, band.g, band.b, 1.0);
    cairo_pattern_add_color_stop_rgba(fade.get(), 0.45, band.r, band.g, band.b, 0.75);
    cairo_pattern_add_color_stop_rgba(fade.get(), 1.0, band.r, band.g, band.b, 0.0);
    cairo_set_source(cr, fade.get());
    AddRoundedRectangle(cr, 0, 0, kBrushWidth + 8, kBrushHeight, kBrushHeight / 2.0);
    cairo_fill(cr);

    // A light top edge, fading the same way, lifts the band off the body.
    PatternPtr edge(cairo_pattern_create_linear(0, 0, kBrushWidth, 0));
    cairo_pattern_add_color_stop_rgba(edge.get(), 0.0, 1, 1, 1, 0.16);
    cairo_pattern_add_color_stop_rgba(edge.get(), 1.0, 1, 1, 1, 0.0);
    cairo_set_source(cr, edge.get());
    cairo_rectangle(cr, 6, 0, kBrushWidth - 6, 1);
    cairo_fill(cr);
}

// A round teal sign with a light "i": dot over stem, drawn as shapes.
void DrawInformationSign(cairo_t* cr)
{
    const double cx = 7.0, cy = 7.0, radius = 5.5;
    SetVerticalGradient(cr, cy - radius, palette::kAccent, cy + radius, palette::kAccentDeep);
    cairo_arc(cr, cx, cy, radius, 0, 2 * std::numbers::pi);
    cairo_fill(cr);

    SetSource(cr, palette::kLightMark);
    cairo_arc(cr, cx, cy - 2.6, 0.95, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
    AddRoundedRectangle(cr, cx - 0.9, cy - 1.0, 1.8, 4.6, 0.6);
    cairo_fill(cr);
}

}  // namespace

SurfacePtr DrawHintBand()
{
    SurfacePtr surface = MakeSurface(CAIRO_FORMAT_RGB24, kBrushWidth, kBrushHeight);
    ContextPtr cr = MakeContext(surface);
    cairo_save(cr.get());
    cairo_translate(cr.get(), -geometry::kHint.x, -geometry::kHint.y);
    FillWindowBody(cr.get());
    cairo_restore(cr.get());
    DrawBand(cr.get());
    DrawInformationSign(cr.get());
    cairo_surface_flush(surface.get());
    return surface;
}
