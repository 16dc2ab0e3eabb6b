#include "skin/CBasicDrawListCtrl.h"

#include "platform/Graphics.h"

CBasicDrawListCtrl::CBasicDrawListCtrl() = default;

CBasicDrawListCtrl::~CBasicDrawListCtrl() = default;

void CBasicDrawListCtrl::DrawList(platform::DeviceContext& dc)
{
    {
        platform::Graphics g(dc);
        g.SetSmoothingMode(platform::SmoothingMode::AntiAlias);
        g.FillRectangle(0xFFFFFFFF, ClientRect());
    }
    DrawListItems(dc);
}

void CBasicDrawListCtrl::DrawListItems(platform::DeviceContext& dc)
{
    (void)dc;
}

void CBasicDrawListCtrl::OnSizeChanged(int nType, int cx, int cy)
{
    (void)nType;
    (void)cx;
    (void)cy;
    m_rcLastClient = ClientRect();
}

void CBasicDrawListCtrl::OnPaint(platform::DeviceContext& dc)
{
    const platform::Rect client = ClientRect();
    platform::MemoryDC memory(dc, client.Width(), client.Height());
    DrawList(memory);
    dc.Copy(0, 0, client.Width(), client.Height(), memory, 0, 0);
}

bool CBasicDrawListCtrl::OnEraseBackground(platform::DeviceContext& dc)
{
    (void)dc;
    return true;
}

void CBasicDrawListCtrl::OnSize(int sizeType, int cx, int cy)
{
    CBasicListCtrl::OnSize(sizeType, cx, cy);
    OnSizeChanged(sizeType, cx, cy);
}
