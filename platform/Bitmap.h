#pragma once
// An owned ARGB32 pixel surface (a cairo image surface). Move-only; the
// surface is released with the object.
#include <string>

#include "platform/Color.h"
#include "platform/Geometry.h"

typedef struct _cairo_surface cairo_surface_t;

namespace platform {

class Bitmap {
public:
    Bitmap() = default;
    // A new surface of the given size, every pixel transparent black.
    Bitmap(int width, int height);
    // Takes over one reference of an existing image surface.
    static Bitmap Adopt(cairo_surface_t* surface);
    ~Bitmap();
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    bool IsNull() const { return surface_ == nullptr; }
    int Width() const;
    int Height() const;
    Size GetSize() const { return {Width(), Height()}; }
    cairo_surface_t* Surface() const { return surface_; }

    // One pixel as straight (not premultiplied) Argb; 0 outside the bitmap.
    Argb PixelAt(int x, int y) const;
    void SetPixel(int x, int y, Argb color);
    // Every pixel set to one colour.
    void Clear(Argb color);
    // A deep copy.
    Bitmap Clone() const;
    // Writes the pixels to a PNG file; false when it cannot be written.
    bool SavePng(const std::string& path) const;

private:
    cairo_surface_t* surface_ = nullptr;
};

}  // namespace platform
