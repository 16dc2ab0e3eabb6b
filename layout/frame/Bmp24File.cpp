#include "layout/frame/Bmp24File.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::uint32_t ReadU32(const std::vector<unsigned char>& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t ReadU16(const std::vector<unsigned char>& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

// Pictures larger than this in either direction are not outline bitmaps.
constexpr std::int64_t kMaxSide = 16384;

}  // namespace

std::optional<RgbPixelRows> ReadBmpPixels(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    // File header (14 bytes) and at least the 40-byte information header.
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    const std::uint32_t dataOffset = ReadU32(bytes, 10);
    const std::uint32_t headerSize = ReadU32(bytes, 14);
    if (headerSize < 40) return std::nullopt;
    const std::int64_t width = static_cast<std::int32_t>(ReadU32(bytes, 18));
    const std::int64_t rawHeight = static_cast<std::int32_t>(ReadU32(bytes, 22));
    const std::uint16_t bitsPerPixel = ReadU16(bytes, 28);
    const std::uint32_t compression = ReadU32(bytes, 30);
    // Uncompressed (BI_RGB), or BI_BITFIELDS with 32 bits, read as BGRX.
    if ((bitsPerPixel != 24 && bitsPerPixel != 32) || (compression != 0 && compression != 3)) return std::nullopt;
    const bool bottomUp = rawHeight > 0;
    const std::int64_t height = std::llabs(rawHeight);
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return std::nullopt;

    const std::int64_t bytesPerPixel = bitsPerPixel / 8;
    const std::int64_t stride = (width * bytesPerPixel + 3) / 4 * 4;
    if (dataOffset > bytes.size() || static_cast<std::int64_t>(bytes.size() - dataOffset) < stride * height)
        return std::nullopt;

    RgbPixelRows picture;
    picture.nWidth = static_cast<int>(width);
    picture.nHeight = static_cast<int>(height);
    picture.pixels.resize(static_cast<std::size_t>(width * height));
    for (std::int64_t y = 0; y < height; ++y) {
        const std::int64_t fileRow = bottomUp ? height - 1 - y : y;
        const std::size_t rowStart = dataOffset + static_cast<std::size_t>(fileRow * stride);
        for (std::int64_t x = 0; x < width; ++x) {
            const std::size_t p = rowStart + static_cast<std::size_t>(x * bytesPerPixel);
            const std::uint32_t blue = bytes[p], green = bytes[p + 1], red = bytes[p + 2];
            picture.pixels[static_cast<std::size_t>(y * width + x)] = red | (green << 8) | (blue << 16);
        }
    }
    return picture;
}
