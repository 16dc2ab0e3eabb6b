// The close button: a cross on the title band. Hover puts it on a red plate,
// a press darkens the plate and the cross sinks by a pixel, disabled dims it.
#include "tools/picturegen/Palette.h"
#include "tools/picturegen/Pictures.h"
#include "tools/picturegen/Shapes.h"

using namespace picture_size;

namespace {

void DrawCross(cairo_t* cr, double shift, Rgb colour, double alpha)
{
    const double from = 2.75 + shift, to = 8.25 + shift;
    cairo_set_line_width(cr, 1.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetSource(cr, colour, alpha);
    cairo_move_to(cr, from, from);
    cairo_line_to(cr, to, to);
    cairo_move_to(cr, to, from);
    cairo_line_to(cr, from, to);
    cairo_stroke(cr);
}

void DrawPlate(cairo_t* cr, Rgb colour)
{
    SetSource(cr, colour);
    AddRoundedRectangle(cr, 0, 0, kCloseStateSide, kCloseStateSide, 2.5);
    cairo_fill(cr);
}

void DrawCloseState(cairo_t* cr, ButtonState state)
{
    switch (state) {
    case ButtonState::Normal:
        DrawCross(cr, 0.0, palette::kMutedMark, 1.0);
        break;
    case ButtonState::Hover:
        DrawPlate(cr, palette::kCloseHover);
        DrawCross(cr, 0.0, palette::kLightMark, 1.0);
        break;
    case ButtonState::Pressed:
        DrawPlate(cr, palette::kClosePressed);
        DrawCross(cr, 0.5, palette::kLightMark, 0.9);
        break;
    case ButtonState::Disabled:
        DrawCross(cr, 0.0, palette::kDimMark, 0.8);
        break;
    }
}

}  // namespace

SurfacePtr DrawCloseStrip()
{
    SurfacePtr surface = MakeSurface(CAIRO_FORMAT_ARGB32, kCloseStateSide * kStateCount, kCloseStateSide);
    ContextPtr cr = MakeContext(surface);
    const ButtonState states[kStateCount] = {ButtonState::Normal, ButtonState::Hover, ButtonState::Pressed,
                                             ButtonState::Disabled};
    for (int i = 0; i < kStateCount; ++i) {
        cairo_save(cr.get());
        cairo_rectangle(cr.get(), i * kCloseStateSide, 0, kCloseStateSide, kCloseStateSide);
        cairo_clip(cr.get());
        cairo_translate(cr.get(), i * kCloseStateSide, 0);
        DrawCloseState(cr.get(), states[i]);
        cairo_restore(cr.get());
    }
    cairo_surface_flush(surface.get());
    return surface;
}
