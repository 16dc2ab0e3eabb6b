#include "skin/CStandardListCtrl.h"

CStandardListCtrl::CStandardListCtrl() = default;

// The header object is destroyed before the list window; the list then
// simply has no header for the rest of its destruction.
CStandardListCtrl::~CStandardListCtrl() = default;

int CStandardListCtrl::OnCreate()
{
    const int result = CBasicListCtrl::OnCreate();
    if (result == -1) {
        return -1;
    }
    BindHeader();
    return 0;
}

void CStandardListCtrl::BindHeader()
{
    if (m_wndHeader.IsCreated() && GetHeader() == &m_wndHeader) {
        return;
    }
    UseHeader(m_wndHeader);
    m_wndHeader.SetFont(GetFont(), false);
}

void CStandardListCtrl::OnSetFont(const platform::Font* font, bool redraw)
{
    if (m_wndHeader.IsCreated()) {
        m_wndHeader.SetFont(font, false);
    }
    CBasicListCtrl::OnSetFont(font, redraw);
}

void CStandardListCtrl::SetHeaderFont(const std::string& faceName, int size)
{
    m_wndHeader.SetTextFont(faceName, size);
    m_wndHeader.Invalidate();
}

void CStandardListCtrl::SetHeaderTextColor(COLORREF color)
{
    m_wndHeader.SetTextColor(color);
    m_wndHeader.Invalidate();
}

void CStandardListCtrl::SetHeaderHeightScale(float scale)
{
    m_wndHeader.m_fHeightScale = scale;
    LayoutChildren();
}
