#include "platform/DeviceContext.h"

#include <cairo.h>

#include <utility>

namespace platform {

namespace {
Rect SurfaceBounds(cairo_surface_t* s) {
    return {0, 0, cairo_image_surface_get_width(s), cairo_image_surface_get_height(s)};
}
}  // namespace

DeviceContext::DeviceContext(cairo_surface_t* surface, Point origin, Rect clipOnSurface) {
    Retarget(surface, origin, clipOnSurface);
}

void DeviceContext::Retarget(cairo_surface_t* surface, Point origin, Rect clipOnSurface) {
    if (surface) cairo_surface_reference(surface);
    if (surface_) cairo_surface_destroy(surface_);
    surface_ = surface;
    origin_ = origin;
    clip_ = surface ? clipOnSurface.Intersect(SurfaceBounds(surface)) : Rect{};
}

DeviceContext::~DeviceContext() {
    if (surface_) cairo_surface_destroy(surface_);
}

DeviceContext::DeviceContext(DeviceContext&& other) noexcept
    : surface_(std::exchange(other.surface_, nullptr)),
      origin_(other.origin_),
      clip_(other.clip_),
      textColor_(other.textColor_),
      backgroundColor_(other.backgroundColor_) {}

DeviceContext& DeviceContext::operator=(DeviceContext&& other) noexcept {
    if (this != &other) {
        if (surface_) cairo_surface_destroy(surface_);
        surface_ = std::exchange(other.surface_, nullptr);
        origin_ = other.origin_;
        clip_ = other.clip_;
        textColor_ = other.textColor_;
        backgroundColor_ = other.backgroundColor_;
    }
    return *this;
}

void DeviceContext::Copy(int x, int y, int w, int h, const DeviceContext& src, int sx, int sy) {
    if (!surface_ || !src.surface_ || w <= 0 || h <= 0) return;
    // Destination and source rectangles on their surfaces; only the part
    // that lies inside the source surface and this context's clip moves.
    Rect dest = Rect::FromXywh(x + origin_.x, y + origin_.y, w, h);
    Rect srcOnSurface = Rect::FromXywh(sx + src.origin_.x, sy + src.origin_.y, w, h);
    Rect srcVisible = srcOnSurface.Intersect(src.clip_);
    Rect area = dest.Intersect(clip_).Intersect(srcVisible.Offset(dest.left - srcOnSurface.left, dest.top - srcOnSurface.top));
    if (area.IsEmpty()) return;
    cairo_surface_flush(src.surface_);
    cairo_t* cr = cairo_create(surface_);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, src.surface_, dest.left - srcOnSurface.left, dest.top - srcOnSurface.top);
    cairo_rectangle(cr, area.left, area.top, area.Width(), area.Height());
    cairo_fill(cr);
    cairo_destroy(cr);
}

void DeviceContext::FillSolidRect(const Rect& rect, ColorRef color) {
    if (!surface_) return;
    Rect area = rect.Offset(origin_).Intersect(clip_);
    if (area.IsEmpty()) return;
    cairo_t* cr = cairo_create(surface_);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgb(cr, ColorRefRed(color) / 255.0, ColorRefGreen(color) / 255.0, ColorRefBlue(color) / 255.0);
    cairo_rectangle(cr, area.left, area.top, area.Width(), area.Height());
    cairo_fill(cr);
    cairo_destroy(cr);
}

Argb DeviceContext::PixelAt(int x, int y) const {
    if (!surface_) return 0;
    Bitmap view = Bitmap::Adopt(cairo_surface_reference(surface_));
    return view.PixelAt(x + origin_.x, y + origin_.y);
}

MemoryDC::MemoryDC() : MemoryDC(1, 1) {}

MemoryDC::MemoryDC(int width, int height) : bitmap_(width, height) {
    Retarget(bitmap_.Surface(), {0, 0}, Rect{0, 0, bitmap_.Width(), bitmap_.Height()});
}

MemoryDC::MemoryDC(const DeviceContext& compatibleWith, int width, int height) : MemoryDC(width, height) {
    SetTextColor(compatibleWith.TextColor());
    SetBackgroundColor(compatibleWith.BackgroundColor());
}

Bitmap MemoryDC::SelectBitmap(Bitmap bitmap) {
    Bitmap previous = std::move(bitmap_);
    bitmap_ = std::move(bitmap);
    if (bitmap_.IsNull()) bitmap_ = Bitmap(1, 1);
    Retarget(bitmap_.Surface(), {0, 0}, Rect{0, 0, bitmap_.Width(), bitmap_.Height()});
    return previous;
}

}  // namespace platform
