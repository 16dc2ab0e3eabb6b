#pragma once
// A skinned radio button. A click checks it, unchecks every other button of
// its group in the parent, and sends the parent WM_RADIOBOX_SELECTED with
// its control id (when it has one); no WM_COMMAND reaches the parent.
#include "skin/CBasicButton.h"

inline constexpr std::string_view kRadioBoxButtonClass = "RadioBoxButton";

class CRadioBoxButton : public CBasicButton {
public:
    CRadioBoxButton();
    static void RegisterWindowClass();

protected:
    // Consumes the platform button's click: the parent hears of it only
    // through this button's own message.
    bool OnClicked() override;
};
