#include "skin/CShowImageCtrl.h"

CShowImageCtrl::CShowImageCtrl()
{
    RegisterWindowClass();
}

void CShowImageCtrl::RegisterWindowClass()
{
    RegisterCtrlClass(kShowImageCtrlClass, [] { return std::make_unique<CShowImageCtrl>(); });
}

void CShowImageCtrl::DrawCtrl(platform::DeviceContext& dc)
{
    platform::Graphics g(dc);
    g.SetSmoothingMode(platform::SmoothingMode::HighSpeed);
    DrawBackground(Parent(), this, g, dc);
    DrawStatusImage(g, m_nStatusIndex);
}
