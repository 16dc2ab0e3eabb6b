// Dialog-level flows: Enter and Escape end a modal dialog, a caption press
// drags the window, a shaped window's cut pixels are not part of it, and a
// tooltip comes when the pointer rests on its tool.
#include <gtest/gtest.h>

#include "TestWindows.h"
#include "platform/Button.h"
#include "platform/Screenshot.h"
#include "platform/ScrollBar.h"
#include "platform/ToolTip.h"

using namespace platform;
using platform::testing::ClickAt;
using platform::testing::RecordingDialog;

namespace {

// A dialog that, like a borderless skinned one, drags itself by its top band.
class BandDragDialog : public Dialog {
public:
    int presses = 0;

protected:
    void OnLButtonDown(std::uint32_t, Point point) override {
        ++presses;
        if (point.y < 28) Send(WM_NCLBUTTONDOWN, HTCAPTION, PackPoint(point));
    }
};

TEST(DialogKeys, EnterAndEscapeEndTheModalLoop) {
    struct Case {
        int key;
        int result;
    };
    for (Case c : {Case{VK_RETURN, IDOK}, Case{VK_ESCAPE, IDCANCEL}}) {
        HeadlessHost host;
        Dialog dialog;
        host.Then([&] { host.KeyDown(c.key); });
        EXPECT_EQ(dialog.DoModal(), c.result) << "key " << c.key;
        EXPECT_FALSE(dialog.IsCreated()) << "the window is gone when DoModal returns";
    }
}

TEST(DialogKeys, KeysReachTheDialogThroughAFocusedChild) {
    HeadlessHost host;
    Dialog dialog;
    host.Then([&] {
        auto* button = dialog.CreateChild(std::make_unique<Button>(), Rect{10, 10, 60, 30}, WS_VISIBLE, 3);
        button->SetFocus();
        host.KeyDown(VK_ESCAPE);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(DialogKeys, ModalDialogOverAFocusedOwnerStillHearsEscape) {
    HeadlessHost host;
    Dialog owner;
    ASSERT_TRUE(owner.CreateModeless());
    auto* ownerButton = owner.CreateChild(std::make_unique<Button>(), Rect{10, 10, 60, 30}, WS_VISIBLE, 3);
    ownerButton->SetFocus();
    Dialog inner;
    host.Then([&] { host.KeyDown(VK_ESCAPE); });
    EXPECT_EQ(inner.DoModal(&owner), IDCANCEL);
    EXPECT_TRUE(owner.HasFocus()) << "the focus goes back to the owner";
}

TEST(DialogKeys, ModalLoopWithNothingLeftToDoEndsInsteadOfHanging) {
    HeadlessHost host;
    Dialog dialog;
    EXPECT_EQ(dialog.DoModal(), -1);
}

TEST(DialogKeys, OwnerIsDisabledWhileTheModalDialogRuns) {
    HeadlessHost host;
    Dialog owner;
    ASSERT_TRUE(owner.CreateModeless());
    Dialog inner;
    bool ownerEnabledInside = true;
    host.Then([&] {
        ownerEnabledInside = owner.IsEnabled();
        inner.EndDialog(IDOK);
    });
    EXPECT_EQ(inner.DoModal(&owner), IDOK);
    EXPECT_FALSE(ownerEnabledInside);
    EXPECT_TRUE(owner.IsEnabled());
}

TEST(CaptionDrag, PressInTheBandMovesTheWindowWithThePointer) {
    HeadlessHost host;
    BandDragDialog dialog;
    dialog.SetCreateParams(WS_POPUP | WS_VISIBLE, Rect{100, 100, 300, 250});
    ASSERT_TRUE(dialog.CreateModeless());
    host.PointerMove({150, 110});
    host.PointerButton(MouseButton::Left, true, {150, 110});
    host.PointerMove({170, 140});
    host.PointerMove({190, 160});
    host.PointerButton(MouseButton::Left, false, {190, 160});
    EXPECT_EQ(dialog.WindowRect(), (Rect{140, 150, 340, 300}));
    // Below the band nothing moves.
    host.PointerMove({200, 250});
    host.PointerButton(MouseButton::Left, true, {200, 250});
    host.PointerMove({220, 270});
    host.PointerButton(MouseButton::Left, false, {220, 270});
    EXPECT_EQ(dialog.WindowRect(), (Rect{140, 150, 340, 300}));
    EXPECT_EQ(dialog.presses, 2);
}

TEST(ShapedWindow, CutPixelsTakeNoInputAndAreTransparentInTheScreenshot) {
    HeadlessHost host;
    BandDragDialog dialog;
    dialog.SetCreateParams(WS_POPUP | WS_VISIBLE, Rect{0, 0, 100, 80});
    ASSERT_TRUE(dialog.CreateModeless());
    Region outline(Rect{0, 0, 100, 80});
    outline.Subtract(Rect{0, 0, 5, 1});  // the top-left corner, as a key-colour cut
    outline.Subtract(Rect{0, 1, 3, 2});
    dialog.SetRegion(outline);
    host.Pump();
    ClickAt(host, {1, 0});
    ClickAt(host, {2, 1});
    EXPECT_EQ(dialog.presses, 0) << "presses on cut pixels reach nothing";
    ClickAt(host, {5, 0});
    ClickAt(host, {3, 1});
    EXPECT_EQ(dialog.presses, 2);
    Bitmap shot = CaptureWindow(dialog);
    EXPECT_EQ(ArgbAlpha(shot.PixelAt(4, 0)), 0);
    EXPECT_EQ(ArgbAlpha(shot.PixelAt(2, 1)), 0);
    EXPECT_EQ(shot.PixelAt(5, 0), colors::Face);
    EXPECT_EQ(shot.PixelAt(0, 2), colors::Face);
}

TEST(ShapedWindow, RoundRectCutsOnlyTheCorners) {
    Region r = Region::RoundRect(Rect{0, 0, 51, 31}, 5, 5);
    EXPECT_FALSE(r.Contains({0, 0}));
    EXPECT_FALSE(r.Contains({50, 30}));
    EXPECT_TRUE(r.Contains({2, 0}));
    EXPECT_TRUE(r.Contains({0, 2}));
    EXPECT_TRUE(r.Contains({25, 15}));
    EXPECT_EQ(r.Bounds(), (Rect{0, 0, 51, 31}));
}

class ScrollBarTest : public ::testing::Test {
protected:
    struct Recorder : Dialog {
        std::vector<std::pair<int, int>> codes;
        void OnVScroll(int code, int position, Window*) override { codes.emplace_back(code, position); }
    };
    void SetUp() override {
        dialog.SetCreateParams(WS_POPUP | WS_VISIBLE, Rect{0, 0, 100, 200});
        ASSERT_TRUE(dialog.CreateModeless());
        bar = dialog.CreateChild(std::make_unique<ScrollBar>(), Rect{80, 0, 97, 170}, WS_VISIBLE | SBS_VERT, 1001);
        bar->SetScrollInfo({SIF_ALL, 0, 99, 10, 0, 0});
        host.Pump();
    }
    Point At(ScrollBar::Part part) const {
        Rect r = bar->PartRect(part);
        return bar->ClientToScreen(Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
    HeadlessHost host;
    Recorder dialog;
    ScrollBar* bar = nullptr;
};

TEST_F(ScrollBarTest, PositionIsClampedToTheLastFullPage) {
    EXPECT_EQ(bar->SetPosition(500), 90);
    EXPECT_EQ(bar->SetPosition(-5), 0);
}

TEST_F(ScrollBarTest, HeldArrowRepeatsUntilReleased) {
    host.PointerMove(At(ScrollBar::Part::ArrowForward));
    host.PointerButton(MouseButton::Left, true, At(ScrollBar::Part::ArrowForward));
    host.Advance(400 + 3 * 50);
    host.PointerButton(MouseButton::Left, false, At(ScrollBar::Part::ArrowForward));
    host.Advance(1000);
    std::vector<std::pair<int, int>> expected(5, {SB_LINEDOWN, 0});
    expected.emplace_back(SB_ENDSCROLL, 0);
    EXPECT_EQ(dialog.codes, expected);
}

TEST_F(ScrollBarTest, ThumbDragReportsTrackPositionsThenTheFinalPosition) {
    Point start = At(ScrollBar::Part::Thumb);
    host.PointerMove(start);
    host.PointerButton(MouseButton::Left, true, start);
    Point end{start.x, start.y + 2000};  // far below: clamped to the end
    host.PointerMove(end);
    host.PointerButton(MouseButton::Left, false, end);
    ASSERT_GE(dialog.codes.size(), 3u);
    EXPECT_EQ(dialog.codes[dialog.codes.size() - 3], std::make_pair(SB_THUMBTRACK, 90));
    EXPECT_EQ(dialog.codes[dialog.codes.size() - 2], std::make_pair(SB_THUMBPOSITION, 90));
    EXPECT_EQ(dialog.codes.back().first, SB_ENDSCROLL);
    EXPECT_EQ(bar->Position(), 0) << "the owner, not the bar, moves the position";
}

TEST_F(ScrollBarTest, PagePressBelowTheThumbPagesDown) {
    ClickAt(host, At(ScrollBar::Part::PageForward));
    ASSERT_FALSE(dialog.codes.empty());
    EXPECT_EQ(dialog.codes.front().first, SB_PAGEDOWN);
}

TEST(ToolTipFlow, ShowsAfterTheRestAndHidesOnLeave) {
    HeadlessHost host;
    Dialog dialog;
    dialog.SetCreateParams(WS_POPUP | WS_VISIBLE, Rect{0, 0, 300, 200});
    ASSERT_TRUE(dialog.CreateModeless());
    auto* tool = dialog.CreateChild(std::make_unique<Button>(), Rect{10, 10, 90, 40}, WS_VISIBLE, 1);
    ToolTip tip;
    ASSERT_TRUE(tip.Create(tool));
    tip.AddTool(*tool, "Refresh the list");
    host.PointerMove({20, 20});
    host.Advance(ToolTip::kInitialDelayMs - 10);
    EXPECT_FALSE(tip.IsShowing());
    host.Advance(20);
    ASSERT_TRUE(tip.IsShowing());
    EXPECT_EQ(tip.ShownText(), "Refresh the list");
    EXPECT_EQ(tip.RectInParent().top, 20 + ToolTip::kPointerGap);
    host.PointerMove({200, 150});
    host.Pump();
    EXPECT_FALSE(tip.IsShowing());
    EXPECT_NE(dialog.BackStore()->PixelAt(20, 50), colors::InfoBackground) << "the hidden tip was painted over";
}

}  // namespace
