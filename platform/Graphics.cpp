#include "platform/Graphics.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

#include "platform/TextLayout.h"

namespace platform {

namespace {
// Where text of size w x h lands in a layout rectangle with a format; a
// zero extent aligns around the origin instead.
RectF PlaceText(const RectF& layout, float w, float h, const StringFormat& format) {
    auto place = [](float origin, float extent, float size, StringAlignment a) {
        if (a == StringAlignment::Center) return extent > 0 ? origin + (extent - size) / 2 : origin - size / 2;
        if (a == StringAlignment::Far) return extent > 0 ? origin + extent - size : origin - size;
        return origin;
    };
    return {place(layout.x, layout.width, w, format.alignment), place(layout.y, layout.height, h, format.lineAlignment), w, h};
}

void SetSource(cairo_t* cr, Argb c) {
    cairo_set_source_rgba(cr, ArgbRed(c) / 255.0, ArgbGreen(c) / 255.0, ArgbBlue(c) / 255.0, ArgbAlpha(c) / 255.0);
}
}  // namespace

Graphics::Graphics(DeviceContext& dc) {
    if (!dc.IsValid()) return;
    cr_ = cairo_create(dc.Surface());
    Rect clip = dc.ClipRect().Offset(dc.Origin());
    cairo_rectangle(cr_, clip.left, clip.top, clip.Width(), clip.Height());
    cairo_clip(cr_);
    cairo_translate(cr_, dc.Origin().x, dc.Origin().y);
    ApplySmoothing();
}

Graphics::~Graphics() {
    if (cr_) cairo_destroy(cr_);
}

void Graphics::SetSmoothingMode(SmoothingMode mode) {
    smoothing_ = mode;
    ApplySmoothing();
}

void Graphics::ApplySmoothing() {
    if (!cr_) return;
    cairo_set_antialias(cr_, smoothing_ == SmoothingMode::AntiAlias ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
}

void Graphics::IntersectClip(const Rect& rect) {
    if (!cr_) return;
    cairo_rectangle(cr_, rect.left, rect.top, std::max(rect.Width(), 0), std::max(rect.Height(), 0));
    cairo_clip(cr_);
}

void Graphics::FillRectangle(Argb color, int x, int y, int width, int height) {
    if (!cr_ || width <= 0 || height <= 0) return;
    SetSource(cr_, color);
    cairo_rectangle(cr_, x, y, width, height);
    cairo_fill(cr_);
}

void Graphics::DrawRectangle(Argb color, int x, int y, int width, int height) {
    if (!cr_ || width < 0 || height < 0) return;
    // The four sides as filled pixel rows and columns, so that the outline
    // lands on exactly the outermost pixels whatever the smoothing.
    FillRectangle(color, x, y, width + 1, 1);
    if (height > 0) FillRectangle(color, x, y + height, width + 1, 1);
    if (height > 1) {
        FillRectangle(color, x, y + 1, 1, height - 1);
        if (width > 0) FillRectangle(color, x + width, y + 1, 1, height - 1);
    }
}

void Graphics::DrawLine(Argb color, int x1, int y1, int x2, int y2) {
    if (!cr_) return;
    if (y1 == y2) {
        FillRectangle(color, std::min(x1, x2), y1, std::abs(x2 - x1) + 1, 1);
    } else if (x1 == x2) {
        FillRectangle(color, x1, std::min(y1, y2), 1, std::abs(y2 - y1) + 1);
    } else {
        SetSource(cr_, color);
        cairo_set_line_width(cr_, 1.0);
        cairo_set_line_cap(cr_, CAIRO_LINE_CAP_SQUARE);
        cairo_move_to(cr_, x1 + 0.5, y1 + 0.5);
        cairo_line_to(cr_, x2 + 0.5, y2 + 0.5);
        cairo_stroke(cr_);
    }
}

void Graphics::FillVerticalGradient(const Rect& rect, Argb top, Argb bottom) {
    if (!cr_ || rect.IsEmpty()) return;
    cairo_pattern_t* p = cairo_pattern_create_linear(0, rect.top, 0, rect.bottom);
    cairo_pattern_add_color_stop_rgba(p, 0, ArgbRed(top) / 255.0, ArgbGreen(top) / 255.0, ArgbBlue(top) / 255.0,
                                      ArgbAlpha(top) / 255.0);
    cairo_pattern_add_color_stop_rgba(p, 1, ArgbRed(bottom) / 255.0, ArgbGreen(bottom) / 255.0,
                                      ArgbBlue(bottom) / 255.0, ArgbAlpha(bottom) / 255.0);
    cairo_set_source(cr_, p);
    cairo_rectangle(cr_, rect.left, rect.top, rect.Width(), rect.Height());
    cairo_fill(cr_);
    cairo_pattern_destroy(p);
}

void Graphics::DrawImage(const Picture& picture, int x, int y) {
    if (!cr_ || picture.IsEmpty()) return;
    DrawImage(picture, Rect::FromXywh(x, y, picture.Width(), picture.Height()),
              Rect{0, 0, picture.Width(), picture.Height()});
}

void Graphics::DrawImage(const Picture& picture, const Rect& destination, const Rect& source) {
    if (!cr_ || picture.IsEmpty() || destination.IsEmpty()) return;
    Rect src = source.Intersect(Rect{0, 0, picture.Width(), picture.Height()});
    if (src.IsEmpty()) return;
    cairo_surface_t* pixels = picture.Pixels().Surface();
    cairo_save(cr_);
    cairo_rectangle(cr_, destination.left, destination.top, destination.Width(), destination.Height());
    cairo_clip(cr_);
    if (destination.Width() == source.Width() && destination.Height() == source.Height()) {
        // Unscaled: a pixel-exact copy blended over the target.
        cairo_set_source_surface(cr_, pixels, destination.left - source.left, destination.top - source.top);
        cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_NEAREST);
    } else {
        // Stretched from a view of just the source rectangle, with its edge
        // pixels repeated outward so the borders do not fade.
        cairo_surface_t* view = cairo_surface_create_for_rectangle(pixels, src.left, src.top, src.Width(), src.Height());
        cairo_pattern_t* pattern = cairo_pattern_create_for_surface(view);
        cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
        cairo_pattern_set_filter(pattern, CAIRO_FILTER_BILINEAR);
        cairo_matrix_t m;
        double sx = static_cast<double>(source.Width()) / destination.Width();
        double sy = static_cast<double>(source.Height()) / destination.Height();
        cairo_matrix_init_scale(&m, sx, sy);
        cairo_matrix_translate(&m, -destination.left, -destination.top);
        // Source rectangles that reach outside the picture keep their scale.
        cairo_matrix_t shift;
        cairo_matrix_init_translate(&shift, source.left - src.left, source.top - src.top);
        cairo_matrix_multiply(&m, &m, &shift);
        cairo_pattern_set_matrix(pattern, &m);
        cairo_set_source(cr_, pattern);
        cairo_pattern_destroy(pattern);
        cairo_surface_destroy(view);
    }
    cairo_paint(cr_);
    cairo_restore(cr_);
}

void Graphics::DrawString(std::string_view text, const Font& font, Argb color, float x, float y) {
    DrawString(text, font, color, RectF{x, y, 0, 0}, StringFormat{});
}

void Graphics::DrawString(std::string_view text, const Font& font, Argb color, const RectF& layout,
                          const StringFormat& format) {
    if (!cr_ || text.empty() || !font.IsUsable()) return;
    TextLayout laid(cr_, text, font, layout.width, layout.height, format);
    RectF at = PlaceText(layout, laid.Width(), laid.Height(), format);
    cairo_save(cr_);
    if (layout.width > 0 && layout.height > 0) {
        cairo_rectangle(cr_, layout.x, layout.y, layout.width, layout.height);
        cairo_clip(cr_);
    }
    if (layout.width > 0 && !format.noWrap) {
        PangoAlignment a = format.alignment == StringAlignment::Center ? PANGO_ALIGN_CENTER
                           : format.alignment == StringAlignment::Far  ? PANGO_ALIGN_RIGHT
                                                                        : PANGO_ALIGN_LEFT;
        pango_layout_set_alignment(laid.Layout(), a);
        at.x = layout.x;
    }
    SetSource(cr_, color);
    cairo_move_to(cr_, std::round(at.x), std::round(at.y));
    pango_cairo_show_layout(cr_, laid.Layout());
    cairo_restore(cr_);
}

RectF Graphics::MeasureString(std::string_view text, const Font& font, const RectF& layout,
                              const StringFormat& format) {
    if (text.empty() || !font.IsUsable()) return {layout.x, layout.y, 0, 0};
    TextLayout laid(cr_, text, font, layout.width, layout.height, format);
    return PlaceText(layout, laid.Width(), laid.Height(), format);
}

}  // namespace platform
