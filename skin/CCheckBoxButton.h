#pragma once
// A skinned check box: 2- or 8-state strips (four unchecked states, then
// four checked). A click toggles the check state and then sends the parent
// WM_COMMAND with the control id (code 0) and lParam 0; the platform
// button's own click notification is consumed. Its text does not sink
// while pressed.
#include "skin/CBasicButton.h"

inline constexpr std::string_view kCheckBoxButtonClass = "CheckBoxButton";

class CCheckBoxButton : public CBasicButton {
public:
    CCheckBoxButton();
    static void RegisterWindowClass();

protected:
    // The check-box state table (counts 2 and 8) and text that stays still
    // while pressed; the painting is otherwise that of every button.
    int ChooseStateIndex(const platform::DrawItemRequest& request) const override;
    bool TextSinksWhenPressed() const override { return false; }
    // Consumes the platform button's click: the parent hears of it only
    // through this button's own message.
    bool OnClicked() override;
};
