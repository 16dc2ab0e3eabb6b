#pragma once
// Writing pictures to disk: PNG through cairo, the 24-bit bitmap by hand.
#include <cairo.h>

#include <filesystem>
#include <vector>

// The surface as an uncompressed 24-bit bottom-up BMP file (file header,
// 40-byte information header, rows padded to four bytes).
std::vector<unsigned char> EncodeBmp24(cairo_surface_t* rgbSurface);

// Both throw std::runtime_error when the file cannot be written.
void WritePng(cairo_surface_t* surface, const std::filesystem::path& path);
void WriteBytes(const std::vector<unsigned char>& bytes, const std::filesystem::path& path);
