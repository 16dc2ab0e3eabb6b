#pragma once
// A picture read from a file: PNG through cairo, 24-bit BMP through SDL.
// A file that is missing or unreadable gives an empty picture of size 0 x 0
// that draws nothing.
#include <string>

#include "platform/Bitmap.h"

namespace platform {

class Picture {
public:
    Picture() = default;
    explicit Picture(Bitmap pixels) : pixels_(std::move(pixels)) {}
    static Picture LoadPng(const std::string& path);
    static Picture LoadBmp(const std::string& path);
    // By file name ending: ".bmp" (any case) as BMP, everything else as PNG.
    static Picture Load(const std::string& path);

    bool IsEmpty() const { return pixels_.IsNull() || Width() == 0 || Height() == 0; }
    int Width() const { return pixels_.IsNull() ? 0 : pixels_.Width(); }
    int Height() const { return pixels_.IsNull() ? 0 : pixels_.Height(); }
    Argb PixelAt(int x, int y) const { return pixels_.PixelAt(x, y); }
    const Bitmap& Pixels() const { return pixels_; }

private:
    Bitmap pixels_;
};

}  // namespace platform
