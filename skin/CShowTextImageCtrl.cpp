#include "skin/CShowTextImageCtrl.h"

CShowTextImageCtrl::CShowTextImageCtrl()
{
    RegisterWindowClass();
}

void CShowTextImageCtrl::RegisterWindowClass()
{
    RegisterCtrlClass(kShowTextImageCtrlClass, [] { return std::make_unique<CShowTextImageCtrl>(); });
}

void CShowTextImageCtrl::DrawCtrl(platform::DeviceContext& dc)
{
    platform::Graphics g(dc);
    g.SetSmoothingMode(platform::SmoothingMode::AntiAlias);
    DrawBackground(Parent(), this, g, dc);
    DrawStatusImage(g, m_nStatusIndex);
    DrawWrappedText(g);
}
