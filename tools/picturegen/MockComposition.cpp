#include "tools/picturegen/MockComposition.h"

#include <cstdint>
#include <string>

#include "tools/picturegen/Palette.h"
#include "tools/picturegen/PictureFiles.h"
#include "tools/picturegen/Pictures.h"
#include "tools/picturegen/RegionKey.h"
#include "tools/picturegen/WindowGeometry.h"

using namespace geometry;
using namespace picture_size;

namespace {

constexpr Rgb kLayoutLightText = FromBytes(244, 245, 247);
constexpr Rgb kLayoutRowText = FromBytes(6, 65, 105);
constexpr Rgb kLayoutListBorder = FromBytes(126, 157, 185);

void DrawText(cairo_t* cr, const std::string& text, double x, double top, double size, Rgb colour)
{
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    SetSource(cr, colour);
    cairo_move_to(cr, x, top + font.ascent);
    cairo_show_text(cr, text.c_str());
}

double TextWidth(cairo_t* cr, const std::string& text, double size)
{
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

// Draws state `index` of a strip with `count` states at (x, y), unscaled.
void DrawState(cairo_t* cr, cairo_surface_t* strip, int count, int index, double x, double y)
{
    const int stateWidth = cairo_image_surface_get_width(strip) / count;
    const int height = cairo_image_surface_get_height(strip);
    cairo_save(cr);
    cairo_rectangle(cr, x, y, stateWidth, height);
    cairo_clip(cr);
    cairo_set_source_surface(cr, strip, x - index * stateWidth, y);
    cairo_paint(cr);
    cairo_restore(cr);
}

void DrawList(cairo_t* cr, cairo_surface_t* header, cairo_surface_t* separator)
{
    const double left = kList.x + 1, top = kList.y + 1;
    const double width = kList.width - 2, headerHeight = 17;
    SetSource(cr, FromBytes(255, 255, 255));
    cairo_rectangle(cr, kList.x, kList.y, kList.width, kList.height);
    cairo_fill(cr);

    // The header shows the top-left 199 x 12 pixels of its picture stretched.
    cairo_save(cr);
    cairo_rectangle(cr, left, top, width, headerHeight);
    cairo_clip(cr);
    cairo_translate(cr, left, top);
    cairo_scale(cr, width / 199.0, headerHeight / 12.0);
    cairo_set_source_surface(cr, header, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
    cairo_restore(cr);

    const struct {
        const char* title;
        double width;
        bool centred;
    } columns[] = {{"Host Name", 96, false}, {"IP Address", 122, true}, {"Devcie Type", 88, true}};
    const char* rows[][3] = {{"TravelNest-3F", "192.168.8.1", "TN300"},
                             {"roadbox", "192.168.8.23", "RB-Mini"},
                             {"Cabin-Router", "10.10.0.1", "TN500"}};
    double x = left;
    for (const auto& column : columns) {
        const double tw = TextWidth(cr, column.title, 12);
        DrawText(cr, column.title, x + (column.width - tw) / 2, top + 3, 12, kLayoutLightText);
        cairo_set_source_surface(cr, separator, x + column.width, top + 4);
        cairo_paint(cr);
        x += column.width;
    }
    for (int r = 0; r < 3; ++r) {
        const double rowTop = top + headerHeight + r * 17;
        x = left;
        for (int c = 0; c < 3; ++c) {
            const double tw = TextWidth(cr, rows[r][c], 12);
            const double tx = columns[c].centred ? x + (columns[c].width - tw) / 2 : x + 6;
            if (r == 1) {
                SetSource(cr, FromBytes(0xcc, 0xe4, 0xf7));
                cairo_rectangle(cr, x, rowTop, columns[c].width, 17);
                cairo_fill(cr);
            }
            DrawText(cr, rows[r][c], tx, rowTop + 2, 12, kLayoutRowText);
            x += columns[c].width;
        }
        SetSource(cr, FromBytes(0xf0, 0xf0, 0xf0));
        cairo_rectangle(cr, left, rowTop + 16, width, 1);
        cairo_fill(cr);
    }
    SetSource(cr, kLayoutListBorder);
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, kList.x + 0.5, kList.y + 0.5, kList.width - 1, kList.height - 1);
    cairo_stroke(cr);
}

SurfacePtr ComposeMainWindow()
{
    SurfacePtr background = DrawBackground();
    SurfacePtr region = DrawRegionPicture();
    SurfacePtr logo = DrawLogo();
    SurfacePtr close = DrawCloseStrip();
    SurfacePtr hint = DrawHintBand();
    SurfacePtr buttons = DrawButtonStrip();
    SurfacePtr header = DrawHeaderBackground();
    SurfacePtr separator = DrawHeaderSeparator();

    SurfacePtr window = MakeSurface(CAIRO_FORMAT_ARGB32, kWindowWidth, kWindowHeight);
    ContextPtr owner = MakeContext(window);
    cairo_t* cr = owner.get();
    cairo_set_source_surface(cr, background.get(), 0, 0);
    cairo_paint(cr);
    cairo_set_source_surface(cr, logo.get(), kLogo.x, kLogo.y);
    cairo_paint(cr);
    DrawText(cr, "Zelvo Roamvera", kTitle.x, kTitle.y, 21, kLayoutLightText);
    DrawState(cr, close.get(), kStateCount, 0, kClose.x, kClose.y);
    DrawText(cr, "Device List", kListLabel.x + kListLabelTextX, kListLabel.y + 2, 12, kLayoutLightText);
    DrawList(cr, header.get(), separator.get());
    cairo_set_source_surface(cr, hint.get(), kHint.x, kHint.y);
    cairo_paint(cr);
    DrawText(cr, "Searching new devices,please wait 10s...", kHint.x + 15, kHint.y + 1, 12, kLayoutLightText);
    const char* labels[3] = {"Log In", "Refresh", "My Storage"};
    const int states[3] = {0, 1, 3};
    for (int i = 0; i < 3; ++i) {
        const Box& b = kButtons[i];
        DrawState(cr, buttons.get(), kStateCount, states[i], b.x, b.y);
        const double tw = TextWidth(cr, labels[i], 12);
        DrawText(cr, labels[i], b.x + (b.width - tw) / 2, b.y + 6, 12, kLayoutLightText);
    }
    cairo_surface_flush(window.get());

    // Cut the key-coloured pixels of the region bitmap out of the window.
    auto* pixels = cairo_image_surface_get_data(window.get());
    const auto* keys = cairo_image_surface_get_data(region.get());
    const int stride = cairo_image_surface_get_stride(window.get());
    const int keyStride = cairo_image_surface_get_stride(region.get());
    for (int y = 0; y < 35; ++y) {
        for (int x = 0; x < kWindowWidth; ++x) {
            const auto key = reinterpret_cast<const std::uint32_t*>(keys + y * keyStride)[x] & 0x00FFFFFF;
            if (key == kRegionKeyRgb24) {
                reinterpret_cast<std::uint32_t*>(pixels + y * stride)[x] = 0;
            }
        }
    }
    cairo_surface_mark_dirty(window.get());
    return window;
}

// A copy of the surface magnified by `factor` with square pixels, on a
// neutral grey so that transparent parts show.
SurfacePtr Magnify(cairo_surface_t* source, int factor)
{
    const int width = cairo_image_surface_get_width(source) * factor;
    const int height = cairo_image_surface_get_height(source) * factor;
    SurfacePtr target = MakeSurface(CAIRO_FORMAT_RGB24, width, height);
    ContextPtr cr = MakeContext(target);
    cairo_set_source_rgb(cr.get(), 0.55, 0.55, 0.55);
    cairo_paint(cr.get());
    cairo_scale(cr.get(), factor, factor);
    cairo_set_source_surface(cr.get(), source, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr.get()), CAIRO_FILTER_NEAREST);
    cairo_paint(cr.get());
    cairo_surface_flush(target.get());
    return target;
}

}  // namespace

void WritePreviews(const std::filesystem::path& folder)
{
    SurfacePtr mock = ComposeMainWindow();
    WritePng(mock.get(), folder / "mock.png");
    WritePng(Magnify(mock.get(), 3).get(), folder / "mock-x3.png");

    const struct {
        const char* name;
        SurfacePtr (*draw)();
    } pictures[] = {{"background", DrawBackground},     {"region", DrawRegionPicture},
                    {"brush", DrawHintBand},            {"logo", DrawLogo},
                    {"header", DrawHeaderBackground},   {"headerclip", DrawHeaderSeparator},
                    {"close", DrawCloseStrip},          {"buttons", DrawButtonStrip}};
    for (const auto& picture : pictures) {
        SurfacePtr surface = picture.draw();
        WritePng(Magnify(surface.get(), 8).get(), folder / (std::string(picture.name) + "-x8.png"));
    }
}
