#pragma once
// A push button like CStandardButton under a class of its own; the layout
// frame gives it a tooltip with the control's description.
#include "skin/CStandardButton.h"

inline constexpr std::string_view kDriftButtonClass = "DriftButton";

class CDriftButton : public CStandardButton {
public:
    CDriftButton();
    static void RegisterWindowClass();
};
