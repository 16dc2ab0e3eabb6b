#pragma once
// Push button. The button itself owns its behaviour: it looks pressed while
// the left button is held over it, clicks when released inside, and then
// tells its parent WM_COMMAND / BN_CLICKED. A disabled button ignores the
// mouse. With the BS_OWNERDRAW type it does not draw itself: its paint asks
// the parent with WM_DRAWITEM (pressed and disabled bits in the request),
// and the parent's default handling hands the request back to DrawItem,
// which a skinned button overrides.
#include "platform/Window.h"

namespace platform {

class Button : public Window {
public:
    Button() = default;

    bool IsOwnerDraw() const { return (GetStyle() & BS_TYPEMASK) == BS_OWNERDRAW; }
    // Held down with the pointer over it: the pressed look.
    bool IsPressed() const { return pressed_; }
    int GetCheck() { return static_cast<int>(Send(BM_GETCHECK)); }
    void SetCheck(int state) { Send(BM_SETCHECK, static_cast<std::uintptr_t>(state)); }

    std::intptr_t HandleMessage(const Message& message) override;

protected:
    // BM_SETCHECK and BM_GETCHECK; the stock button stores the state.
    virtual std::intptr_t OnSetCheck(int state);
    virtual std::intptr_t OnGetCheck() { return check_; }
    // The click, seen by the button before its parent; return true to keep
    // it from the parent (no WM_COMMAND is sent then).
    virtual bool OnClicked() { return false; }
    // The stock look of a button that is not owner-drawn.
    virtual void PaintStock(DeviceContext& dc);

    void OnPaint(DeviceContext& dc) override;
    void OnLButtonDown(std::uint32_t flags, Point point) override;
    void OnLButtonDblClk(std::uint32_t flags, Point point) override { OnLButtonDown(flags, point); }
    void OnMouseMove(std::uint32_t flags, Point point) override;
    void OnLButtonUp(std::uint32_t flags, Point point) override;
    bool OnKeyDown(int key, std::uint32_t flags) override;
    void OnEnable(bool enabled) override;
    void OnSetText(std::string_view text) override;
    void OnKillFocus() override;
    std::string_view DefaultClassName() const override { return classes::Button; }

private:
    void Click();
    bool held_ = false;
    bool pressed_ = false;
    int check_ = BST_UNCHECKED;
};

}  // namespace platform
