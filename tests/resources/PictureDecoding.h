#pragma once
// Reading the built-in pictures in the tests: PNG through cairo, the 24-bit
// bitmap by hand, both into a plain top-down array of opaque-over-background
// ready pixels.
#include <cairo.h>

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using OwnedSurface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// Premultiplied colour, 0..255 per channel.
struct Pixel {
    double r = 0, g = 0, b = 0, a = 0;
};

struct PixelGrid {
    int width = 0, height = 0;
    std::vector<Pixel> pixels;  // top-down rows
    const Pixel& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// Decodes PNG bytes; a surface in error state when they are not a PNG.
OwnedSurface DecodePng(std::span<const unsigned char> bytes);
PixelGrid ToGrid(cairo_surface_t* surface);

// The pixels of an uncompressed 24-bit bottom-up BMP; empty when the header
// is not of that kind.
PixelGrid DecodeBmp24(std::span<const unsigned char> bytes);

std::uint32_t ReadLe32(std::span<const unsigned char> bytes, std::size_t offset);
std::uint16_t ReadLe16(std::span<const unsigned char> bytes, std::size_t offset);
std::uint32_t ReadBe32(std::span<const unsigned char> bytes, std::size_t offset);

// `top` drawn over the opaque `bottom` (premultiplied "over").
Pixel Over(const Pixel& top, const Pixel& bottom);
// Relative luminance of an opaque colour and the contrast ratio of two.
double Luminance(const Pixel& p);
double ContrastRatio(const Pixel& a, const Pixel& b);
