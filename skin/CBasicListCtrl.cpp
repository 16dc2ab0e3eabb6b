#include "skin/CBasicListCtrl.h"

#include "platform/Graphics.h"

CBasicListCtrl::CBasicListCtrl() = default;

CBasicListCtrl::~CBasicListCtrl() = default;

void CBasicListCtrl::OnNcCalcSize(platform::Rect& proposedClient)
{
    if ((m_nPaintMode & PAINT_BORDER) != 0) {
        proposedClient = proposedClient.Deflate(1);
    }
    platform::ListView::OnNcCalcSize(proposedClient);
}

void CBasicListCtrl::OnNcPaint(platform::DeviceContext& windowDc)
{
    if ((m_nPaintMode & PAINT_BORDER) == 0) {
        return;
    }
    const platform::Rect window = RectInParent();
    platform::Graphics g(windowDc);
    g.DrawRectangle(m_clrBorder, 0, 0, window.Width() - 1, window.Height() - 1);
}
