// The eight built-in pictures: sizes and pixel formats, the key pixels of the
// region bitmap, and the properties of the artwork the window relies on
// (distinct button states, light texts on dark ground, dark rows on light).
#include <cmath>
#include <set>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "resources/EmbeddedResources.h"
#include "tests/resources/PictureDecoding.h"

namespace {

constexpr int kRgb = 2, kRgba = 6;  // PNG colour types

std::span<const unsigned char> Resource(int id, std::string_view type)
{
    const auto bytes = FindEmbeddedResource(id, type);
    EXPECT_TRUE(bytes.has_value()) << type << " " << id;
    return bytes.value_or(std::span<const unsigned char>{});
}

PixelGrid PngGrid(int id)
{
    OwnedSurface surface = DecodePng(Resource(id, "PNG"));
    return ToGrid(surface.get());
}

TEST(Pictures, PngFilesHaveTheirSizeAndPixelFormat)
{
    const struct {
        int id;
        const char* name;
        std::uint32_t width, height;
        int colourType;
    } cases[] = {
        {146, "SearchDevice_BlackGround.png", 328, 245, kRgb}, {139, "Brush.png", 224, 14, kRgb},
        {144, "logo.png", 16, 16, kRgba},                       {147, "headerbackground.png", 249, 17, kRgb},
        {148, "headerclip.png", 1, 12, kRgb},                   {141, "close.png", 44, 11, kRgba},
        {140, "ButtonMax.png", 316, 23, kRgba},
    };
    const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto png = Resource(c.id, "PNG");
        ASSERT_GE(png.size(), 33u);
        EXPECT_TRUE(std::equal(signature, signature + 8, png.begin()));
        // The first chunk is the 13-byte image header.
        EXPECT_EQ(ReadBe32(png, 8), 13u);
        EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
        EXPECT_EQ(ReadBe32(png, 16), c.width);
        EXPECT_EQ(ReadBe32(png, 20), c.height);
        EXPECT_EQ(png[24], 8) << "bit depth";
        EXPECT_EQ(png[25], c.colourType) << "colour type";
        EXPECT_EQ(png[28], 0) << "interlace";

        // And it decodes to that picture.
        OwnedSurface surface = DecodePng(png);
        ASSERT_EQ(cairo_surface_status(surface.get()), CAIRO_STATUS_SUCCESS);
        EXPECT_EQ(cairo_image_surface_get_width(surface.get()), int(c.width));
        EXPECT_EQ(cairo_image_surface_get_height(surface.get()), int(c.height));
        EXPECT_EQ(cairo_image_surface_get_format(surface.get()),
                  c.colourType == kRgba ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24);
    }
}

TEST(Pictures, RegionBitmapIsAnUncompressed24BitBottomUpBmp)
{
    const auto bmp = Resource(158, "BMP");
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    const std::uint32_t rowSize = 328 * 3;  // already a multiple of four
    EXPECT_EQ(ReadLe32(bmp, 2), bmp.size()) << "file size field";
    EXPECT_EQ(ReadLe32(bmp, 10), 54u) << "pixel data offset";
    EXPECT_EQ(ReadLe32(bmp, 14), 40u) << "information header size";
    EXPECT_EQ(static_cast<std::int32_t>(ReadLe32(bmp, 18)), 328);
    EXPECT_EQ(static_cast<std::int32_t>(ReadLe32(bmp, 22)), 245) << "positive height: rows stored bottom-up";
    EXPECT_EQ(ReadLe16(bmp, 26), 1) << "planes";
    EXPECT_EQ(ReadLe16(bmp, 28), 24) << "bits per pixel";
    EXPECT_EQ(ReadLe32(bmp, 30), 0u) << "no compression";
    EXPECT_EQ(ReadLe32(bmp, 34), rowSize * 245) << "image size";
    EXPECT_EQ(ReadLe32(bmp, 46), 0u) << "no colour table";
    EXPECT_EQ(bmp.size(), 54u + rowSize * 245);
}

TEST(Pictures, RegionBitmapHasTheKeyColourExactlyInTheTopCornerRuns)
{
    const PixelGrid grid = DecodeBmp24(Resource(158, "BMP"));
    ASSERT_EQ(grid.width, 328);
    ASSERT_EQ(grid.height, 245);
    std::set<std::pair<int, int>> expected;
    const int runs[4] = {5, 3, 2, 1};
    for (int y = 0; y < 4; ++y) {
        for (int i = 0; i < runs[y]; ++i) {
            expected.insert({i, y});
            expected.insert({327 - i, y});
        }
    }
    std::set<std::pair<int, int>> found;
    for (int y = 0; y < grid.height; ++y) {
        for (int x = 0; x < grid.width; ++x) {
            const Pixel& p = grid.at(x, y);
            if (p.r == 210 && p.g == 10 && p.b == 10) {
                found.insert({x, y});
            }
        }
    }
    EXPECT_EQ(found, expected);
    EXPECT_EQ(found.size(), 22u);
}

// The mean colour distance between two states of a strip, each drawn over the
// window background at the place of a control that uses it.
double StateDistance(const PixelGrid& strip, int stateWidth, int a, int b, const PixelGrid& background, int atX,
                     int atY)
{
    double sum = 0;
    for (int y = 0; y < strip.height; ++y) {
        for (int x = 0; x < stateWidth; ++x) {
            const Pixel& under = background.at(atX + x, atY + y);
            const Pixel pa = Over(strip.at(a * stateWidth + x, y), under);
            const Pixel pb = Over(strip.at(b * stateWidth + x, y), under);
            sum += std::sqrt((pa.r - pb.r) * (pa.r - pb.r) + (pa.g - pb.g) * (pa.g - pb.g) +
                             (pa.b - pb.b) * (pa.b - pb.b));
        }
    }
    return sum / (stateWidth * strip.height);
}

TEST(Pictures, FourButtonStatesAreClearlyDistinct)
{
    const PixelGrid background = PngGrid(146);
    const struct {
        int id;
        const char* name;
        int stateWidth, atX, atY;
        double minimum;
    } strips[] = {
        {140, "ButtonMax.png", 79, 18, 210, 20.0},  // a whole plate changes colour
        {141, "close.png", 11, 300, 10, 20.0},  // on the band, the cross alone may change
    };
    const char* names[4] = {"normal", "hover", "pressed", "disabled"};
    for (const auto& s : strips) {
        const PixelGrid strip = PngGrid(s.id);
        ASSERT_EQ(strip.width, 4 * s.stateWidth) << s.name;
        for (int a = 0; a < 4; ++a) {
            for (int b = a + 1; b < 4; ++b) {
                EXPECT_GE(StateDistance(strip, s.stateWidth, a, b, background, s.atX, s.atY), s.minimum)
                    << s.name << ": " << names[a] << " against " << names[b];
            }
        }
    }
}

// The lightest (or darkest) pixel of a rectangle, after `layer` drawn at
// (layerX, layerY) over the background.
Pixel Extreme(const PixelGrid& background, int x0, int y0, int x1, int y1, bool lightest,
              const PixelGrid* layer = nullptr, int layerX = 0, int layerY = 0, int layerState = 0)
{
    Pixel best;
    double bestLuminance = lightest ? -1.0 : 2.0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            Pixel p = background.at(x, y);
            if (layer) {
                p = Over(layer->at(layerState + x - layerX, y - layerY), p);
            }
            const double l = Luminance(p);
            if (lightest ? l > bestLuminance : l < bestLuminance) {
                bestLuminance = l;
                best = p;
            }
        }
    }
    return best;
}

TEST(Pictures, LightTextsStandOnDarkGroundAndRowTextOnLightGround)
{
    const Pixel lightText{244, 245, 247, 255};
    const Pixel rowText{6, 65, 105, 255};
    const PixelGrid background = PngGrid(146);
    const PixelGrid brush = PngGrid(139);
    const PixelGrid header = PngGrid(147);
    const PixelGrid buttons = PngGrid(140);
    ASSERT_EQ(background.width, 328);

    const struct {
        const char* where;
        Pixel ground;
        double minimum;
    } cases[] = {
        {"title band", Extreme(background, 30, 4, 300, 28, true), 4.5},
        {"device list label", Extreme(background, 28, 32, 215, 47, true), 4.5},
        // The countdown text begins one row down, the header titles three rows
        // down (two rows of the header picture, which is stretched).
        {"countdown band", Extreme(brush, 14, 1, 224, 14, true), 4.5},
        {"countdown text beyond the band", Extreme(background, 234, 194, 290, 209, true), 4.5},
        {"list header", Extreme(header, 0, 2, 199, 12, true), 4.5},
        {"button, normal", Extreme(background, 21, 213, 94, 230, true, &buttons, 18, 210, 0 * 79), 4.5},
        {"button, hover", Extreme(background, 21, 213, 94, 230, true, &buttons, 18, 210, 1 * 79), 3.0},
        {"button, pressed", Extreme(background, 21, 213, 94, 230, true, &buttons, 18, 210, 2 * 79), 4.5},
        {"button, disabled", Extreme(background, 21, 213, 94, 230, true, &buttons, 18, 210, 3 * 79), 3.0},
    };
    for (const auto& c : cases) {
        EXPECT_GE(ContrastRatio(lightText, c.ground), c.minimum) << c.where;
    }
    const Pixel listGround = Extreme(background, 10, 50, 318, 191, false);
    EXPECT_GE(ContrastRatio(rowText, listGround), 7.0) << "list area";
}

}  // namespace
