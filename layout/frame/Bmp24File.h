#pragma once
// Reads the pixels of an uncompressed 24-bit (or 32-bit) BMP file, the format
// of the outline bitmap of the borderless dialogs.
#include <optional>
#include <string>

#include "layout/frame/RegionKeyPixels.h"

// The pixels top row first, or nothing when the file is missing, truncated or
// not an uncompressed 24- or 32-bit bitmap. Bottom-up and top-down files are
// both read.
std::optional<RgbPixelRows> ReadBmpPixels(const std::string& path);
