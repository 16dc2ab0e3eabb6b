#include "skin/CSeparatedHeaderCtrl.h"

#include "skin/HeaderGeometry.h"
#include "skin/Utf8Text.h"

CSeparatedHeaderCtrl::CSeparatedHeaderCtrl() = default;

CSeparatedHeaderCtrl::~CSeparatedHeaderCtrl() = default;

void CSeparatedHeaderCtrl::SetClipImage(const std::string& path)
{
    m_pClipImage.reset();
    m_pClipImage = std::make_unique<platform::Picture>(platform::Picture::Load(path));
    m_nClipWidth = m_pClipImage->Width();
    m_nClipHeight = m_pClipImage->Height();
}

void CSeparatedHeaderCtrl::DrawHeaderItems(platform::DeviceContext& dc)
{
    platform::Graphics g(dc);
    const platform::Rect client = ClientRect();
    DrawHeaderGround(g, client);

    platform::StringFormat centred;
    centred.alignment = platform::StringAlignment::Center;
    centred.lineAlignment = platform::StringAlignment::Center;
    const bool drawText = m_pTextFont && m_pTextFont->IsUsable();

    const int count = static_cast<int>(Send(platform::HDM_GETITEMCOUNT));
    for (int index = 0; index < count; ++index) {
        platform::HeaderItem item;
        platform::Rect rect;
        // A failing item query ends the loop for this paint.
        if (!GetItem(index, item) || !GetItemRect(index, rect)) {
            break;
        }
        if (rect.left == rect.right) {
            continue;
        }
        if (m_pClipImage) {
            g.DrawImage(*m_pClipImage, rect.right - m_nClipOffset, SeparatorTop(rect));
        }
        if (drawText) {
            const std::string title = CutToCharacters(item.text, kHeaderTitleMaxLength);
            g.DrawString(title, *m_pTextFont, m_clrText,
                         platform::RectF{static_cast<float>(rect.left - m_nClipOffset), static_cast<float>(rect.top + 3),
                                         static_cast<float>(rect.Width()), static_cast<float>(rect.Height() - 3)},
                         centred);
        }
    }
}

void CSeparatedHeaderCtrl::OnMouseMove(std::uint32_t flags, platform::Point point)
{
    if (!m_bHover) {
        m_bHover = TrackMouse(platform::TME_HOVER | platform::TME_LEAVE, 1) ? TRUE : FALSE;
    }
    CBasicHeaderCtrl::OnMouseMove(flags, point);
}

void CSeparatedHeaderCtrl::OnMouseLeave()
{
    m_bHover = FALSE;
    Invalidate(true);
    CBasicHeaderCtrl::OnMouseLeave();
}
