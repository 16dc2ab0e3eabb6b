#include <gtest/gtest.h>

#include "platform/Bitmap.h"
#include "skin/CShowTaskHeaderCtrl.h"
#include "skin/CStandardListCtrl.h"
#include "skin/HeaderGeometry.h"
#include "tests/skin/SkinTestSupport.h"

namespace {

using platform::Argb;
using platform::Rect;
using skintest::PixelOf;

constexpr platform::Style kList = platform::WS_CHILD | platform::WS_VISIBLE | platform::LVS_REPORT;
constexpr Argb kBorder = 0xFFFF0000;

class ListCtrlTest : public skintest::SkinWindowTest {};

TEST_F(ListCtrlTest, BorderLiesOnTheOutermostPixels)
{
    CStandardListCtrl list;
    list.m_nPaintMode = PAINT_BORDER;
    list.m_clrBorder = kBorder;
    ASSERT_TRUE(list.Create(&parent, Rect{10, 10, 110, 80}, kList, 2105));
    Paint();
    EXPECT_EQ(list.ClientRect(), (Rect{0, 0, 98, 68}));
    for (auto [x, y] : {std::pair{10, 10}, {109, 79}, {109, 10}, {10, 79}, {60, 10}, {60, 79}, {10, 45}, {109, 45}}) {
        EXPECT_EQ(PixelOf(parent, x, y), kBorder) << x << "," << y;
    }
    // Just inside is the list, not the border.
    EXPECT_NE(PixelOf(parent, 11, 40), kBorder);
    EXPECT_NE(PixelOf(parent, 108, 40), kBorder);
    EXPECT_NE(PixelOf(parent, 60, 78), kBorder);
}

TEST_F(ListCtrlTest, WithoutBorderFlagTheWholeWindowIsClient)
{
    CStandardListCtrl list;
    list.m_clrBorder = kBorder;
    ASSERT_TRUE(list.Create(&parent, Rect{10, 10, 110, 80}, kList, 2105));
    Paint();
    EXPECT_EQ(list.ClientRect(), (Rect{0, 0, 100, 70}));
    EXPECT_NE(PixelOf(parent, 10, 60), kBorder);
}

TEST_F(ListCtrlTest, EmbeddedHeaderTakesOverWithTheColumns)
{
    CStandardListCtrl list;
    ASSERT_TRUE(list.Create(&parent, Rect{10, 10, 250, 150}, kList, 2105));
    list.InsertColumn(0, "Host Name", platform::LVCFMT_LEFT, 96);
    list.InsertColumn(1, "IP Address", platform::LVCFMT_CENTER, 122);
    EXPECT_EQ(list.GetHeader(), &list.m_wndHeader);
    ASSERT_EQ(list.m_wndHeader.GetItemCount(), 2);
    EXPECT_EQ(list.m_wndHeader.Items()[1].text, "IP Address");
}

TEST_F(ListCtrlTest, HeaderHeightIsScaledAndRowsStartBelowIt)
{
    // The height the platform gives a header with this font.
    platform::Font font("DejaVu Sans", 12.0f);
    platform::ListView plain;
    ASSERT_TRUE(plain.Create(&parent, Rect{0, 0, 100, 100}, kList));
    plain.SetFont(&font);
    const int computed = plain.RowsRect().top;
    ASSERT_GT(computed, 0);

    CStandardListCtrl list;
    ASSERT_TRUE(list.Create(&parent, Rect{10, 10, 250, 150}, kList, 2105));
    list.SetFont(&font);
    list.SetHeaderHeightScale(0.9f);
    const int scaled = ScaledHeaderHeight(0.9f, computed);
    EXPECT_EQ(list.m_wndHeader.RectInParent().Height(), scaled);
    EXPECT_EQ(list.RowsRect().top, scaled);
}

// A header picture whose top-left 199 x 12 pixels are one colour and whose
// rightmost 50 columns and bottom 5 rows are another.
std::string WriteHeaderBackground()
{
    platform::Bitmap picture(249, 17);
    picture.Clear(0xFFFF00FF);
    for (int x = 0; x < 199; ++x) {
        for (int y = 0; y < 12; ++y) {
            picture.SetPixel(x, y, 0xFF2060A0);
        }
    }
    const std::string path = skintest::TestFolder() + "/headerbackground.png";
    EXPECT_TRUE(picture.SavePng(path));
    return path;
}

TEST_F(ListCtrlTest, HeaderStretchesThePictureLessItsEdgesAndPlacesSeparators)
{
    CStandardListCtrl list;
    ASSERT_TRUE(list.Create(&parent, Rect{0, 0, 300, 150}, kList, 2105));
    list.m_wndHeader.SetBGImage(WriteHeaderBackground(), 1, 0, 0);
    list.m_wndHeader.SetClipImage(skintest::WriteStripPng("clip.png", 1, 2, 10));
    list.InsertColumn(0, "", platform::LVCFMT_LEFT, 50);
    list.InsertColumn(1, "", platform::LVCFMT_LEFT, 0);
    list.InsertColumn(2, "", platform::LVCFMT_LEFT, 60);
    list.Invalidate();
    Paint();
    const int height = list.m_wndHeader.RectInParent().Height();
    ASSERT_GT(height, 6);
    // Nothing of the right columns or bottom rows shows anywhere.
    for (int x = 0; x < 300; x += 7) {
        for (int y = 0; y < height; ++y) {
            ASSERT_NE(PixelOf(parent, x, y), 0xFFFF00FFu) << x << "," << y;
        }
    }
    EXPECT_EQ(PixelOf(parent, 200, 1), 0xFF2060A0u);
    // Separators on the first pixel column right of each column, 4 below the top.
    const Argb clip = skintest::kStateColours[0];
    EXPECT_EQ(PixelOf(parent, 50, 4), clip);
    EXPECT_EQ(PixelOf(parent, 51, 5), clip);
    EXPECT_NE(PixelOf(parent, 49, 5), clip);
    EXPECT_NE(PixelOf(parent, 50, 3), clip);
    EXPECT_EQ(PixelOf(parent, 110, 5), clip);
}

TEST_F(ListCtrlTest, TaskHeaderIsAVerticalGradient)
{
    CShowTaskHeaderCtrl header;
    header.m_nBandHeight = 20;
    ASSERT_TRUE(header.Create(&parent, Rect{0, 0, 200, 20}, platform::WS_CHILD | platform::WS_VISIBLE));
    Paint();
    const Argb top = PixelOf(parent, 100, 0);
    const Argb bottom = PixelOf(parent, 100, 19);
    EXPECT_NEAR(platform::ArgbRed(top), 0xA9, 6);
    EXPECT_NEAR(platform::ArgbBlue(top), 0xD3, 6);
    EXPECT_NEAR(platform::ArgbRed(bottom), 0xD9, 6);
    EXPECT_NEAR(platform::ArgbBlue(bottom), 0xF6, 6);
}

} // namespace
