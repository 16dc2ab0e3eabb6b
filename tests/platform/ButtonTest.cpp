// The push button's behaviour apart from its look: click, drag-out, disabled,
// the owner-draw request, check state and class-name creation.
#include <gtest/gtest.h>

#include "TestWindows.h"
#include "platform/Button.h"
#include "platform/WindowClass.h"

using namespace platform;
using platform::testing::ClickAt;
using platform::testing::RecordingDialog;

namespace {

// Records every owner-draw request it is handed.
class OwnerDrawnButton : public Button {
public:
    std::vector<std::uint32_t> states;
    int clicksKept = 0;
    bool keepClicks = false;
    void DrawItem(DrawItemRequest& request) override { states.push_back(request.itemState); }

protected:
    bool OnClicked() override {
        if (keepClicks) ++clicksKept;
        return keepClicks;
    }
};

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.SetCreateParams(WS_POPUP | WS_VISIBLE, Rect{0, 0, 200, 100});
        ASSERT_TRUE(dialog.CreateModeless());
        button = dialog.CreateChild(std::make_unique<OwnerDrawnButton>(), Rect{10, 10, 90, 33},
                                    WS_VISIBLE | BS_OWNERDRAW, 2107);
        host.Pump();
    }
    Point Inside() const { return button->ClientToScreen(Point{40, 10}); }
    Point Outside() const { return Point{150, 80}; }

    HeadlessHost host;
    RecordingDialog dialog;
    OwnerDrawnButton* button = nullptr;
};

TEST_F(ButtonTest, ReleaseInsideClicksOnceWithTheControlId) {
    ClickAt(host, Inside());
    ASSERT_EQ(dialog.commands.size(), 1u);
    EXPECT_EQ(dialog.commands[0].id, 2107);
    EXPECT_EQ(dialog.commands[0].code, BN_CLICKED);
    EXPECT_EQ(dialog.commands[0].from, button);
}

TEST_F(ButtonTest, PressDragOutAndReleaseDoesNotClickButDraggingBackDoes) {
    host.PointerMove(Inside());
    host.PointerButton(MouseButton::Left, true, Inside());
    host.Pump();
    EXPECT_TRUE(button->IsPressed());
    host.PointerMove(Outside());
    host.Pump();
    EXPECT_FALSE(button->IsPressed()) << "the pressed look follows the pointer";
    host.PointerButton(MouseButton::Left, false, Outside());
    host.Pump();
    EXPECT_TRUE(dialog.commands.empty());

    host.PointerMove(Inside());
    host.PointerButton(MouseButton::Left, true, Inside());
    host.PointerMove(Outside());
    host.PointerMove(Inside());
    host.PointerButton(MouseButton::Left, false, Inside());
    host.Pump();
    EXPECT_EQ(dialog.commands.size(), 1u);
}

TEST_F(ButtonTest, DisabledButtonIgnoresTheMouseAndDrawsDisabled) {
    button->Enable(false);
    ClickAt(host, Inside());
    EXPECT_TRUE(dialog.commands.empty());
    EXPECT_FALSE(button->IsPressed());
    ASSERT_FALSE(button->states.empty());
    EXPECT_EQ(button->states.back() & (ODS_DISABLED | ODS_SELECTED), ODS_DISABLED);
}

TEST_F(ButtonTest, OwnerDrawRequestCarriesThePressedBitWhileHeld) {
    button->states.clear();
    host.PointerMove(Inside());
    host.PointerButton(MouseButton::Left, true, Inside());
    host.Pump();
    ASSERT_FALSE(button->states.empty());
    EXPECT_TRUE(button->states.back() & ODS_SELECTED);
    host.PointerButton(MouseButton::Left, false, Inside());
    host.Pump();
    EXPECT_FALSE(button->states.back() & ODS_SELECTED);
}

TEST_F(ButtonTest, ClickKeptByTheButtonNeverReachesTheParent) {
    button->keepClicks = true;
    ClickAt(host, Inside());
    EXPECT_EQ(button->clicksKept, 1);
    EXPECT_TRUE(dialog.commands.empty());
}

TEST_F(ButtonTest, CheckStateTravelsByMessage) {
    EXPECT_EQ(button->Send(BM_GETCHECK), BST_UNCHECKED);
    button->Send(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(button->GetCheck(), BST_CHECKED);
}

TEST_F(ButtonTest, ClassesAreMadeAndCreatedByName) {
    ASSERT_TRUE(WindowClassRegistry::Register({"TestHandButton", Cursor::Hand, [] { return std::make_unique<Button>(); }}));
    EXPECT_FALSE(WindowClassRegistry::Register({"TestHandButton", Cursor::Arrow, {}})) << "a second registration is refused";
    std::unique_ptr<Window> made = WindowClassRegistry::Make("TestHandButton");
    ASSERT_NE(made, nullptr);
    Button plain;
    ASSERT_TRUE(plain.CreateEx("TestHandButton", "", WS_CHILD | WS_VISIBLE, Rect{0, 0, 10, 10}, &dialog, 5));
    EXPECT_EQ(plain.GetCursor(), Cursor::Hand);
    EXPECT_EQ(plain.ClassName(), "TestHandButton");
    Button unknown;
    EXPECT_FALSE(unknown.CreateEx("NoSuchClass", "", WS_CHILD, Rect{0, 0, 10, 10}, &dialog, 6));
}

}  // namespace
