#include "platform/Bitmap.h"

#include <cairo.h>

#include <cstring>
#include <utility>

namespace platform {

Bitmap::Bitmap(int width, int height)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(width, 0), std::max(height, 0))) {
    // A new image surface is already zeroed: transparent black.
}

Bitmap Bitmap::Adopt(cairo_surface_t* surface) {
    Bitmap b;
    b.surface_ = surface;
    return b;
}

Bitmap::~Bitmap() {
    if (surface_) cairo_surface_destroy(surface_);
}

Bitmap::Bitmap(Bitmap&& other) noexcept : surface_(std::exchange(other.surface_, nullptr)) {}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this != &other) {
        if (surface_) cairo_surface_destroy(surface_);
        surface_ = std::exchange(other.surface_, nullptr);
    }
    return *this;
}

int Bitmap::Width() const { return surface_ ? cairo_image_surface_get_width(surface_) : 0; }
int Bitmap::Height() const { return surface_ ? cairo_image_surface_get_height(surface_) : 0; }

Argb Bitmap::PixelAt(int x, int y) const {
    if (!surface_ || x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    std::uint32_t p;
    std::memcpy(&p, data + y * cairo_image_surface_get_stride(surface_) + x * 4, 4);
    std::uint32_t a = p >> 24;
    if (a == 0) return 0;
    if (a == 255) return p;
    // Undo the premultiplication, rounding to the nearest value.
    auto un = [a](std::uint32_t c) { return std::min<std::uint32_t>(255, (c * 255 + a / 2) / a); };
    return MakeArgb(a, un((p >> 16) & 0xFF), un((p >> 8) & 0xFF), un(p & 0xFF));
}

void Bitmap::SetPixel(int x, int y, Argb color) {
    if (!surface_ || x < 0 || y < 0 || x >= Width() || y >= Height()) return;
    cairo_surface_flush(surface_);
    std::uint32_t a = ArgbAlpha(color);
    auto pre = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    std::uint32_t p = (a << 24) | (pre(ArgbRed(color)) << 16) | (pre(ArgbGreen(color)) << 8) | pre(ArgbBlue(color));
    unsigned char* data = cairo_image_surface_get_data(surface_);
    std::memcpy(data + y * cairo_image_surface_get_stride(surface_) + x * 4, &p, 4);
    cairo_surface_mark_dirty(surface_);
}

void Bitmap::Clear(Argb color) {
    if (!surface_) return;
    cairo_t* cr = cairo_create(surface_);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgba(cr, ArgbRed(color) / 255.0, ArgbGreen(color) / 255.0, ArgbBlue(color) / 255.0,
                          ArgbAlpha(color) / 255.0);
    cairo_paint(cr);
    cairo_destroy(cr);
}

Bitmap Bitmap::Clone() const {
    if (!surface_) return {};
    Bitmap copy(Width(), Height());
    cairo_t* cr = cairo_create(copy.surface_);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, surface_, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    return copy;
}

bool Bitmap::SavePng(const std::string& path) const {
    if (!surface_) return false;
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace platform
