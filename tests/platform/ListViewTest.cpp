// The report list: selection by click and keys, notifications to the
// parent, scrolling by bar and wheel, the header a derived list takes over,
// and a derived list's non-client border.
#include <gtest/gtest.h>

#include "TestWindows.h"
#include "platform/Graphics.h"
#include "platform/ListView.h"

using namespace platform;
using platform::testing::ClickAt;
using platform::testing::RecordingDialog;

namespace {

class ListViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.SetCreateParams(WS_POPUP | WS_VISIBLE, Rect{0, 0, 400, 300});
        ASSERT_TRUE(dialog.CreateModeless());
        list = dialog.CreateChild(std::make_unique<ListView>(), Rect{10, 10, 330, 160}, WS_VISIBLE | LVS_REPORT, 2105);
        list->SetExtendedStyle(0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
        list->InsertColumn(0, "Name", LVCFMT_LEFT, 96);
        list->InsertColumn(1, "IP", LVCFMT_CENTER, 122);
        list->InsertColumn(2, "Type", LVCFMT_CENTER, 88);
    }
    void AddRows(int n) {
        for (int i = 0; i < n; ++i) {
            int row = list->InsertItem(list->GetItemCount(), "host" + std::to_string(i));
            list->SetItemText(row, 1, "198.18.0." + std::to_string(i));
        }
        host.Pump();
    }
    // Screen point in the middle of a row, in the given column's span.
    Point RowPoint(int row, int x = 150) const {
        Rect r = list->ItemRect(row);
        return list->ClientToScreen(Point{x, (r.top + r.bottom) / 2});
    }
    Point EmptyPoint() const { return list->ClientToScreen(Point{150, list->ClientRect().bottom - 3}); }

    HeadlessHost host;
    RecordingDialog dialog;
    ListView* list = nullptr;
};

TEST_F(ListViewTest, ClickSelectsTheRowAndNotifiesAfterTheSelectionChanged) {
    AddRows(3);
    ClickAt(host, RowPoint(1));
    ASSERT_EQ(dialog.notifications.size(), 1u);
    EXPECT_EQ(dialog.notifications[0].id, 2105);
    EXPECT_EQ(dialog.notifications[0].code, NM_CLICK);
    EXPECT_EQ(dialog.notifications[0].selectedWhenNotified, 1);
    EXPECT_EQ(list->GetSelectedCount(), 1);
}

TEST_F(ListViewTest, ClickOnEmptySpaceClearsTheSelectionAndStillNotifies) {
    AddRows(3);
    ClickAt(host, RowPoint(2));
    ClickAt(host, EmptyPoint());
    ASSERT_EQ(dialog.notifications.size(), 2u);
    EXPECT_EQ(dialog.notifications[1].code, NM_CLICK);
    EXPECT_EQ(dialog.notifications[1].item, -1);
    EXPECT_EQ(dialog.notifications[1].selectedWhenNotified, -1);
}

TEST_F(ListViewTest, DoubleClickSelectsAndNotifiesDoubleClickOnce) {
    AddRows(3);
    ClickAt(host, RowPoint(2));
    host.Advance(100);
    ClickAt(host, RowPoint(2));
    ASSERT_EQ(dialog.notifications.size(), 2u);
    EXPECT_EQ(dialog.notifications[0].code, NM_CLICK);
    EXPECT_EQ(dialog.notifications[1].code, NM_DBLCLK);
    EXPECT_EQ(dialog.notifications[1].item, 2);
    EXPECT_EQ(dialog.notifications[1].selectedWhenNotified, 2);
    // A third quick press starts a new click, not another double-click.
    host.Advance(100);
    ClickAt(host, RowPoint(2));
    EXPECT_EQ(dialog.notifications.back().code, NM_CLICK);
}

TEST_F(ListViewTest, SlowSecondClickIsTwoClicks) {
    AddRows(3);
    ClickAt(host, RowPoint(0));
    host.Advance(HeadlessHost::kDoubleClickMs + 1);
    ClickAt(host, RowPoint(0));
    ASSERT_EQ(dialog.notifications.size(), 2u);
    EXPECT_EQ(dialog.notifications[1].code, NM_CLICK);
}

TEST_F(ListViewTest, WithoutFullRowSelectOnlyTheFirstColumnSelects) {
    AddRows(3);
    list->SetExtendedStyle(LVS_EX_FULLROWSELECT, 0);
    ClickAt(host, RowPoint(1, 150));
    EXPECT_EQ(list->GetSelectedCount(), 0);
    ClickAt(host, RowPoint(1, 20));
    EXPECT_EQ(list->GetNextItem(-1, LVNI_SELECTED), 1);
}

TEST_F(ListViewTest, ScrollBarAppearsOnlyWhenRowsExceedTheHeight) {
    AddRows(3);
    EXPECT_FALSE(list->GetVerticalScrollBar()->IsVisible());
    AddRows(20);
    EXPECT_TRUE(list->GetVerticalScrollBar()->IsVisible());
    EXPECT_LT(list->RowsRect().right, list->ClientRect().right) << "the bar takes its room from the rows";
    list->DeleteAllItems();
    host.Pump();
    EXPECT_FALSE(list->GetVerticalScrollBar()->IsVisible());
}

TEST_F(ListViewTest, WheelScrollsThreeRowsANotchAndStopsAtTheEnds) {
    AddRows(20);
    Point over = RowPoint(2);
    host.PointerWheel(-120, over);
    EXPECT_EQ(list->TopIndex(), 3);
    EXPECT_EQ(list->GetVerticalScrollBar()->Position(), 3);
    host.PointerWheel(360, over);
    EXPECT_EQ(list->TopIndex(), 0);
    for (int i = 0; i < 20; ++i) host.PointerWheel(-120, over);
    int visible = list->RowsRect().Height() / list->RowHeight();
    EXPECT_EQ(list->TopIndex(), 20 - visible);
}

TEST_F(ListViewTest, ScrollBarArrowScrollsOneRow) {
    AddRows(20);
    ScrollBar* bar = list->GetVerticalScrollBar();
    Rect arrow = bar->PartRect(ScrollBar::Part::ArrowForward);
    ClickAt(host, bar->ClientToScreen(Point{arrow.left + 3, arrow.top + 3}));
    EXPECT_EQ(list->TopIndex(), 1);
}

TEST_F(ListViewTest, ArrowKeysMoveTheSelectionAndKeepItInView) {
    AddRows(20);
    ClickAt(host, RowPoint(0));
    host.KeyDown(VK_DOWN);
    host.KeyDown(VK_DOWN);
    EXPECT_EQ(list->GetNextItem(-1, LVNI_SELECTED), 2);
    host.KeyDown(VK_UP);
    EXPECT_EQ(list->GetNextItem(-1, LVNI_SELECTED), 1);
    host.KeyDown(VK_END);
    EXPECT_EQ(list->GetNextItem(-1, LVNI_SELECTED), 19);
    EXPECT_GT(list->TopIndex(), 0);
    EXPECT_EQ(list->GetSelectedCount(), 1);
}

TEST_F(ListViewTest, TextColourMessageColoursTheRows) {
    AddRows(1);
    list->Send(LVM_SETTEXTCOLOR, 0, MakeColorRef(0xFF, 0, 0));
    host.Pump();
    // Some pixel of the first row's text is pure red.
    Bitmap shot = list->Snapshot();
    Rect row = list->ItemRect(0);
    bool red = false;
    for (int y = row.top; y < row.bottom; ++y)
        for (int x = 0; x < 96; ++x) red = red || shot.PixelAt(x, y) == 0xFFFF0000u;
    EXPECT_TRUE(red);
}

// A header that scales the height the stock header asks for.
class ScaledHeader : public Header {
public:
    float scale = 0.5f;
    int layouts = 0;

protected:
    void OnLayout(HeaderLayout& layout) override {
        Header::OnLayout(layout);
        ++layouts;
        int height = static_cast<int>(scale * layout.header.Height());
        layout.header.bottom = layout.header.top + height;
        layout.area.top = layout.header.bottom;
    }
};

// A list that keeps its own header object and draws a 1-pixel border in
// its non-client area, and refuses any scroll bar.
class BorderedList : public ListView {
public:
    ScaledHeader header;

protected:
    int OnCreate() override {
        ListView::OnCreate();
        UseHeader(header);
        return 0;
    }
    void OnNcCalcSize(Rect& proposed) override {
        ModifyStyle(WS_VSCROLL, 0);
        proposed = proposed.Deflate(1);
    }
    void OnNcPaint(DeviceContext& windowDc) override {
        Graphics g(windowDc);
        Rect w = RectInParent();
        g.DrawRectangle(0xFF0000FF, 0, 0, w.Width() - 1, w.Height() - 1);
    }
};

TEST_F(ListViewTest, DerivedListTakesOverTheHeaderAndDrawsItsBorder) {
    auto* bordered = dialog.CreateChild(std::make_unique<BorderedList>(), Rect{10, 170, 330, 290}, WS_VISIBLE | LVS_REPORT, 9);
    bordered->InsertColumn(0, "A", LVCFMT_LEFT, 50);
    bordered->InsertColumn(1, "B", LVCFMT_LEFT, 60);
    for (int i = 0; i < 30; ++i) bordered->InsertItem(i, "row");
    host.Pump();
    EXPECT_EQ(bordered->GetHeader(), &bordered->header);
    EXPECT_EQ(bordered->header.GetItemCount(), 2) << "the columns moved into the new header";
    EXPECT_GT(bordered->header.layouts, 0);
    HeaderLayout stock = Header().Layout(Rect{0, 0, 100, 100});
    EXPECT_EQ(bordered->RowsRect().top, static_cast<int>(0.5f * stock.header.Height()));
    EXPECT_EQ(bordered->ClientRect(), (Rect{0, 0, 318, 118})) << "one pixel of border on every side";
    EXPECT_FALSE(bordered->GetVerticalScrollBar()->IsVisible()) << "the list refused the bar";
    const Bitmap& store = *dialog.BackStore();
    for (Point p : {Point{10, 170}, Point{329, 170}, Point{10, 289}, Point{329, 289}, Point{150, 170}, Point{10, 200}})
        EXPECT_EQ(store.PixelAt(p.x, p.y), 0xFF0000FFu) << p.x << "," << p.y;
    EXPECT_NE(store.PixelAt(11, 200), 0xFF0000FFu);
}

}  // namespace
