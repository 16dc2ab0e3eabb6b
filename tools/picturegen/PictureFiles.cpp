#include "tools/picturegen/PictureFiles.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace {

void PutLe16(std::vector<unsigned char>& out, std::uint16_t value)
{
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void PutLe32(std::vector<unsigned char>& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<unsigned char>((value >> shift) & 0xFF));
    }
}

}  // namespace

std::vector<unsigned char> EncodeBmp24(cairo_surface_t* rgbSurface)
{
    cairo_surface_flush(rgbSurface);
    const int width = cairo_image_surface_get_width(rgbSurface);
    const int height = cairo_image_surface_get_height(rgbSurface);
    const int stride = cairo_image_surface_get_stride(rgbSurface);
    const unsigned char* data = cairo_image_surface_get_data(rgbSurface);

    constexpr std::uint32_t kFileHeaderSize = 14, kInfoHeaderSize = 40;
    constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch
    const std::uint32_t rowSize = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = rowSize * static_cast<std::uint32_t>(height);
    const std::uint32_t dataOffset = kFileHeaderSize + kInfoHeaderSize;

    std::vector<unsigned char> out;
    out.reserve(dataOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    PutLe32(out, dataOffset + imageSize);
    PutLe32(out, 0);  // two reserved words
    PutLe32(out, dataOffset);

    PutLe32(out, kInfoHeaderSize);
    PutLe32(out, static_cast<std::uint32_t>(width));
    PutLe32(out, static_cast<std::uint32_t>(height));  // positive: rows bottom-up
    PutLe16(out, 1);  // planes
    PutLe16(out, 24);  // bits per pixel
    PutLe32(out, 0);  // BI_RGB, no compression
    PutLe32(out, imageSize);
    PutLe32(out, kPixelsPerMetre);
    PutLe32(out, kPixelsPerMetre);
    PutLe32(out, 0);  // colours used
    PutLe32(out, 0);  // important colours

    for (int y = height - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        for (int x = 0; x < width; ++x) {
            out.push_back(static_cast<unsigned char>(row[x] & 0xFF));  // blue
            out.push_back(static_cast<unsigned char>((row[x] >> 8) & 0xFF));  // green
            out.push_back(static_cast<unsigned char>((row[x] >> 16) & 0xFF));  // red
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < rowSize; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}

void WritePng(cairo_surface_t* surface, const std::filesystem::path& path)
{
    if (cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

void WriteBytes(const std::vector<unsigned char>& bytes, const std::filesystem::path& path)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}
