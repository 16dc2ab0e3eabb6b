#pragma once
// A display control that shows one state picture of its status strip (the
// logo of the main window).
#include "skin/CBasicCtrl.h"

inline constexpr std::string_view kShowImageCtrlClass = "ShowImageCtrl";

class CShowImageCtrl : public CBasicCtrl {
public:
    CShowImageCtrl();
    void DrawCtrl(platform::DeviceContext& dc) override;
    // Registers the window class; the constructor does it too.
    static void RegisterWindowClass();
};
