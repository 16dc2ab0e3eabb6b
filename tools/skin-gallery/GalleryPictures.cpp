#include "tools/skin-gallery/GalleryPictures.h"

#include <cairo.h>

#include <cmath>
#include <functional>

#include "platform/DeviceContext.h"
#include "platform/Font.h"
#include "platform/Graphics.h"

using platform::Argb;
using platform::Graphics;
using platform::MemoryDC;
using platform::Rect;

namespace {

// The look of the four button states: normal, hover, pressed, disabled.
struct StateLook {
    Argb face;
    Argb edge;
};
constexpr StateLook kLooks[4] = {
    {0xFFF4F6F9, 0xFF7E9DB9},
    {0xFFFFFFFF, 0xFF2CC0D2},
    {0xFFD5DEE8, 0xFF1F5C8C},
    {0xFF9AA3AD, 0xFF6D7580},
};

void SetSource(cairo_t* cr, Argb c)
{
    cairo_set_source_rgba(cr, platform::ArgbRed(c) / 255.0, platform::ArgbGreen(c) / 255.0,
                          platform::ArgbBlue(c) / 255.0, platform::ArgbAlpha(c) / 255.0);
}

bool SaveStrip(const std::string& path, int count, int width, int height,
               const std::function<void(Graphics&, cairo_t*, int state, int x)>& drawState)
{
    MemoryDC dc(count * width, height);
    dc.GetBitmap().Clear(0x00000000);
    {
        Graphics g(dc);
        g.SetAntiAlias(true);
        for (int state = 0; state < count; ++state) {
            drawState(g, g.Cairo(), state, state * width);
        }
    }
    return dc.GetBitmap().SavePng(path);
}

void DrawTick(cairo_t* cr, int x, Argb colour)
{
    SetSource(cr, colour);
    cairo_set_line_width(cr, 2.0);
    cairo_move_to(cr, x + 4.0, 8.5);
    cairo_line_to(cr, x + 7.0, 11.5);
    cairo_line_to(cr, x + 12.5, 4.5);
    cairo_stroke(cr);
}

} // namespace

bool WriteGalleryPictures(const std::string& folder)
{
    bool ok = true;

    // Check box: 16 x 16 boxes, four unchecked states then four checked.
    ok &= SaveStrip(folder + "/checkbox8.png", 8, 16, 16, [](Graphics& g, cairo_t* cr, int state, int x) {
        const StateLook look = kLooks[state % 4];
        g.FillRectangle(look.face, x + 1, 1, 14, 14);
        g.DrawRectangle(look.edge, x + 1, 1, 13, 13);
        if (state >= 4) {
            DrawTick(cr, x, 0xFF1F5C8C);
        }
    });

    // Radio button: round, the fifth state checked with a dot.
    ok &= SaveStrip(folder + "/radio5.png", 5, 16, 16, [](Graphics&, cairo_t* cr, int state, int x) {
        const StateLook look = kLooks[state == 4 ? 0 : state];
        cairo_arc(cr, x + 8.0, 8.0, 6.5, 0, 2 * M_PI);
        SetSource(cr, look.face);
        cairo_fill_preserve(cr);
        SetSource(cr, look.edge);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        if (state == 4) {
            cairo_arc(cr, x + 8.0, 8.0, 3.2, 0, 2 * M_PI);
            SetSource(cr, 0xFF1F5C8C);
            cairo_fill(cr);
        }
    });

    // Task status icons: running, waiting, done, error, active, complete,
    // paused; a coloured disc with a letter each.
    ok &= SaveStrip(folder + "/taskicons.png", 7, 18, 18, [](Graphics& g, cairo_t* cr, int state, int x) {
        static const Argb colours[7] = {0xFF2E9E4F, 0xFF3D7FB3, 0xFFD99A1E, 0xFFC8413A,
                                        0xFF2CC0D2, 0xFF6A5ACD, 0xFF808890};
        static const char* letters[7] = {"R", "S", "W", "E", "J", "C", "P"};
        cairo_arc(cr, x + 9.0, 9.0, 8.0, 0, 2 * M_PI);
        SetSource(cr, colours[state]);
        cairo_fill(cr);
        static const platform::Font font("DejaVu Sans", 11.0f, platform::FontStyle::Bold);
        platform::StringFormat centred;
        centred.alignment = platform::StringAlignment::Center;
        centred.lineAlignment = platform::StringAlignment::Center;
        g.DrawString(letters[state], font, 0xFFFFFFFF, platform::RectF{static_cast<float>(x), 0, 18, 18}, centred);
    });

    // Progress bar: a grey trough and a green fill, 110 x 12.
    ok &= SaveStrip(folder + "/bar.png", 1, 110, 12, [](Graphics& g, cairo_t*, int, int) {
        g.FillVerticalGradient(Rect{0, 0, 110, 12}, 0xFFE2E6EB, 0xFFC9D0D8);
        g.DrawRectangle(0xFF9AA6B4, 0, 0, 109, 11);
    });
    ok &= SaveStrip(folder + "/fill.png", 1, 110, 12, [](Graphics& g, cairo_t*, int, int) {
        g.FillVerticalGradient(Rect{0, 0, 110, 12}, 0xFF7FD48F, 0xFF2E9E4F);
        g.DrawRectangle(0xFF23803E, 0, 0, 109, 11);
    });
    return ok;
}
