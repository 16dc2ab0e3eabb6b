// Pixel checks of the drawing layer: fills and 1-pixel pens on exact
// pixels, gradients, unscaled and stretched pictures, plain copies, text
// placement, wrapping, trimming and fallback, picture files.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <unistd.h>
#include <filesystem>
#include <string>

#include "platform/DeviceContext.h"
#include "platform/Graphics.h"
#include "platform/Picture.h"

using namespace platform;

namespace {

constexpr Argb kWhite = 0xFFFFFFFF;
constexpr Argb kRed = 0xFFFF0000;
constexpr Argb kBlue = 0xFF0000FF;

MemoryDC WhiteCanvas(int w, int h) {
    MemoryDC dc(w, h);
    dc.GetBitmap().Clear(kWhite);
    return dc;
}

// Columns and rows that hold any pixel unlike the background.
Rect InkBounds(const Bitmap& b, Argb background = kWhite) {
    Rect r{b.Width(), b.Height(), -1, -1};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.PixelAt(x, y) != background) {
                r.left = std::min(r.left, x);
                r.top = std::min(r.top, y);
                r.right = std::max(r.right, x + 1);
                r.bottom = std::max(r.bottom, y + 1);
            }
    return r.right < 0 ? Rect{} : r;
}

// A picture of four 3 x 2 state blocks side by side: red, green, blue, black.
Picture FourStateStrip() {
    Bitmap b(12, 2);
    const Argb colours[] = {kRed, 0xFF00FF00, kBlue, 0xFF000000};
    for (int x = 0; x < 12; ++x)
        for (int y = 0; y < 2; ++y) b.SetPixel(x, y, colours[x / 3]);
    return Picture(std::move(b));
}

TEST(Fills, CoverExactlyTheirPixelsWithOrWithoutSmoothing) {
    for (SmoothingMode mode : {SmoothingMode::Default, SmoothingMode::AntiAlias}) {
        MemoryDC dc = WhiteCanvas(10, 10);
        {
            Graphics g(dc);
            g.SetSmoothingMode(mode);
            g.FillRectangle(kRed, 2, 3, 4, 5);
        }
        EXPECT_EQ(InkBounds(dc.GetBitmap()), (Rect{2, 3, 6, 8}));
        EXPECT_EQ(dc.GetBitmap().PixelAt(5, 7), kRed);
    }
}

TEST(Pens, RectangleOutlineLiesOnTheOutermostPixels) {
    struct Case {
        int w, h;
        SmoothingMode mode;
    };
    for (Case c : {Case{9, 7, SmoothingMode::Default}, Case{9, 7, SmoothingMode::AntiAlias}, Case{2, 2, SmoothingMode::HighSpeed}}) {
        MemoryDC dc = WhiteCanvas(c.w, c.h);
        {
            Graphics g(dc);
            g.SetSmoothingMode(c.mode);
            g.DrawRectangle(kBlue, 0, 0, c.w - 1, c.h - 1);
        }
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x) {
                bool edge = x == 0 || y == 0 || x == c.w - 1 || y == c.h - 1;
                EXPECT_EQ(dc.GetBitmap().PixelAt(x, y), edge ? kBlue : kWhite) << x << "," << y << " of " << c.w << "x" << c.h;
            }
    }
}

TEST(Pens, LinesIncludeBothEndPixels) {
    MemoryDC dc = WhiteCanvas(10, 10);
    {
        Graphics g(dc);
        g.DrawLine(kRed, 7, 2, 1, 2);
        g.DrawLine(kBlue, 4, 4, 4, 8);
    }
    EXPECT_EQ(InkBounds(dc.GetBitmap()), (Rect{1, 2, 8, 9}));
    EXPECT_EQ(dc.GetBitmap().PixelAt(1, 2), kRed);
    EXPECT_EQ(dc.GetBitmap().PixelAt(7, 2), kRed);
    EXPECT_EQ(dc.GetBitmap().PixelAt(4, 8), kBlue);
}

TEST(Gradients, RunFromTheTopColourToTheBottomColour) {
    MemoryDC dc = WhiteCanvas(4, 40);
    {
        Graphics g(dc);
        g.FillVerticalGradient(Rect{0, 0, 4, 40}, 0xFFA9BED3, 0xFFD9EAF6);
    }
    const Bitmap& b = dc.GetBitmap();
    EXPECT_NEAR(ArgbRed(b.PixelAt(1, 0)), 0xA9, 3);
    EXPECT_NEAR(ArgbRed(b.PixelAt(1, 39)), 0xD9, 3);
    for (int y = 1; y < 40; ++y) EXPECT_GE(ArgbRed(b.PixelAt(1, y)), ArgbRed(b.PixelAt(1, y - 1)));
}

TEST(Pictures, StateOfAStripIsCopiedUnscaled) {
    Picture strip = FourStateStrip();
    for (int state = 0; state < 4; ++state) {
        MemoryDC dc = WhiteCanvas(8, 6);
        {
            Graphics g(dc);
            g.SetAntiAlias(true);
            g.DrawImage(strip, Rect::FromXywh(2, 1, 3, 2), Rect::FromXywh(state * 3, 0, 3, 2));
        }
        EXPECT_EQ(InkBounds(dc.GetBitmap()), (Rect{2, 1, 5, 3}));
        for (int x = 2; x < 5; ++x) EXPECT_EQ(dc.GetBitmap().PixelAt(x, 2), strip.PixelAt(state * 3, 0)) << state;
    }
}

TEST(Pictures, WholePictureAtItsNaturalSize) {
    Picture strip = FourStateStrip();
    MemoryDC dc = WhiteCanvas(20, 5);
    {
        Graphics g(dc);
        g.DrawImage(strip, 3, 2);
    }
    EXPECT_EQ(InkBounds(dc.GetBitmap()), (Rect{3, 2, 15, 4}));
    EXPECT_EQ(dc.GetBitmap().PixelAt(14, 3), 0xFF000000u);
}

TEST(Pictures, SourceRectangleStretchesOverTheDestinationWithoutFadingEdges) {
    Picture strip = FourStateStrip();
    MemoryDC dc = WhiteCanvas(40, 20);
    {
        Graphics g(dc);
        // Red and green states (6 x 2) stretched to 30 x 10.
        g.DrawImage(strip, Rect::FromXywh(5, 5, 30, 10), Rect{0, 0, 6, 2});
    }
    const Bitmap& b = dc.GetBitmap();
    EXPECT_EQ(InkBounds(b), (Rect{5, 5, 35, 15}));
    EXPECT_EQ(b.PixelAt(5, 5), kRed) << "corner pixels keep their colour";
    EXPECT_EQ(b.PixelAt(34, 14), 0xFF00FF00u);
    EXPECT_EQ(b.PixelAt(10, 10), kRed);
    EXPECT_EQ(b.PixelAt(30, 10), 0xFF00FF00u);
}

TEST(Copies, PlainCopyReplacesPixelsAndStaysInsideTheClip) {
    MemoryDC source = WhiteCanvas(10, 10);
    source.GetBitmap().SetPixel(0, 0, 0x80112233);  // half transparent: copied as is
    source.GetBitmap().SetPixel(9, 9, kBlue);
    MemoryDC target(20, 20);
    target.GetBitmap().Clear(kRed);
    DeviceContext clipped(target.Surface(), Point{5, 5}, Rect{5, 5, 12, 12});
    clipped.Copy(0, 0, 10, 10, source, 0, 0);
    const Bitmap& t = target.GetBitmap();
    EXPECT_EQ(ArgbAlpha(t.PixelAt(5, 5)), 0x80);
    EXPECT_EQ(t.PixelAt(11, 11), kWhite);
    EXPECT_EQ(t.PixelAt(12, 12), kRed) << "outside the clip nothing changes";
    EXPECT_EQ(t.PixelAt(4, 4), kRed);
}

class TextTest : public ::testing::Test {
protected:
    Font font{"DejaVu Sans", 14};
};

TEST_F(TextTest, AlignmentPlacesTheTextInItsRectangle) {
    struct Case {
        StringAlignment horizontal;
        StringAlignment vertical;
    };
    const RectF box{10, 10, 180, 60};
    for (Case c : {Case{StringAlignment::Near, StringAlignment::Near}, Case{StringAlignment::Center, StringAlignment::Center},
                   Case{StringAlignment::Far, StringAlignment::Far}}) {
        MemoryDC dc = WhiteCanvas(200, 80);
        StringFormat format{c.horizontal, c.vertical};
        RectF measured;
        {
            Graphics g(dc);
            g.DrawString("Log In", font, 0xFF000000, box, format);
            measured = g.MeasureString("Log In", font, box, format);
        }
        Rect ink = InkBounds(dc.GetBitmap());
        ASSERT_FALSE(ink.IsEmpty());
        float inkCentreX = (ink.left + ink.right) / 2.0f;
        float inkCentreY = (ink.top + ink.bottom) / 2.0f;
        switch (c.horizontal) {
            case StringAlignment::Near: EXPECT_NEAR(ink.left, 10, 3); break;
            case StringAlignment::Center: EXPECT_NEAR(inkCentreX, 100, 3); break;
            case StringAlignment::Far: EXPECT_NEAR(ink.right, 190, 3); break;
        }
        switch (c.vertical) {
            case StringAlignment::Near: EXPECT_NEAR(ink.top, 10, 5); break;
            case StringAlignment::Center: EXPECT_NEAR(inkCentreY, 40, 4); break;
            case StringAlignment::Far: EXPECT_NEAR(ink.bottom, 70, 5); break;
        }
        // The measured rectangle holds the ink.
        EXPECT_LE(measured.x, ink.left + 1);
        EXPECT_GE(measured.x + measured.width, ink.right - 1);
    }
}

TEST_F(TextTest, TextAtAPointIsOneUnclippedLine) {
    MemoryDC dc = WhiteCanvas(60, 40);
    {
        Graphics g(dc);
        g.DrawString("A rather long line of text", font, 0xFF000000, 5, 5);
    }
    Rect ink = InkBounds(dc.GetBitmap());
    EXPECT_EQ(ink.right, 60) << "runs past the right edge, not wrapped";
    EXPECT_LT(ink.bottom, 5 + font.LineHeight() + 2);
}

TEST_F(TextTest, WidthWrapsAtWordsAndHeightGrowsWithTheLines) {
    MemoryDC scratch(1, 1);
    Graphics g(scratch);
    RectF one = g.MeasureString("alpha beta gamma delta", font, RectF{0, 0, 0, 0});
    RectF wrapped = g.MeasureString("alpha beta gamma delta", font, RectF{0, 0, one.width / 2 + 4, 0});
    EXPECT_GE(wrapped.height, 2 * font.LineHeight() - 1);
    EXPECT_LE(wrapped.width, one.width / 2 + 4);
}

TEST_F(TextTest, EllipsisTrimsAtAWordBoundary) {
    MemoryDC scratch(1, 1);
    Graphics g(scratch);
    StringFormat trimmed{StringAlignment::Near, StringAlignment::Center, StringTrimming::EllipsisWord, true};
    RectF fits = g.MeasureString("alpha beta\xE2\x80\xA6", font, RectF{0, 0, 0, 0});
    RectF whole = g.MeasureString("alpha beta gamma", font, RectF{0, 0, 0, 0});
    ASSERT_LT(fits.width + 2, whole.width);
    RectF cut = g.MeasureString("alpha beta gamma", font, RectF{0, 0, fits.width + 2, 16}, trimmed);
    EXPECT_FLOAT_EQ(cut.width, fits.width) << "cut after 'beta', not inside 'gamma'";
    RectF untouched = g.MeasureString("alpha", font, RectF{0, 0, fits.width + 2, 16}, trimmed);
    EXPECT_FLOAT_EQ(untouched.width, g.MeasureString("alpha", font, RectF{}).width);
}

TEST_F(TextTest, MissingFaceAndChineseTextStillDraw) {
    Font missing("\xE5\xAE\x8B\xE4\xBD\x93", 12);  // a face that is not installed
    MemoryDC dc = WhiteCanvas(80, 30);
    {
        Graphics g(dc);
        g.DrawString("\xE4\xB8\xAD\xE6\x96\x87 \xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88", missing, 0xFF000000, 2, 2);
    }
    EXPECT_GT(InkBounds(dc.GetBitmap()).Width(), 30);
    Font unusable("DejaVu Sans", 0);
    MemoryDC none = WhiteCanvas(80, 30);
    {
        Graphics g(none);
        g.DrawString("text", unusable, 0xFF000000, 2, 2);
    }
    EXPECT_TRUE(InkBounds(none.GetBitmap()).IsEmpty()) << "an unusable font draws nothing";
}

class PictureFiles : public ::testing::Test {
protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() / ("platform-pictures-" + std::to_string(::getpid()));
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
};

TEST_F(PictureFiles, PngAndBmpLoadAndMissingFilesGiveEmptyPictures) {
    Bitmap b(3, 2);
    b.Clear(0xFF102030);
    b.SetPixel(2, 1, 0x80FF0000);
    ASSERT_TRUE(b.SavePng((dir / "p.png").string()));
    Picture png = Picture::Load((dir / "p.png").string());
    EXPECT_EQ(png.Width(), 3);
    EXPECT_EQ(png.PixelAt(0, 0), 0xFF102030u);
    EXPECT_EQ(ArgbAlpha(png.PixelAt(2, 1)), 0x80);

    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 4, 3, 24, SDL_PIXELFORMAT_BGR24);
    ASSERT_NE(s, nullptr);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 210, 10, 10));
    SDL_Rect corner{3, 2, 1, 1};
    SDL_FillRect(s, &corner, SDL_MapRGB(s->format, 1, 2, 3));
    ASSERT_EQ(SDL_SaveBMP(s, (dir / "r.BMP").string().c_str()), 0);
    SDL_FreeSurface(s);
    Picture bmp = Picture::Load((dir / "r.BMP").string());
    EXPECT_EQ(bmp.Width(), 4);
    EXPECT_EQ(bmp.Height(), 3);
    EXPECT_EQ(bmp.PixelAt(0, 0), 0xFFD20A0Au);
    EXPECT_EQ(bmp.PixelAt(3, 2), 0xFF010203u);

    Picture missing = Picture::Load((dir / "none.png").string());
    EXPECT_TRUE(missing.IsEmpty());
    EXPECT_EQ(missing.Width(), 0);
    MemoryDC dc = WhiteCanvas(4, 4);
    {
        Graphics g(dc);
        g.DrawImage(missing, 0, 0);
        g.DrawImage(missing, Rect{0, 0, 4, 4}, Rect{0, 0, 2, 2});
    }
    EXPECT_TRUE(InkBounds(dc.GetBitmap()).IsEmpty());
}

}  // namespace
