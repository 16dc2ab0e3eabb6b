#include "skin/CStandardHeaderCtrl.h"

#include "skin/HeaderGeometry.h"

void CStandardHeaderCtrl::DrawHeaderGround(platform::Graphics& g, const platform::Rect& client)
{
    if (!m_pBGImage) {
        return;
    }
    const SourceRect source = HeaderBackgroundSource(m_nImageWidth, m_nImageHeight);
    if (source.width == 0 || source.height == 0) {
        return;
    }
    g.DrawImage(*m_pBGImage, client, platform::Rect::FromXywh(source.x, source.y, source.width, source.height));
}
