#include "skin/CBasicHeaderCtrl.h"

#include "skin/HeaderGeometry.h"

CBasicHeaderCtrl::CBasicHeaderCtrl() = default;

CBasicHeaderCtrl::~CBasicHeaderCtrl() = default;

void CBasicHeaderCtrl::DrawHeader(platform::DeviceContext& dc)
{
    {
        platform::Graphics g(dc);
        DrawBackground(Parent(), this, g, dc);
    }
    DrawHeaderItems(dc);
}

void CBasicHeaderCtrl::DrawHeaderItems(platform::DeviceContext& dc)
{
    (void)dc;
}

void CBasicHeaderCtrl::OnPaint(platform::DeviceContext& dc)
{
    const platform::Rect client = ClientRect();
    platform::MemoryDC memory(dc, client.Width(), client.Height());
    DrawHeader(memory);
    dc.Copy(0, 0, client.Width(), client.Height(), memory, 0, 0);
}

bool CBasicHeaderCtrl::OnEraseBackground(platform::DeviceContext& dc)
{
    (void)dc;
    return true;
}

void CBasicHeaderCtrl::OnLayout(platform::HeaderLayout& layout)
{
    platform::Header::OnLayout(layout);
    const int height = ScaledHeaderHeight(m_fHeightScale, layout.header.Height());
    layout.header.bottom = layout.header.top + height;
    layout.area.top = layout.header.bottom;
}
