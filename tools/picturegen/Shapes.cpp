#include "tools/picturegen/Shapes.h"

#include <numbers>

#include "tools/picturegen/CairoHandles.h"

void AddRoundedRectangle(cairo_t* cr, double x, double y, double width, double height, double radius)
{
    constexpr double kQuarter = std::numbers::pi / 2.0;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + width - radius, y + radius, radius, -kQuarter, 0.0);
    cairo_arc(cr, x + width - radius, y + height - radius, radius, 0.0, kQuarter);
    cairo_arc(cr, x + radius, y + height - radius, radius, kQuarter, 2.0 * kQuarter);
    cairo_arc(cr, x + radius, y + radius, radius, 2.0 * kQuarter, 3.0 * kQuarter);
    cairo_close_path(cr);
}

void SetVerticalGradient(cairo_t* cr, double y0, Rgb top, double y1, Rgb bottom, double alpha)
{
    PatternPtr gradient(cairo_pattern_create_linear(0.0, y0, 0.0, y1));
    cairo_pattern_add_color_stop_rgba(gradient.get(), 0.0, top.r, top.g, top.b, alpha);
    cairo_pattern_add_color_stop_rgba(gradient.get(), 1.0, bottom.r, bottom.g, bottom.b, alpha);
    // cairo keeps its own reference to the pattern.
    cairo_set_source(cr, gradient.get());
}

void FillPixelRow(cairo_t* cr, double x0, double x1, double y, Rgb colour, double alpha)
{
    SetSource(cr, colour, alpha);
    cairo_rectangle(cr, x0, y, x1 - x0, 1.0);
    cairo_fill(cr);
}
