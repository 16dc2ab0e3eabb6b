// The command buttons: a blue rounded plate with a light top edge. Hover
// brightens it and adds a teal rim, a press darkens it and turns the light to
// the bottom as if the plate were pushed in, disabled flattens it to grey.
#include "tools/picturegen/Palette.h"
#include "tools/picturegen/Pictures.h"
#include "tools/picturegen/Shapes.h"

using namespace picture_size;

namespace {

constexpr double kRadius = 4.0;

struct PlateLook {
    Rgb top, bottom, border;
    double plateAlpha;
    double highlightAlpha;  // light line along the top inside the plate
    double bottomLightAlpha;  // light line along the bottom (pressed)
    double rimAlpha;  // teal outer rim (hover)
};

PlateLook LookOf(ButtonState state)
{
    switch (state) {
    case ButtonState::Normal:
        return {FromBytes(0x28, 0x75, 0xb0), FromBytes(0x1a, 0x52, 0x89), FromBytes(0x0f, 0x33, 0x57), 1.0, 0.35, 0.0, 0.0};
    case ButtonState::Hover:
        return {FromBytes(0x3a, 0x8f, 0xcf), FromBytes(0x21, 0x66, 0xa6), FromBytes(0x12, 0x3e, 0x66), 1.0, 0.45, 0.0, 0.9};
    case ButtonState::Pressed:
        return {FromBytes(0x13, 0x43, 0x6e), FromBytes(0x1b, 0x5a, 0x91), FromBytes(0x0a, 0x22, 0x3b), 1.0, 0.0, 0.18, 0.0};
    case ButtonState::Disabled:
        return {FromBytes(0x55, 0x60, 0x6c), FromBytes(0x47, 0x51, 0x5c), FromBytes(0x30, 0x38, 0x41), 0.85, 0.10, 0.0, 0.0};
    }
    return {};
}

void DrawButtonState(cairo_t* cr, ButtonState state)
{
    const PlateLook look = LookOf(state);
    const double w = kButtonStateWidth, h = kButtonStateHeight;

    SetVerticalGradient(cr, 1, look.top, h - 1, look.bottom, look.plateAlpha);
    AddRoundedRectangle(cr, 0.5, 0.5, w - 1, h - 1, kRadius);
    cairo_fill(cr);

    if (state == ButtonState::Pressed) {
        // An inner shadow along the top edge.
        PatternPtr shade(cairo_pattern_create_linear(0, 1, 0, 6));
        cairo_pattern_add_color_stop_rgba(shade.get(), 0.0, 0, 0, 0, 0.35);
        cairo_pattern_add_color_stop_rgba(shade.get(), 1.0, 0, 0, 0, 0.0);
        cairo_set_source(cr, shade.get());
        AddRoundedRectangle(cr, 1, 1, w - 2, h - 2, kRadius - 0.5);
        cairo_fill(cr);
    }

    cairo_set_line_width(cr, 1.0);
    if (look.highlightAlpha > 0) {
        cairo_set_source_rgba(cr, 1, 1, 1, look.highlightAlpha);
        cairo_move_to(cr, kRadius, 1.5);
        cairo_line_to(cr, w - kRadius, 1.5);
        cairo_stroke(cr);
    }
    if (look.bottomLightAlpha > 0) {
        cairo_set_source_rgba(cr, 1, 1, 1, look.bottomLightAlpha);
        cairo_move_to(cr, kRadius, h - 1.5);
        cairo_line_to(cr, w - kRadius, h - 1.5);
        cairo_stroke(cr);
    }

    AddRoundedRectangle(cr, 0.5, 0.5, w - 1, h - 1, kRadius);
    SetSource(cr, look.border, look.plateAlpha);
    cairo_stroke(cr);

    if (look.rimAlpha > 0) {
        AddRoundedRectangle(cr, 1.5, 1.5, w - 3, h - 3, kRadius - 1);
        SetSource(cr, palette::kAccent, look.rimAlpha * 0.6);
        cairo_stroke(cr);
    }
}

}  // namespace

SurfacePtr DrawButtonStrip()
{
    SurfacePtr surface = MakeSurface(CAIRO_FORMAT_ARGB32, kButtonStateWidth * kStateCount, kButtonStateHeight);
    ContextPtr cr = MakeContext(surface);
    const ButtonState states[kStateCount] = {ButtonState::Normal, ButtonState::Hover, ButtonState::Pressed,
                                             ButtonState::Disabled};
    for (int i = 0; i < kStateCount; ++i) {
        cairo_save(cr.get());
        cairo_rectangle(cr.get(), i * kButtonStateWidth, 0, kButtonStateWidth, kButtonStateHeight);
        cairo_clip(cr.get());
        cairo_translate(cr.get(), i * kButtonStateWidth, 0);
        DrawButtonState(cr.get(), states[i]);
        cairo_restore(cr.get());
    }
    cairo_surface_flush(surface.get());
    return surface;
}
