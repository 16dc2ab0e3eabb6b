#include "skin/CShowTaskHeaderCtrl.h"

void CShowTaskHeaderCtrl::DrawHeaderGround(platform::Graphics& g, const platform::Rect& client)
{
    g.FillVerticalGradient(client, kTaskHeaderTop, kTaskHeaderBottom);
}

void CShowTaskHeaderCtrl::OnLayout(platform::HeaderLayout& layout)
{
    CSeparatedHeaderCtrl::OnLayout(layout);
    if (m_nBandHeight > 0) {
        layout.header.bottom = layout.header.top + m_nBandHeight;
        layout.area.top = layout.header.bottom;
    }
}
