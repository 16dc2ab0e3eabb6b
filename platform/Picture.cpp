#include "platform/Picture.h"

#include <SDL.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace platform {

Picture Picture::LoadPng(const std::string& path) {
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return {};
    }
    if (cairo_image_surface_get_format(s) == CAIRO_FORMAT_ARGB32) return Picture(Bitmap::Adopt(s));
    // Opaque PNGs come as RGB24; every picture is kept as ARGB32.
    Bitmap b(cairo_image_surface_get_width(s), cairo_image_surface_get_height(s));
    cairo_t* cr = cairo_create(b.Surface());
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(s);
    return Picture(std::move(b));
}

Picture Picture::LoadBmp(const std::string& path) {
    SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
    if (!loaded) return {};
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!argb) return {};
    Bitmap b(argb->w, argb->h);
    cairo_surface_flush(b.Surface());
    unsigned char* dst = cairo_image_surface_get_data(b.Surface());
    int dstStride = cairo_image_surface_get_stride(b.Surface());
    SDL_LockSurface(argb);
    for (int y = 0; y < argb->h; ++y) {
        const auto* srcRow = static_cast<const std::uint32_t*>(argb->pixels) + y * (argb->pitch / 4);
        auto* dstRow = reinterpret_cast<std::uint32_t*>(dst + y * dstStride);
        // A 24-bit BMP has no alpha: every pixel is opaque.
        for (int x = 0; x < argb->w; ++x) dstRow[x] = srcRow[x] | 0xFF000000u;
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    cairo_surface_mark_dirty(b.Surface());
    return Picture(std::move(b));
}

Picture Picture::Load(const std::string& path) {
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".bmp") == 0) return LoadBmp(path);
    return LoadPng(path);
}

}  // namespace platform
