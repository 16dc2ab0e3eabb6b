#pragma once
// Base of the skinned buttons: an owner-drawn platform push button with
// drawing properties. The platform button owns press, hover and click; this
// class only draws, from the owner-draw request (pressed, disabled), its
// own hover tracking and a check state it keeps itself (the platform
// button's own check state is not used).
#include <cstdint>

#include "core/Bool.h"
#include "platform/Button.h"
#include "skin/ButtonStateIndex.h"
#include "skin/CBasicPropertyFrame.h"

// How long the pointer must rest before the hover picture shows.
inline constexpr int kButtonHoverMs = 1;

class CBasicButton : public platform::Button, public CBasicPropertyFrame {
public:
    CBasicButton();
    ~CBasicButton() override;

    // Kept for derived buttons; nothing overrides them.
    virtual void OnMouseMoveHook(std::uint32_t flags, platform::Point point);
    virtual void OnMouseLeaveHook();
    virtual void OnMouseHoverHook(std::uint32_t flags, platform::Point point);
    // Paints the whole button off-screen: background layers, the state
    // picture, the text; then one copy into the request's context.
    virtual void DrawButton(platform::DrawItemRequest& request);
    virtual void DrawButtonText(platform::Graphics& g, platform::DrawItemRequest& request);

    // The owner-draw entry: forwards to DrawButton.
    void DrawItem(platform::DrawItemRequest& request) override;

    // Both texts: the window's own (one argument) and the drawn one with its
    // offset (three).
    using platform::Button::SetText;
    using CBasicPropertyFrame::SetText;

    BOOL m_bHover = FALSE;
    BOOL m_bChecked = FALSE;

protected:
    // Every skinned button is owner-drawn, whatever style the layout gives:
    // the owner-draw type is ORed in before the window is made, so the low
    // four bits read 0xB for every style keyword a layout can use.
    platform::Style PreCreateStyle(platform::Style style) const override;
    void OnMouseMove(std::uint32_t flags, platform::Point point) override;
    void OnMouseHover(std::uint32_t flags, platform::Point point) override;
    void OnMouseLeave() override;
    // BM_SETCHECK: checked for BST_CHECKED and BST_INDETERMINATE, unchecked
    // for anything else; BM_GETCHECK then gives 0 or 1, never 2.
    std::intptr_t OnSetCheck(int state) override;
    std::intptr_t OnGetCheck() override;

    // The visual state of the request for the state table.
    ButtonVisualState VisualState(const platform::DrawItemRequest& request) const;
    // The state picture for the strip's count (push-button table here).
    virtual int ChooseStateIndex(const platform::DrawItemRequest& request) const;
    // Whether pressed text sinks by a pixel (check boxes keep it still).
    virtual bool TextSinksWhenPressed() const { return true; }

    // Registers a button window class under its own name, with the hand
    // cursor, making objects with `factory`; a second registration of the
    // same name changes nothing.
    static void RegisterButtonClass(std::string_view className,
                                    std::function<std::unique_ptr<platform::Window>()> factory);
};
