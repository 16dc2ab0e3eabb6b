// The window background and the region bitmap made from it.
#include <cstdint>
#include <numbers>

#include "tools/picturegen/Palette.h"
#include "tools/picturegen/Pictures.h"
#include "tools/picturegen/RegionKey.h"
#include "tools/picturegen/Shapes.h"
#include "tools/picturegen/WindowGeometry.h"

using namespace geometry;

namespace {

// The outline of the window: rounded at the top, square at the bottom.
void AddWindowOutline(cairo_t* cr, double inset)
{
    const double r = kCornerRadius - inset;
    const double left = inset, top = inset;
    const double right = kWindowWidth - inset, bottom = kWindowHeight - inset;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, left, bottom);
    cairo_line_to(cr, left, top + r);
    cairo_arc(cr, left + r, top + r, r, std::numbers::pi, 1.5 * std::numbers::pi);
    cairo_line_to(cr, right - r, top);
    cairo_arc(cr, right - r, top + r, r, 1.5 * std::numbers::pi, 2.0 * std::numbers::pi);
    cairo_line_to(cr, right, bottom);
    cairo_close_path(cr);
}

void DrawTitleBand(cairo_t* cr)
{
    SetVerticalGradient(cr, 0, palette::kBandTop, kTitleBandHeight, palette::kBandBottom);
    cairo_rectangle(cr, 0, 0, kWindowWidth, kTitleBandHeight);
    cairo_fill(cr);

    // A soft sheen over the upper half gives the band some depth.
    PatternPtr sheen(cairo_pattern_create_linear(0, 0, 0, kTitleBandHeight / 2.0));
    cairo_pattern_add_color_stop_rgba(sheen.get(), 0.0, 1, 1, 1, 0.10);
    cairo_pattern_add_color_stop_rgba(sheen.get(), 1.0, 1, 1, 1, 0.0);
    cairo_set_source(cr, sheen.get());
    cairo_rectangle(cr, 0, 0, kWindowWidth, kTitleBandHeight / 2.0);
    cairo_fill(cr);

    FillPixelRow(cr, 0, kWindowWidth, 1, palette::kBandHighlight, 0.7);
    FillPixelRow(cr, 0, kWindowWidth, kTitleBandHeight, palette::kBandShadow);
    FillPixelRow(cr, 0, kWindowWidth, kTitleBandHeight + 1, palette::kBandHighlight, 0.25);
}

// A short accent bar in front of the "Device List" label.
void DrawListLabelMarker(cairo_t* cr)
{
    const double x = kListLabel.x + 4, y = kListLabel.y + 3;
    SetVerticalGradient(cr, y, palette::kAccent, y + 10, palette::kAccentDeep);
    AddRoundedRectangle(cr, x, y, 3, 10, 1.5);
    cairo_fill(cr);
}

// The light panel the list control stands on, sunk into the body by a dark
// surround, so that the list's own border sits on a clean frame.
void DrawListPanel(cairo_t* cr)
{
    SetSource(cr, palette::kPanelShadow, 0.55);
    cairo_rectangle(cr, kList.x - 2, kList.y - 2, kList.width + 4, kList.height + 4);
    cairo_fill(cr);
    SetSource(cr, palette::kPanelShadow, 0.9);
    cairo_rectangle(cr, kList.x - 1, kList.y - 1, kList.width + 2, kList.height + 2);
    cairo_fill(cr);
    SetSource(cr, palette::kPanelFill);
    cairo_rectangle(cr, kList.x, kList.y, kList.width, kList.height);
    cairo_fill(cr);
}

void DrawWindowEdge(cairo_t* cr)
{
    cairo_set_line_width(cr, 1.0);
    AddWindowOutline(cr, 0.5);
    SetSource(cr, palette::kWindowEdge);
    cairo_stroke(cr);
}

}  // namespace

void FillWindowBody(cairo_t* cr)
{
    SetVerticalGradient(cr, 0, palette::kBodyTop, kWindowHeight, palette::kBodyBottom);
    cairo_rectangle(cr, 0, 0, kWindowWidth, kWindowHeight);
    cairo_fill(cr);
}

SurfacePtr DrawBackground()
{
    SurfacePtr surface = MakeSurface(CAIRO_FORMAT_RGB24, kWindowWidth, kWindowHeight);
    ContextPtr cr = MakeContext(surface);
    // Outside the rounded corners the window is cut away; those pixels stay black.
    AddWindowOutline(cr.get(), 0.0);
    cairo_clip(cr.get());
    FillWindowBody(cr.get());
    DrawTitleBand(cr.get());
    DrawListLabelMarker(cr.get());
    DrawListPanel(cr.get());
    DrawWindowEdge(cr.get());
    cairo_surface_flush(surface.get());
    return surface;
}

SurfacePtr DrawRegionPicture()
{
    SurfacePtr surface = DrawBackground();
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    auto pixel = [&](int x, int y) -> std::uint32_t* {
        return reinterpret_cast<std::uint32_t*>(data + y * stride) + x;
    };
    // The key colour must mark the corners and nothing else: any drawn pixel
    // that happens to match it is nudged by one step of blue.
    for (int y = 0; y < kWindowHeight; ++y) {
        for (int x = 0; x < kWindowWidth; ++x) {
            if ((*pixel(x, y) & 0x00FFFFFF) == kRegionKeyRgb24) {
                *pixel(x, y) += 1;
            }
        }
    }
    for (int y = 0; y < 4; ++y) {
        for (int run = 0; run < kCornerRuns[y]; ++run) {
            *pixel(run, y) = 0xFF000000u | kRegionKeyRgb24;
            *pixel(kWindowWidth - 1 - run, y) = 0xFF000000u | kRegionKeyRgb24;
        }
    }
    cairo_surface_mark_dirty(surface.get());
    return surface;
}
