#include <gtest/gtest.h>

#include "platform/Bitmap.h"
#include "skin/CShowTaskListCtrl.h"
#include "skin/SkinMessages.h"
#include "tests/skin/SkinTestSupport.h"

namespace {

using platform::MouseButton;
using platform::Point;
using platform::Rect;
using skintest::PixelOf;

constexpr platform::Style kList = platform::WS_CHILD | platform::WS_VISIBLE | platform::LVS_REPORT;

// A task list filling the 300 x 200 parent, seven columns of 40 pixels
// (280, narrower than the client less a scroll bar), rows of 30 under a
// 20-pixel header.
class TaskListCtrlTest : public skintest::SkinWindowTest {
protected:
    void SetUp() override
    {
        SkinWindowTest::SetUp();
        ASSERT_TRUE(list.Create(&parent, Rect{0, 0, 300, 200}, kList, 2200));
        for (int column = 0; column < 7; ++column) {
            list.InsertColumn(column, "C" + std::to_string(column), platform::LVCFMT_LEFT, 40);
        }
        list.SetTextFont("DejaVu Sans", 12);
    }
    void AddRows(int count)
    {
        for (int row = 0; row < count; ++row) {
            list.InsertItem(row, "row " + std::to_string(row));
            list.SetItemText(row, 2, "R");
        }
        list.UpdateScrollBars();
        Paint();
    }
    std::vector<bool> Selected() const
    {
        std::vector<bool> selected;
        for (int row = 0; row < list.GetItemCount(); ++row) {
            selected.push_back(list.GetItemState(row, platform::LVIS_SELECTED) != 0);
        }
        return selected;
    }
    // Press and release at a client point of the list.
    void Click(int x, int y, std::uint32_t keys = 0, MouseButton button = MouseButton::Left)
    {
        host.PointerButton(button, true, Screen(x, y), keys);
        host.PointerButton(button, false, Screen(x, y), keys);
        host.Advance(600);  // never a double-click
    }

    CShowTaskListCtrl list;
};

using Rows = std::vector<bool>;

TEST_F(TaskListCtrlTest, HitTestsFollowATallSingleSelection)
{
    list.m_nSelRowHeight = 50;
    AddRows(5);
    Click(10, 85);  // row 2 (20 + 2 * 30 = 80 .. 109)
    EXPECT_EQ(Selected(), (Rows{false, false, true, false, false}));
    // Row 2 is now 50 high: 80 .. 129, and row 3 starts at 130.
    EXPECT_EQ(list.HitTestRow(Point{10, 125}), 2);
    EXPECT_EQ(list.HitTestRow(Point{10, 130}), 3);
    EXPECT_EQ(list.HitTestRow(Point{10, 79}), 1);
    EXPECT_EQ(list.HitTestRow(Point{10, 10}), kNoRow);   // the header band
    EXPECT_EQ(list.HitTestRow(Point{10, 199}), kNoRow);  // below the five rows (they end at 189)
    Click(10, 125);
    EXPECT_EQ(Selected(), (Rows{false, false, true, false, false}));
    Click(10, 135);
    EXPECT_EQ(Selected(), (Rows{false, false, false, true, false}));
}

TEST_F(TaskListCtrlTest, ShiftClickWithoutAnchorSelectsOnlyTheRow)
{
    AddRows(5);
    Click(10, 85, platform::MK_SHIFT);
    EXPECT_EQ(Selected(), (Rows{false, false, true, false, false}));
}

TEST_F(TaskListCtrlTest, CtrlClickDeselectsAndMovesTheAnchor)
{
    AddRows(5);
    Click(10, 55);                       // row 1
    Click(10, 115, platform::MK_CONTROL);  // row 3 added
    EXPECT_EQ(Selected(), (Rows{false, true, false, true, false}));
    Click(10, 55, platform::MK_CONTROL);   // row 1 off, anchor row 1
    EXPECT_EQ(Selected(), (Rows{false, false, false, true, false}));
    Click(10, 145, platform::MK_SHIFT);    // rows 1 .. 4 from the anchor
    EXPECT_EQ(Selected(), (Rows{false, true, true, true, true}));
}

TEST_F(TaskListCtrlTest, RightPressKeepsASelectionAndNotifiesOnRelease)
{
    AddRows(5);
    Click(10, 55);
    Click(10, 115, platform::MK_CONTROL);
    Click(10, 115, 0, MouseButton::Right);
    EXPECT_EQ(Selected(), (Rows{false, true, false, true, false}));
    Click(10, 25, 0, MouseButton::Right);
    EXPECT_EQ(Selected(), (Rows{true, false, false, false, false}));

    const auto released = parent.Received(WM_TASKLIST_RBUTTONUP);
    ASSERT_EQ(released.size(), 2u);
    EXPECT_EQ(released[0].wParam, 2200u);
    EXPECT_EQ(released[0].lParam, 0);
}

TEST_F(TaskListCtrlTest, PressBelowTheRowsClearsAndStartsABand)
{
    AddRows(4);  // rows end at 139
    Click(10, 55);
    host.PointerButton(MouseButton::Left, true, Screen(100, 170));
    EXPECT_EQ(Selected(), (Rows{false, false, false, false}));
    EXPECT_TRUE(list.m_bBandActive);
    host.PointerMove(Screen(150, 60));
    host.PointerButton(MouseButton::Left, false, Screen(150, 60));
    // The band from y 60 to 170 touches rows 1, 2 and 3.
    EXPECT_EQ(Selected(), (Rows{false, true, true, true}));
    EXPECT_FALSE(list.m_bBandActive);
}

TEST_F(TaskListCtrlTest, TallContentShowsOnlyTheVerticalBar)
{
    AddRows(10);
    EXPECT_TRUE(list.m_wndVScroll.IsVisible());
    EXPECT_FALSE(list.m_wndHScroll.IsVisible());
    const platform::ScrollInfo info = list.m_wndVScroll.GetScrollInfo();
    EXPECT_EQ(info.max, 300);
    EXPECT_EQ(info.page, 164);
    EXPECT_EQ(list.m_wndVScroll.RectInParent(), (Rect{284, 20, 300, 200}));
    // A wheel notch scrolls 120 pixels: row 4 now lies where row 0 was.
    host.PointerWheel(-120, Screen(100, 100));
    EXPECT_EQ(list.VerticalPosition(), 120);
    EXPECT_EQ(list.HitTestRow(Point{10, 25}), 4);
}

TEST_F(TaskListCtrlTest, EmptiedListStartsAgainAtTheTop)
{
    AddRows(10);
    host.PointerWheel(-120, Screen(100, 100));
    ASSERT_EQ(list.VerticalPosition(), 120);
    list.DeleteAllItems();
    list.UpdateScrollBars();
    list.InsertItem(0, "new");
    EXPECT_EQ(list.HitTestRow(Point{10, 25}), 0);
}

TEST_F(TaskListCtrlTest, ProgressCellFillsItsShareOfTheBar)
{
    platform::Bitmap bar(100, 20);
    bar.Clear(0xFF808080);
    platform::Bitmap fill(100, 20);
    fill.Clear(0xFF00A000);
    const std::string barPath = skintest::TestFolder() + "/bar.png";
    const std::string fillPath = skintest::TestFolder() + "/fill.png";
    ASSERT_TRUE(bar.SavePng(barPath));
    ASSERT_TRUE(fill.SavePng(fillPath));
    // Column 6 from x = 120, 150 wide.
    for (int column = 0; column < 6; ++column) {
        list.SetColumnWidth(column, 20);
    }
    list.SetColumnWidth(6, 150);
    list.SetProgressBar(barPath, fillPath, 10, 5, 100, 20);
    list.InsertItem(0, "job");
    list.SetItemText(0, 2, "J");
    list.SetItemText(0, 5, "42");
    list.SetItemText(0, 6, "ignored for a job");
    Paint();
    // Row 0 from y 20: the bar covers x 130 .. 229, y 25 .. 44; 42 pixels filled.
    EXPECT_EQ(PixelOf(parent, 130, 25), 0xFF00A000u);
    EXPECT_EQ(PixelOf(parent, 171, 25), 0xFF00A000u);
    EXPECT_EQ(PixelOf(parent, 172, 25), 0xFF808080u);
    EXPECT_EQ(PixelOf(parent, 229, 44), 0xFF808080u);
}

class TaskListTipTest : public TaskListCtrlTest {
protected:
    void SetUp() override
    {
        TaskListCtrlTest::SetUp();
        AddRows(3);
        // Column 0 is 40 pixels wide: this text needs several lines.
        list.SetItemText(0, 0, "a long task name that wraps");
        list.SetItemText(1, 0, "ok");
    }
    void RestOn(int x, int y)
    {
        host.PointerMove(Screen(x, y));
        host.Pump();
    }
};

TEST_F(TaskListTipTest, ShownAfter500msOnlyForTextOfTwoLines)
{
    RestOn(10, 30);  // row 0, column 0
    host.Advance(499);
    EXPECT_FALSE(list.IsTipShowing());
    host.Advance(1);
    ASSERT_TRUE(list.IsTipShowing());
    // 21 pixels below the pointer.
    EXPECT_EQ(list.m_wndTip.RectInParent().TopLeft(), (Point{10, 51}));
    EXPECT_EQ(*list.m_wndTip.m_strText, "a long task name that wraps");

    // Row 1, on the tip itself, which lets the pointer through: "ok" fits
    // on one line, so no tip follows.
    RestOn(12, 60);
    host.Advance(600);
    EXPECT_FALSE(list.IsTipShowing());
}

TEST_F(TaskListTipTest, HiddenAfterFiveSeconds)
{
    RestOn(10, 30);
    host.Advance(500);
    ASSERT_TRUE(list.IsTipShowing());
    host.Advance(4990);
    EXPECT_TRUE(list.IsTipShowing());
    host.Advance(20);
    EXPECT_FALSE(list.IsTipShowing());
}

TEST_F(TaskListTipTest, HiddenOnWheel)
{
    RestOn(10, 30);
    host.Advance(500);
    ASSERT_TRUE(list.IsTipShowing());
    host.PointerWheel(-120, Screen(10, 30));
    EXPECT_FALSE(list.IsTipShowing());
}

TEST_F(TaskListTipTest, HiddenWhenThePointerLeavesTheRows)
{
    RestOn(10, 30);
    host.Advance(500);
    ASSERT_TRUE(list.IsTipShowing());
    RestOn(10, 150);  // below the three rows
    EXPECT_FALSE(list.IsTipShowing());
}

} // namespace
