#include <gtest/gtest.h>

#include "platform/DeviceContext.h"
#include "platform/Graphics.h"
#include "skin/CBasicPropertyFrame.h"
#include "skin/CShowImageCtrl.h"
#include "tests/skin/SkinTestSupport.h"

namespace {

using platform::Argb;
using platform::Rect;
using skintest::kStateColours;

TEST(ColorRefToArgbTest, SwapsRedAndBlueAndMakesOpaque)
{
    struct Case {
        COLORREF in;
        ARGB out;
    };
    const Case cases[] = {
        {0x00000000, 0xFF000000},
        {0x000000FF, 0xFFFF0000},  // red
        {0x0000FF00, 0xFF00FF00},
        {0x00FF0000, 0xFF0000FF},  // blue
        {0x00694106, 0xFF064169},  // the device list's row colour (6, 65, 105)
        {0xAB123456, 0xFF563412},  // a stray high byte is not alpha
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CBasicPropertyFrame::ColorRefToArgb(c.in), c.out) << std::hex << c.in;
    }
}

TEST(PropertyFrameTest, StartsWithTheInitialValues)
{
    const CBasicPropertyFrame frame;
    EXPECT_EQ(frame.m_nPaintMode, 0u);
    EXPECT_EQ(frame.m_clrBorder, 0xFFFFFFFFu);
    EXPECT_EQ(frame.m_clrBG, 0xFFFFFFFFu);
    EXPECT_EQ(frame.m_clrText, 0xFF000000u);
    EXPECT_EQ(frame.m_nStatusCount, 1);
    EXPECT_FALSE(frame.m_pBGImage);
    EXPECT_FALSE(frame.m_strText.has_value());
    ASSERT_TRUE(frame.m_pTextFont);
    EXPECT_EQ(frame.m_pTextFont->FaceName(), "宋体");
    EXPECT_EQ(frame.m_pTextFont->SizeInPixels(), 12.0f);
    EXPECT_FALSE(frame.m_bNotifySize);
    EXPECT_FALSE(frame.m_dcBGSnapshot);
}

TEST(PropertyFrameTest, PictureMetricsFromTheFile)
{
    CBasicPropertyFrame frame;
    // 4 states of 79 and one column more: 317 wide.
    frame.SetBGImage(skintest::WriteStripPng("strip317.png", 4, 79, 5, 1), 4, 0, 0);
    EXPECT_EQ(frame.m_nImageWidth, 317);
    EXPECT_EQ(frame.m_nImageHeight, 5);
    EXPECT_EQ(frame.m_nStatusWidth, 79);
    frame.UpdateImageMetrics(0);
    EXPECT_EQ(frame.m_nStatusCount, 1);
    EXPECT_EQ(frame.m_nStatusWidth, 317);

    frame.SetBGImage(skintest::TestFolder() + "/no-such-picture.png", 4, 0, 0);
    EXPECT_TRUE(frame.m_pBGImage);
    EXPECT_EQ(frame.m_nImageWidth, 0);
    EXPECT_EQ(frame.m_nStatusWidth, 0);
}

// DrawBackground into an off-screen context that starts filled with a
// sentinel colour, for a 20 x 10 control.
class DrawBackgroundTest : public skintest::SkinWindowTest {
protected:
    void SetUp() override
    {
        SkinWindowTest::SetUp();
        ASSERT_TRUE(self.Create(&parent, Rect{30, 40, 50, 50}, platform::WS_CHILD | platform::WS_VISIBLE));
    }
    platform::MemoryDC Draw(CBasicPropertyFrame& frame)
    {
        platform::MemoryDC dc(20, 10);
        dc.GetBitmap().Clear(kSentinel);
        platform::Graphics g(dc);
        frame.DrawBackground(&parent, &self, g, dc);
        return dc;
    }
    static constexpr Argb kSentinel = 0xFF0A0B0C;
    platform::Window self;
};

TEST_F(DrawBackgroundTest, ModeZeroPaintsNothing)
{
    CBasicPropertyFrame frame;
    frame.SetBGImage(skintest::WriteStripPng("solid20.png", 1, 20, 10), 1, 0, 0);
    platform::MemoryDC dc = Draw(frame);
    for (int x = 0; x < 20; ++x) {
        for (int y = 0; y < 10; ++y) {
            ASSERT_EQ(dc.PixelAt(x, y), kSentinel) << x << "," << y;
        }
    }
}

TEST_F(DrawBackgroundTest, BorderLiesOnTheOutermostPixelsOverTheFill)
{
    CBasicPropertyFrame frame;
    frame.m_nPaintMode = PAINT_BGCOLOR | PAINT_BORDER;
    frame.m_clrBG = 0xFF00FF00;
    frame.m_clrBorder = 0xFFFF0000;
    platform::MemoryDC dc = Draw(frame);
    EXPECT_EQ(dc.PixelAt(0, 0), 0xFFFF0000u);
    EXPECT_EQ(dc.PixelAt(19, 9), 0xFFFF0000u);
    EXPECT_EQ(dc.PixelAt(10, 0), 0xFFFF0000u);
    EXPECT_EQ(dc.PixelAt(0, 5), 0xFFFF0000u);
    EXPECT_EQ(dc.PixelAt(1, 1), 0xFF00FF00u);
    EXPECT_EQ(dc.PixelAt(18, 8), 0xFF00FF00u);
}

TEST_F(DrawBackgroundTest, PictureCoversTheBorderAndShowsEveryState)
{
    CBasicPropertyFrame frame;
    frame.m_nPaintMode = PAINT_BORDER | PAINT_BGIMAGE;
    frame.m_clrBorder = 0xFFFF0000;
    // Four states of 5 x 10 fill the whole 20 x 10 control.
    frame.SetBGImage(skintest::WriteStripPng("four5.png", 4, 5, 10), 4, 0, 0);
    platform::MemoryDC dc = Draw(frame);
    for (int state = 0; state < 4; ++state) {
        EXPECT_EQ(dc.PixelAt(state * 5, 0), kStateColours[static_cast<std::size_t>(state)]) << state;
        EXPECT_EQ(dc.PixelAt(state * 5 + 4, 9), kStateColours[static_cast<std::size_t>(state)]) << state;
    }
}

TEST_F(DrawBackgroundTest, ParentSnapshotTakenOnFirstPaintAndKept)
{
    CBasicPropertyFrame frame;
    frame.m_nPaintMode = PAINT_PARENTBG;
    platform::MemoryDC first = Draw(frame);
    EXPECT_EQ(first.PixelAt(0, 0), kParentColour);
    EXPECT_EQ(first.PixelAt(19, 9), kParentColour);
    ASSERT_TRUE(frame.m_dcBGSnapshot);

    // The parent changes; the snapshot stays until the next capture.
    parent.SetBackgroundColor(0xFF000080);
    parent.Invalidate();
    Paint();
    EXPECT_EQ(Draw(frame).PixelAt(5, 5), kParentColour);

    // A capture from a context holding the parent's fresh picture.
    platform::MemoryDC parentPicture(300, 200);
    parentPicture.GetBitmap().Clear(0xFF000080);
    parentPicture.FillSolidRect(Rect{30, 40, 31, 41}, 0x0000FF);  // one red pixel at the control's corner
    frame.CaptureBackground(parentPicture, &self, &parent);
    platform::MemoryDC captured = Draw(frame);
    EXPECT_EQ(captured.PixelAt(0, 0), 0xFFFF0000u);
    EXPECT_EQ(captured.PixelAt(1, 0), 0xFF000080u);
}

TEST_F(DrawBackgroundTest, LayersWithoutTheWindowAreSkipped)
{
    CBasicPropertyFrame frame;
    frame.m_nPaintMode = PAINT_PARENTBG | PAINT_BGCOLOR | PAINT_BORDER;
    platform::MemoryDC dc(20, 10);
    dc.GetBitmap().Clear(kSentinel);
    platform::Graphics g(dc);
    frame.DrawBackground(&parent, nullptr, g, dc);
    EXPECT_EQ(dc.PixelAt(5, 5), kSentinel);
    EXPECT_FALSE(frame.m_dcBGSnapshot);
}

TEST_F(DrawBackgroundTest, StatesBeyondTheStripDrawNothing)
{
    CBasicPropertyFrame frame;
    frame.SetBGImage(skintest::WriteStripPng("two5.png", 2, 5, 10), 2, 0, 0);
    for (int index : {0, 1, 2, 6, -1}) {
        platform::MemoryDC dc(20, 10);
        dc.GetBitmap().Clear(kSentinel);
        {
            platform::Graphics g(dc);
            frame.DrawStatusImage(g, index);
        }
        const Argb expected = index == 0 || index == 1 ? kStateColours[static_cast<std::size_t>(index)] : kSentinel;
        EXPECT_EQ(dc.PixelAt(2, 5), expected) << index;
        EXPECT_EQ(dc.PixelAt(7, 5), kSentinel) << index;  // one state wide, nothing more
    }
}

class MoveWithParentTest : public skintest::SkinWindowTest {};

TEST_F(MoveWithParentTest, ModesMoveStretchOrKeep)
{
    struct Case {
        int horz, vert;
        Rect expected;
    };
    const Case cases[] = {
        {1, 1, Rect{10, 20, 40, 30}},
        {2, 2, Rect{15, 27, 45, 37}},
        {3, 3, Rect{10, 20, 45, 37}},
        {2, 3, Rect{15, 20, 45, 37}},
        {2, 4, Rect{10, 20, 40, 30}},  // an unknown mode on one axis keeps both
        {0, 2, Rect{10, 20, 40, 30}},
    };
    CBasicPropertyFrame frame;
    for (const Case& c : cases) {
        platform::Window child;
        ASSERT_TRUE(child.Create(&parent, Rect{10, 20, 40, 30}, platform::WS_CHILD | platform::WS_VISIBLE));
        frame.MoveWithParent(&child, 5, 7, c.horz, c.vert);
        EXPECT_EQ(child.RectInParent(), c.expected) << c.horz << "," << c.vert;
    }
    frame.MoveWithParent(nullptr, 5, 7, 2, 2);  // no window: nothing happens
}

} // namespace
