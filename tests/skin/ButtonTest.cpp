#include <gtest/gtest.h>

#include "platform/WindowClass.h"
#include "skin/CCheckBoxButton.h"
#include "skin/CDriftButton.h"
#include "skin/CRadioBoxButton.h"
#include "skin/CStandardButton.h"
#include "skin/SkinMessages.h"
#include "tests/skin/SkinTestSupport.h"

namespace {

using platform::Rect;
using platform::WS_CHILD;
using platform::WS_GROUP;
using platform::WS_VISIBLE;
using skintest::kStateColours;
using skintest::PixelOf;

constexpr platform::Style kChild = WS_CHILD | WS_VISIBLE;

class ButtonTest : public skintest::SkinWindowTest {
protected:
    // A button at parent (20, 20) of 12 x 8 with a strip of `count` states.
    template <class T>
    void Make(T& button, std::string_view className, int count, int id = 2107, platform::Style extra = 0)
    {
        ASSERT_TRUE(button.CreateEx(className, "", kChild | extra, Rect{20, 20, 32, 28}, &parent, id));
        button.SetBGImage(skintest::WriteStripPng("button" + std::to_string(count) + ".png", count, 12, 8), count, 0, 0);
        button.Invalidate();
        Paint();
    }
    platform::Argb Shown() const { return PixelOf(parent, 25, 24); }
    platform::Argb State(int index) const { return kStateColours[static_cast<std::size_t>(index)]; }
    void Hover()
    {
        host.PointerMove(Screen(25, 24));
        host.Advance(5);
        Paint();
    }
};

TEST_F(ButtonTest, ClassesRegisteredWithTheHandCursor)
{
    CStandardButton standard;
    CDriftButton drift;
    CCheckBoxButton check;
    CRadioBoxButton radio;
    for (const char* name : {"StandardButton", "DriftButton", "CheckBoxButton", "RadioBoxButton"}) {
        const platform::WindowClassInfo* info = platform::WindowClassRegistry::Find(name);
        ASSERT_NE(info, nullptr) << name;
        EXPECT_EQ(info->cursor, platform::Cursor::Hand) << name;
        EXPECT_NE(dynamic_cast<CBasicButton*>(platform::WindowClassRegistry::Make(name).get()), nullptr) << name;
    }
}

TEST_F(ButtonTest, EveryButtonIsOwnerDrawn)
{
    CCheckBoxButton check;
    ASSERT_TRUE(check.CreateEx("CheckBoxButton", "", kChild | platform::BS_CHECKBOX, Rect{0, 0, 10, 10}, &parent, 1));
    EXPECT_EQ(check.GetStyle() & platform::BS_TYPEMASK, platform::BS_OWNERDRAW);
}

TEST_F(ButtonTest, FourStatesFollowHoverPressAndDisable)
{
    CStandardButton button;
    Make(button, "StandardButton", 4);
    EXPECT_EQ(Shown(), State(0));

    Hover();
    EXPECT_TRUE(button.m_bHover);
    EXPECT_EQ(Shown(), State(1));

    host.PointerButton(platform::MouseButton::Left, true, Screen(25, 24));
    Paint();
    EXPECT_EQ(Shown(), State(2));  // pressed while hovered
    host.PointerButton(platform::MouseButton::Left, false, Screen(25, 24));

    button.Enable(false);
    Paint();
    EXPECT_EQ(Shown(), State(3));  // disabled and hovered

    button.Enable(true);
    host.PointerMove(Screen(200, 150));
    host.Pump();
    Paint();
    EXPECT_FALSE(button.m_bHover);
    EXPECT_EQ(Shown(), State(0));
}

TEST_F(ButtonTest, FiveStatesShowCheckedOverEverything)
{
    CStandardButton button;
    Make(button, "StandardButton", 5);
    button.SetCheck(platform::BST_CHECKED);
    Hover();
    host.PointerButton(platform::MouseButton::Left, true, Screen(25, 24));
    Paint();
    EXPECT_EQ(Shown(), State(4));
    host.PointerButton(platform::MouseButton::Left, false, Screen(25, 24));
}

TEST_F(ButtonTest, EightStateCheckBoxAddsFourWhenChecked)
{
    CCheckBoxButton check;
    Make(check, "CheckBoxButton", 8);
    Hover();
    EXPECT_EQ(Shown(), State(1));
    check.SetCheck(platform::BST_CHECKED);
    Paint();
    EXPECT_EQ(Shown(), State(5));
}

TEST_F(ButtonTest, OtherCountsDrawNoStatePicture)
{
    CStandardButton button;
    button.m_nPaintMode = PAINT_BGCOLOR;
    button.m_clrBG = 0xFF00FF00;
    Make(button, "StandardButton", 3);
    EXPECT_EQ(Shown(), 0xFF00FF00u);
}

TEST_F(ButtonTest, SetCheckChecksForOneAndTwoOnly)
{
    CStandardButton button;
    Make(button, "StandardButton", 4);
    struct Case {
        int set;
        std::intptr_t get;
    };
    for (const Case c : {Case{1, 1}, Case{0, 0}, Case{2, 1}, Case{3, 0}, Case{-1, 0}}) {
        EXPECT_EQ(button.Send(platform::BM_SETCHECK, static_cast<std::uintptr_t>(c.set)), 0);
        EXPECT_EQ(button.Send(platform::BM_GETCHECK), c.get) << c.set;
    }
}

TEST_F(ButtonTest, DriftButtonTooltipShowsItsDescription)
{
    CDriftButton drift;
    Make(drift, "DriftButton", 4, 2111);
    drift.CreateToolTip(&drift, "Drift button");
    ASSERT_TRUE(drift.m_hToolTip);
    host.PointerMove(Screen(25, 24));
    host.Advance(600);
    EXPECT_TRUE(drift.m_hToolTip->IsShowing());
    EXPECT_EQ(drift.m_hToolTip->ShownText(), "Drift button");
}

TEST_F(ButtonTest, StandardClickReachesTheParentAsCommand)
{
    CStandardButton button;
    Make(button, "StandardButton", 4, 2108);
    host.Click(Screen(25, 24));
    const auto commands = parent.Received(platform::WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(platform::LowWord(commands[0].wParam), 2108);
    EXPECT_EQ(platform::HighWord(commands[0].wParam), platform::BN_CLICKED);
    EXPECT_EQ(platform::FromParam<platform::Window>(commands[0].lParam), &button);
}

TEST_F(ButtonTest, CheckBoxTogglesAndSendsItsOwnCommand)
{
    CCheckBoxButton check;
    Make(check, "CheckBoxButton", 2, 2110);
    host.Click(Screen(25, 24));
    EXPECT_EQ(check.GetCheck(), 1);
    Paint();
    EXPECT_EQ(Shown(), State(1));
    host.Advance(1000);  // not a double-click
    host.Click(Screen(25, 24));
    EXPECT_EQ(check.GetCheck(), 0);

    const auto commands = parent.Received(platform::WM_COMMAND);
    ASSERT_EQ(commands.size(), 2u);
    for (const platform::Message& m : commands) {
        EXPECT_EQ(m.wParam, 2110u);
        EXPECT_EQ(m.lParam, 0);
    }
}

TEST_F(ButtonTest, RadioSelectsItselfAndClearsItsGroupOnly)
{
    // Group one: 2201 (starts it), 2202, 2203; group two: 2204.
    CRadioBoxButton first, second, third, other;
    ASSERT_TRUE(first.CreateEx("RadioBoxButton", "", kChild | WS_GROUP, Rect{0, 50, 10, 60}, &parent, 2201));
    ASSERT_TRUE(second.CreateEx("RadioBoxButton", "", kChild, Rect{20, 50, 30, 60}, &parent, 2202));
    ASSERT_TRUE(third.CreateEx("RadioBoxButton", "", kChild, Rect{40, 50, 50, 60}, &parent, 2203));
    ASSERT_TRUE(other.CreateEx("RadioBoxButton", "", kChild | WS_GROUP, Rect{60, 50, 70, 60}, &parent, 2204));
    first.SetCheck(1);
    third.SetCheck(1);
    other.SetCheck(1);

    host.Click(Screen(25, 55));
    EXPECT_EQ(second.GetCheck(), 1);
    EXPECT_EQ(first.GetCheck(), 0);
    EXPECT_EQ(third.GetCheck(), 0);
    EXPECT_EQ(other.GetCheck(), 1);

    const auto selected = parent.Received(WM_RADIOBOX_SELECTED);
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(selected[0].wParam, 2202u);
    EXPECT_EQ(selected[0].lParam, 0);
    EXPECT_TRUE(parent.Received(platform::WM_COMMAND).empty());
}

TEST_F(ButtonTest, RadioAloneInItsGroupStillNotifies)
{
    CRadioBoxButton alone, next;
    ASSERT_TRUE(alone.CreateEx("RadioBoxButton", "", kChild | WS_GROUP, Rect{0, 50, 10, 60}, &parent, 2301));
    ASSERT_TRUE(next.CreateEx("RadioBoxButton", "", kChild | WS_GROUP, Rect{20, 50, 30, 60}, &parent, 2302));
    next.SetCheck(1);
    host.Click(Screen(5, 55));
    EXPECT_EQ(alone.GetCheck(), 1);
    EXPECT_EQ(next.GetCheck(), 1);
    EXPECT_EQ(parent.Received(WM_RADIOBOX_SELECTED).size(), 1u);
}

TEST_F(ButtonTest, RadioWithoutIdSendsNothing)
{
    CRadioBoxButton radio;
    ASSERT_TRUE(radio.CreateEx("RadioBoxButton", "", kChild | WS_GROUP, Rect{0, 50, 10, 60}, &parent, 0));
    host.Click(Screen(5, 55));
    EXPECT_EQ(radio.GetCheck(), 1);
    EXPECT_TRUE(parent.Received(WM_RADIOBOX_SELECTED).empty());
}

} // namespace
