// Message flows through the window tree on the headless host: creation,
// input routing, capture, hover and leave, timers, posting, painting order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Button.h"
#include "platform/Dialog.h"
#include "platform/Graphics.h"
#include "platform/HeadlessHost.h"
#include "platform/Window.h"

using namespace platform;

namespace {

// A child window that records what reaches it and paints one colour.
class Recorder : public Window {
public:
    explicit Recorder(Argb color = 0xFF00FF00) : color_(color) {}
    std::vector<std::string> log;
    int paints = 0;
    bool trackOnMove = false;

protected:
    void OnPaint(DeviceContext& dc) override {
        ++paints;
        Graphics g(dc);
        g.FillRectangle(color_, ClientRect());
    }
    void OnMouseMove(std::uint32_t, Point p) override {
        log.push_back("move " + std::to_string(p.x) + "," + std::to_string(p.y));
        // Asks once per visit, as a hover-highlighting control does.
        if (trackOnMove && !tracking_) tracking_ = TrackMouse(TME_HOVER | TME_LEAVE, 1);
    }
    void OnLButtonDown(std::uint32_t, Point p) override {
        log.push_back("down " + std::to_string(p.x) + "," + std::to_string(p.y));
    }
    void OnLButtonUp(std::uint32_t, Point) override { log.push_back("up"); }
    void OnMouseHover(std::uint32_t, Point) override { log.push_back("hover"); }
    void OnMouseLeave() override {
        tracking_ = false;
        log.push_back("leave");
    }
    void OnTimer(std::uintptr_t id) override { log.push_back("timer " + std::to_string(id)); }

private:
    Argb color_;
    bool tracking_ = false;
};

class WindowTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.SetCreateParams(WS_POPUP | WS_VISIBLE, Rect{100, 50, 300, 250});
        ASSERT_TRUE(dialog.CreateModeless());
        child = dialog.CreateChild(std::make_unique<Recorder>(), Rect{10, 20, 60, 50}, WS_VISIBLE, 7);
        ASSERT_NE(child, nullptr);
        host.Pump();
    }
    Point OnChild(int x, int y) { return child->ClientToScreen(Point{x, y}); }

    HeadlessHost host;
    Dialog dialog;
    Recorder* child = nullptr;
};

TEST_F(WindowTreeTest, CoordinatesAndLookupFollowTheTree) {
    EXPECT_EQ(child->WindowRect(), (Rect{110, 70, 160, 100}));
    EXPECT_EQ(child->ClientRect(), (Rect{0, 0, 50, 30}));
    EXPECT_EQ(dialog.ScreenToClient(Point{115, 75}), (Point{15, 25}));
    EXPECT_EQ(dialog.FindChild(7), child);
    EXPECT_EQ(dialog.FindChild(8), nullptr);
}

TEST_F(WindowTreeTest, PressGoesToTheWindowUnderThePointerAndCaptureKeepsTheRelease) {
    host.PointerMove(OnChild(5, 6));
    host.PointerButton(MouseButton::Left, true, OnChild(5, 6));
    child->SetCapture();
    // Released far outside: with capture the child still hears it, in its
    // own coordinates.
    host.PointerMove(Point{400, 400});
    host.PointerButton(MouseButton::Left, false, Point{400, 400});
    EXPECT_EQ(child->log, (std::vector<std::string>{"move 5,6", "down 5,6", "move 290,330", "up"}));
    EXPECT_TRUE(child->HasFocus());
}

TEST_F(WindowTreeTest, HoverAndLeaveArriveOnceEach) {
    child->trackOnMove = true;
    host.PointerMove(OnChild(5, 5));
    host.Advance(5);
    host.PointerMove(OnChild(6, 5));  // within the hover slop: no second hover
    host.Advance(5);
    host.PointerMove(Point{105, 55});  // onto the dialog
    host.Pump();
    host.PointerMove(Point{106, 55});
    host.Advance(5);
    EXPECT_EQ(std::count(child->log.begin(), child->log.end(), "hover"), 1);
    EXPECT_EQ(std::count(child->log.begin(), child->log.end(), "leave"), 1);
}

TEST_F(WindowTreeTest, TimersTickAtTheirPeriodUntilKilled) {
    child->SetTimer(1, 1000);
    host.Advance(3500);
    child->KillTimer(1);
    host.Advance(3000);
    EXPECT_EQ(child->log, (std::vector<std::string>{"timer 1", "timer 1", "timer 1"}));
}

TEST_F(WindowTreeTest, DisabledWindowsGetNoInput) {
    child->Enable(false);
    host.Click(OnChild(5, 5));
    EXPECT_TRUE(child->log.empty());
    dialog.Enable(false);
    child->Enable(true);
    host.Click(OnChild(5, 5));
    EXPECT_TRUE(child->log.empty()) << "a child of a disabled window is disabled too";
}

TEST_F(WindowTreeTest, PostedMessagesWaitForTheLoopAndDropWhenTheWindowIsGone) {
    child->Post(WM_TIMER, 9);
    EXPECT_TRUE(child->log.empty());
    host.Pump();
    EXPECT_EQ(child->log, (std::vector<std::string>{"timer 9"}));
    child->Post(WM_TIMER, 9);
    child->Destroy();
    host.Pump();  // must not touch the deleted child
    EXPECT_EQ(dialog.FindChild(7), nullptr);
}

TEST_F(WindowTreeTest, InvalidatingAParentRepaintsItsChildrenOverIt) {
    const Bitmap& store = *dialog.BackStore();
    EXPECT_EQ(store.PixelAt(10, 20), 0xFF00FF00u);
    EXPECT_EQ(store.PixelAt(9, 20), colors::Face);
    int before = child->paints;
    dialog.Invalidate();
    host.Pump();
    EXPECT_EQ(child->paints, before + 1);
    EXPECT_EQ(store.PixelAt(10, 20), 0xFF00FF00u);
    // Invalidating only the child leaves the parent alone.
    child->Invalidate();
    host.Pump();
    EXPECT_EQ(child->paints, before + 2);
}

// A dialog whose button destroys the whole dialog from inside the click.
class SelfClosingDialog : public Dialog {
public:
    bool destroyed = false;

protected:
    bool OnCommand(int id, int, Window*) override {
        if (id == 5) Destroy();
        return true;
    }
    void OnDestroy() override { destroyed = true; }
};

TEST(WindowLifetime, ButtonThatDestroysItsDialogFromTheClickIsSafe) {
    HeadlessHost host;
    SelfClosingDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless());
    auto* button = dialog.CreateChild(std::make_unique<Button>(), Rect{10, 10, 60, 30}, WS_VISIBLE, 5);
    Point p = button->ClientToScreen(Point{5, 5});
    host.PointerMove(p);
    host.PointerButton(MouseButton::Left, true, p);
    host.PointerButton(MouseButton::Left, false, p);
    host.Pump();
    EXPECT_TRUE(dialog.destroyed);
    EXPECT_FALSE(dialog.IsCreated());
    EXPECT_TRUE(dialog.Children().empty());
    // Input to where the dialog was reaches nothing and does not crash.
    host.PointerMove(p);
    host.Pump();
}

TEST(WindowLifetime, DeletingAParentObjectDestroysTheWindowsOfItsChildren) {
    HeadlessHost host;
    Window child;
    {
        Dialog dialog;
        ASSERT_TRUE(dialog.CreateModeless());
        ASSERT_TRUE(child.Create(&dialog, Rect{0, 0, 10, 10}, WS_CHILD | WS_VISIBLE));
        EXPECT_EQ(child.Parent(), &dialog);
    }
    EXPECT_FALSE(child.IsCreated()) << "the caller's object survives, its window does not";
    EXPECT_EQ(child.Parent(), nullptr);
}

// A dialog that answers the control-colour request for its own background.
class ColouredDialog : public Dialog {
protected:
    std::optional<Argb> OnCtlColor(DeviceContext&, Window* control, int kind) override {
        if (control == this && kind == CTLCOLOR_DLG) return 0xFF336699;
        return std::nullopt;
    }
};

TEST(WindowPainting, DialogBackgroundComesFromItsControlColourAnswer) {
    HeadlessHost host;
    ColouredDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless());
    host.Pump();
    EXPECT_EQ(dialog.BackStore()->PixelAt(5, 5), 0xFF336699u);
}

}  // namespace
