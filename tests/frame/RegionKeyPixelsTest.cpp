// The outline of the borderless window: runs of key-coloured pixels in the
// top rows of the bitmap become rectangles cut out of the window region.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "layout/frame/Bmp24File.h"
#include "layout/frame/RegionKeyPixels.h"

namespace {

using platform::Rect;

constexpr std::uint32_t kWhite = 0x00FFFFFF;

RgbPixelRows Picture(int w, int h)
{
    RgbPixelRows p;
    p.nWidth = w;
    p.nHeight = h;
    p.pixels.assign(static_cast<std::size_t>(w) * h, kWhite);
    return p;
}

void Paint(RgbPixelRows& p, int y, int x0, int x1, std::uint32_t color = RegionKeyColor)
{
    for (int x = x0; x <= x1; ++x) p.pixels[static_cast<std::size_t>(y) * p.nWidth + x] = color;
}

// The key pixels of the built-in outline bitmap: runs of 5, 3, 2 and 1 pixels
// in rows 0 to 3 at both top corners.
RgbPixelRows RoundedTopCorners(int w, int h)
{
    RgbPixelRows p = Picture(w, h);
    const int run[] = {5, 3, 2, 1};
    for (int y = 0; y < 4; ++y) {
        Paint(p, y, 0, run[y] - 1);
        Paint(p, y, w - run[y], w - 1);
    }
    return p;
}

TEST(KeyPixelRuns, CutsBothTopCornersAndNothingElse)
{
    const std::vector<Rect> runs = FindKeyPixelRuns(RoundedTopCorners(328, 245));
    const std::vector<Rect> expected = {
        {0, 0, 5, 1}, {323, 0, 328, 1}, {0, 1, 3, 2}, {325, 1, 328, 2},
        {0, 2, 2, 3}, {326, 2, 328, 3}, {0, 3, 1, 4}, {327, 3, 328, 4},
    };
    EXPECT_EQ(runs, expected);
}

TEST(KeyPixelRuns, ScansOnlyTheTopRowsAndOnlyTheExactColour)
{
    struct Case {
        const char* name;
        int y, x0, x1;
        std::uint32_t color;
        std::vector<Rect> expected;
    };
    const Case cases[] = {
        {"row 34 is scanned", 34, 3, 4, RegionKeyColor, {{3, 34, 5, 35}}},
        {"row 35 is not", 35, 3, 4, RegionKeyColor, {}},
        {"a run to the right edge ends at the edge", 0, 7, 9, RegionKeyColor, {{7, 0, 10, 1}}},
        {"a near colour is kept", 0, 0, 3, 0x000A0AD3, {}},
        {"a whole row is one run", 5, 0, 9, RegionKeyColor, {{0, 5, 10, 6}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RgbPixelRows p = Picture(10, 40);
        Paint(p, c.y, c.x0, c.x1, c.color);
        EXPECT_EQ(FindKeyPixelRuns(p), c.expected);
    }
}

TEST(KeyPixelRuns, TwoRunsInOneRowAndAShortPicture)
{
    RgbPixelRows p = Picture(10, 2);  // fewer rows than are scanned
    Paint(p, 1, 1, 2);
    Paint(p, 1, 5, 5);
    EXPECT_EQ(FindKeyPixelRuns(p), (std::vector<Rect>{{1, 1, 3, 2}, {5, 1, 6, 2}}));
    EXPECT_TRUE(FindKeyPixelRuns(RgbPixelRows{}).empty());
}

// Writes a 24-bit bottom-up BMP of the picture.
void WriteBmp24(const std::string& path, const RgbPixelRows& p)
{
    const int stride = (p.nWidth * 3 + 3) / 4 * 4;
    const std::uint32_t dataSize = static_cast<std::uint32_t>(stride * p.nHeight);
    std::vector<unsigned char> b(54 + dataSize, 0);
    auto u32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    u32(2, static_cast<std::uint32_t>(b.size()));
    u32(10, 54);
    u32(14, 40);
    u32(18, static_cast<std::uint32_t>(p.nWidth));
    u32(22, static_cast<std::uint32_t>(p.nHeight));
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < p.nHeight; ++y) {
        for (int x = 0; x < p.nWidth; ++x) {
            const std::uint32_t c = p.At(x, y);
            const std::size_t at = 54 + static_cast<std::size_t>((p.nHeight - 1 - y) * stride + x * 3);
            b[at] = static_cast<unsigned char>(c >> 16);
            b[at + 1] = static_cast<unsigned char>(c >> 8);
            b[at + 2] = static_cast<unsigned char>(c);
        }
    }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()),
                                                static_cast<std::streamsize>(b.size()));
}

TEST(BmpPixels, ReadsABottomUpFileTopRowFirst)
{
    const std::string path = ::testing::TempDir() + "/outline.bmp";
    RgbPixelRows written = RoundedTopCorners(7, 5);  // odd width: padded rows
    Paint(written, 4, 3, 3, 0x00112233);
    WriteBmp24(path, written);
    const std::optional<RgbPixelRows> read = ReadBmpPixels(path);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->nWidth, 7);
    EXPECT_EQ(read->nHeight, 5);
    EXPECT_EQ(read->pixels, written.pixels);
    std::remove(path.c_str());
}

TEST(BmpPixels, MissingOrTruncatedFilesGiveNothing)
{
    EXPECT_FALSE(ReadBmpPixels("/nonexistent/outline.bmp").has_value());
    const std::string path = ::testing::TempDir() + "/truncated.bmp";
    WriteBmp24(path, Picture(20, 20));
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), 200);
    EXPECT_FALSE(ReadBmpPixels(path).has_value());
    std::remove(path.c_str());
}

}  // namespace
