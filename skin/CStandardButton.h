#pragma once
// The skinned push button: 2-, 4- or 5-state strips. A click reaches the
// parent as the platform button's own WM_COMMAND with BN_CLICKED.
#include "skin/CBasicButton.h"

inline constexpr std::string_view kStandardButtonClass = "StandardButton";

class CStandardButton : public CBasicButton {
public:
    CStandardButton();
    static void RegisterWindowClass();
};
