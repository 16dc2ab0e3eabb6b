#pragma once
// A display control that shows a state picture with word-wrapped text over
// it (the list title and the search hint of the main window).
#include "skin/CBasicCtrl.h"

inline constexpr std::string_view kShowTextImageCtrlClass = "ShowTextImageCtrl";

class CShowTextImageCtrl : public CBasicCtrl {
public:
    CShowTextImageCtrl();
    void DrawCtrl(platform::DeviceContext& dc) override;
    static void RegisterWindowClass();
};
