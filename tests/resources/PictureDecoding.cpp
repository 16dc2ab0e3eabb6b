#include "tests/resources/PictureDecoding.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

struct ReadCursor {
    std::span<const unsigned char> bytes;
    std::size_t offset = 0;
};

cairo_status_t ReadFromCursor(void* closure, unsigned char* data, unsigned int length)
{
    auto* cursor = static_cast<ReadCursor*>(closure);
    if (cursor->bytes.size() - cursor->offset < length) {
        return CAIRO_STATUS_READ_ERROR;
    }
    std::memcpy(data, cursor->bytes.data() + cursor->offset, length);
    cursor->offset += length;
    return CAIRO_STATUS_SUCCESS;
}

double Linear(double channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

OwnedSurface DecodePng(std::span<const unsigned char> bytes)
{
    ReadCursor cursor{bytes};
    return OwnedSurface(cairo_image_surface_create_from_png_stream(ReadFromCursor, &cursor));
}

PixelGrid ToGrid(cairo_surface_t* surface)
{
    PixelGrid grid;
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        return grid;
    }
    cairo_surface_flush(surface);
    grid.width = cairo_image_surface_get_width(surface);
    grid.height = cairo_image_surface_get_height(surface);
    const bool hasAlpha = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < grid.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        for (int x = 0; x < grid.width; ++x) {
            const std::uint32_t v = row[x];
            grid.pixels.push_back({double((v >> 16) & 0xFF), double((v >> 8) & 0xFF), double(v & 0xFF),
                                   hasAlpha ? double(v >> 24) : 255.0});
        }
    }
    return grid;
}

std::uint32_t ReadLe32(std::span<const unsigned char> b, std::size_t o)
{
    return std::uint32_t(b[o]) | std::uint32_t(b[o + 1]) << 8 | std::uint32_t(b[o + 2]) << 16 |
           std::uint32_t(b[o + 3]) << 24;
}

std::uint16_t ReadLe16(std::span<const unsigned char> b, std::size_t o)
{
    return static_cast<std::uint16_t>(b[o] | b[o + 1] << 8);
}

std::uint32_t ReadBe32(std::span<const unsigned char> b, std::size_t o)
{
    return std::uint32_t(b[o]) << 24 | std::uint32_t(b[o + 1]) << 16 | std::uint32_t(b[o + 2]) << 8 |
           std::uint32_t(b[o + 3]);
}

PixelGrid DecodeBmp24(std::span<const unsigned char> bytes)
{
    PixelGrid grid;
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M' || ReadLe32(bytes, 14) != 40 ||
        ReadLe16(bytes, 28) != 24 || ReadLe32(bytes, 30) != 0) {
        return grid;
    }
    const auto width = static_cast<std::int32_t>(ReadLe32(bytes, 18));
    const auto height = static_cast<std::int32_t>(ReadLe32(bytes, 22));
    const std::size_t offset = ReadLe32(bytes, 10);
    const std::size_t rowSize = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t(3);
    if (width <= 0 || height <= 0 || offset + rowSize * static_cast<std::size_t>(height) > bytes.size()) {
        return grid;
    }
    grid.width = width;
    grid.height = height;
    grid.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int fileRow = 0; fileRow < height; ++fileRow) {
        const int y = height - 1 - fileRow;  // rows are stored bottom-up
        const unsigned char* row = bytes.data() + offset + rowSize * static_cast<std::size_t>(fileRow);
        for (int x = 0; x < width; ++x) {
            grid.pixels[static_cast<std::size_t>(y * width + x)] = {double(row[3 * x + 2]), double(row[3 * x + 1]),
                                                                    double(row[3 * x]), 255.0};
        }
    }
    return grid;
}

Pixel Over(const Pixel& top, const Pixel& bottom)
{
    const double keep = 1.0 - top.a / 255.0;
    return {top.r + bottom.r * keep, top.g + bottom.g * keep, top.b + bottom.b * keep, 255.0};
}

double Luminance(const Pixel& p)
{
    return 0.2126 * Linear(p.r) + 0.7152 * Linear(p.g) + 0.0722 * Linear(p.b);
}

double ContrastRatio(const Pixel& a, const Pixel& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
