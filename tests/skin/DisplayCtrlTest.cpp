#include <gtest/gtest.h>

#include "platform/ScrollBar.h"
#include "platform/WindowClass.h"
#include "skin/CShowImageCtrl.h"
#include "skin/CShowTextCtrl.h"
#include "skin/CShowTextImageCtrl.h"
#include "tests/skin/SkinTestSupport.h"

namespace {

using platform::Argb;
using platform::Rect;
using skintest::kStateColours;
using skintest::PixelOf;

class DisplayCtrlTest : public skintest::SkinWindowTest {
protected:
    // Whether any pixel of the parent's rectangle differs from `ground`.
    bool HasInk(const Rect& area, Argb ground) const
    {
        for (int x = area.left; x < area.right; ++x) {
            for (int y = area.top; y < area.bottom; ++y) {
                if (PixelOf(parent, x, y) != ground) {
                    return true;
                }
            }
        }
        return false;
    }
};

TEST_F(DisplayCtrlTest, ClassesAreRegisteredUnderTheLayoutNamesWithTheArrow)
{
    CShowTextCtrl text;
    CShowImageCtrl image;
    CShowTextImageCtrl both;
    for (const char* name : {"ShowTextCtrl", "ShowImageCtrl", "ShowTextImageCtrl"}) {
        const platform::WindowClassInfo* info = platform::WindowClassRegistry::Find(name);
        ASSERT_NE(info, nullptr) << name;
        EXPECT_EQ(info->cursor, platform::Cursor::Arrow) << name;
        auto made = platform::WindowClassRegistry::Make(name);
        EXPECT_NE(dynamic_cast<CBasicCtrl*>(made.get()), nullptr) << name;
    }
}

TEST_F(DisplayCtrlTest, ImageControlShowsItsFirstStateOverTheParentSnapshot)
{
    CShowImageCtrl logo;
    logo.m_nPaintMode = PAINT_PARENTBG;
    ASSERT_TRUE(logo.CreateEx("ShowImageCtrl", "", platform::WS_CHILD | platform::WS_VISIBLE, Rect{7, 7, 27, 23},
                              &parent, 2101));
    // Two states of 10 x 10: only the first is shown, the rest of the
    // control shows the parent.
    logo.SetBGImage(skintest::WriteStripPng("logo2.png", 2, 10, 10), 2, 0, 0);
    logo.Invalidate();
    Paint();
    EXPECT_EQ(PixelOf(parent, 7, 7), kStateColours[0]);
    EXPECT_EQ(PixelOf(parent, 16, 16), kStateColours[0]);
    EXPECT_EQ(PixelOf(parent, 17, 7), kParentColour);
    EXPECT_EQ(PixelOf(parent, 7, 17), kParentColour);
}

TEST_F(DisplayCtrlTest, TextStartsAtItsOffsetAndMinusOneIsOne)
{
    struct Case {
        int offsetX, offsetY;
        int left, top;  // first column and row that may carry ink
    };
    const Case cases[] = {{15, 1, 15, 1}, {-1, -1, 1, 1}, {6, 4, 6, 4}};
    for (const Case& c : cases) {
        CShowTextCtrl title;
        title.m_nPaintMode = PAINT_BGCOLOR;
        title.m_clrBG = 0xFFFFFFFF;
        title.SetTextColor(0x000000);
        title.SetTextFont("DejaVu Sans", 12);
        title.SetText("Wide title text", c.offsetX, c.offsetY);
        ASSERT_TRUE(title.CreateEx("ShowTextCtrl", "", platform::WS_CHILD | platform::WS_VISIBLE,
                                   Rect{10, 50, 210, 75}, &parent, 2102));
        Paint();
        EXPECT_FALSE(HasInk(Rect{10, 50, 10 + c.left, 75}, 0xFFFFFFFF)) << c.offsetX;
        EXPECT_FALSE(HasInk(Rect{10, 50, 210, 50 + c.top}, 0xFFFFFFFF)) << c.offsetY;
        EXPECT_TRUE(HasInk(Rect{10 + c.left, 50 + c.top, 210, 75}, 0xFFFFFFFF)) << c.offsetX;
        title.Destroy();
    }
}

TEST_F(DisplayCtrlTest, TextWrapsWithinTheWidthLessBothMargins)
{
    // A 100-pixel control with margin 20 wraps at 60: no ink right of 80.
    CShowTextImageCtrl hint;
    hint.m_nPaintMode = PAINT_BGCOLOR;
    hint.SetTextColor(0x000000);
    hint.SetTextFont("DejaVu Sans", 12);
    hint.SetText("many short words that wrap onto several lines", 20, 0);
    ASSERT_TRUE(hint.CreateEx("ShowTextImageCtrl", "", platform::WS_CHILD | platform::WS_VISIBLE,
                              Rect{0, 100, 100, 190}, &parent, 2106));
    Paint();
    EXPECT_TRUE(HasInk(Rect{20, 100, 80, 190}, 0xFFFFFFFF));
    EXPECT_FALSE(HasInk(Rect{81, 100, 100, 190}, 0xFFFFFFFF));
    // Several lines: ink further down than one line.
    EXPECT_TRUE(HasInk(Rect{20, 130, 80, 190}, 0xFFFFFFFF));
}

TEST_F(DisplayCtrlTest, HintTextLiesOverItsPicture)
{
    // The search hint: a 224-pixel picture from (0, 0) and the text from (15, 1).
    CShowTextImageCtrl hint;
    hint.m_nPaintMode = PAINT_BGCOLOR;
    hint.m_clrBG = 0xFFFFFFFF;
    hint.SetTextColor(0x000000);
    hint.SetTextFont("DejaVu Sans", 11);
    hint.SetText("Searching new devices, please wait", 15, 1);
    ASSERT_TRUE(hint.CreateEx("ShowTextImageCtrl", "", platform::WS_CHILD | platform::WS_VISIBLE,
                              Rect{0, 100, 280, 115}, &parent, 2106));
    hint.SetBGImage(skintest::WriteStripPng("brush224.png", 1, 224, 14), 1, 0, 0);
    hint.Invalidate();
    Paint();
    EXPECT_FALSE(HasInk(Rect{0, 100, 15, 114}, kStateColours[0]));
    EXPECT_EQ(PixelOf(parent, 223, 100), kStateColours[0]);
    EXPECT_EQ(PixelOf(parent, 224, 100), 0xFFFFFFFFu);
    EXPECT_TRUE(HasInk(Rect{15, 101, 224, 114}, kStateColours[0]));
}

TEST_F(DisplayCtrlTest, ScrollModeMovesThroughTheCodeTable)
{
    CShowTextCtrl text;
    ASSERT_TRUE(text.CreateEx("ShowTextCtrl", "", platform::WS_CHILD | platform::WS_VISIBLE, Rect{0, 0, 200, 100},
                              &parent, 2102));
    ASSERT_TRUE(text.m_wndVScroll->Create(&text, Rect{183, 0, 200, 100},
                                          platform::WS_CHILD | platform::WS_VISIBLE | platform::SBS_VERT, 1));
    text.m_bScrollMode = TRUE;
    text.m_wndVScroll->SetScrollInfo(platform::ScrollInfo{platform::SIF_ALL, 0, 100, 10, 0, 0});
    struct Case {
        int code;
        int position;
    };
    // The bar keeps its position within 0 .. 100 - (10 - 1).
    const Case cases[] = {{platform::SB_LINEDOWN, 1},  {platform::SB_PAGEDOWN, 11}, {platform::SB_LINEUP, 10},
                          {platform::SB_BOTTOM, 91},   {platform::SB_PAGEUP, 81},   {platform::SB_TOP, 0},
                          {platform::SB_ENDSCROLL, 0}, {platform::SB_PAGEUP, 0}};
    for (const Case& c : cases) {
        text.Send(platform::WM_VSCROLL, platform::MakeWParam(static_cast<std::uint16_t>(c.code), 0),
                  platform::ToParam(text.m_wndVScroll.get()));
        EXPECT_EQ(text.m_wndVScroll->Position(), c.position) << c.code;
    }
}

TEST_F(DisplayCtrlTest, MeasureTextExtentWrapsAt250LessMargins)
{
    CShowTextCtrl tip;
    tip.SetTextFont("DejaVu Sans", 12);
    tip.SetText("short", 3, 3);
    platform::Size oneLine;
    tip.MeasureTextExtent(oneLine);
    EXPECT_GT(oneLine.width, 6);
    EXPECT_LT(oneLine.width, 250);

    tip.SetText(std::string(60, 'w') + " " + std::string(60, 'w') + " " + std::string(60, 'w'), 3, 3);
    platform::Size wrapped;
    tip.MeasureTextExtent(wrapped);
    EXPECT_LE(wrapped.width, 250 + 1);
    EXPECT_GE(wrapped.height, 2 * oneLine.height - 3);
}

TEST_F(DisplayCtrlTest, PressInTheTopBandDragsTheParent)
{
    // The control spans parent rows 20 to 39: presses above parent y 28 drag.
    CShowTextCtrl title;
    ASSERT_TRUE(title.CreateEx("ShowTextCtrl", "", platform::WS_CHILD | platform::WS_VISIBLE,
                               Rect{30, 20, 130, 40}, &parent, 2102));
    struct Case {
        int parentY;
        bool drags;
    };
    for (const Case& c : {Case{27, true}, Case{28, false}, Case{21, true}, Case{39, false}}) {
        parent.messages.clear();
        title.Send(platform::WM_LBUTTONDOWN, 0, platform::PackPoint(5, c.parentY - 20));
        const auto presses = parent.Received(platform::WM_NCLBUTTONDOWN);
        ASSERT_EQ(presses.size(), c.drags ? 1u : 0u) << c.parentY;
        if (c.drags) {
            EXPECT_EQ(presses[0].wParam, static_cast<std::uintptr_t>(platform::HTCAPTION));
            // The point in the control's own coordinates.
            EXPECT_EQ(platform::UnpackPoint(presses[0].lParam), (platform::Point{5, c.parentY - 20}));
        }
        host.PointerButton(platform::MouseButton::Left, false, Screen(0, 0));
    }
}

TEST_F(DisplayCtrlTest, SizeChangesAreRecorded)
{
    CShowTextCtrl title;
    ASSERT_TRUE(title.CreateEx("ShowTextCtrl", "", platform::WS_CHILD | platform::WS_VISIBLE,
                               Rect{30, 20, 130, 40}, &parent, 2102));
    title.Move(30, 20, 150, 30);
    EXPECT_EQ(title.m_rcLastClient, (Rect{0, 0, 150, 30}));
}

} // namespace
