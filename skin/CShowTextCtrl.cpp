#include "skin/CShowTextCtrl.h"

#include "platform/ScrollBar.h"
#include "skin/DisplayTextLayout.h"
#include "skin/ScrollRequest.h"

CShowTextCtrl::CShowTextCtrl()
    : m_wndVScroll(std::make_unique<platform::ScrollBar>())
{
    RegisterWindowClass();
}

CShowTextCtrl::~CShowTextCtrl() = default;

void CShowTextCtrl::RegisterWindowClass()
{
    RegisterCtrlClass(kShowTextCtrlClass, [] { return std::make_unique<CShowTextCtrl>(); });
}

bool CShowTextCtrl::ScrollBarShown() const
{
    return m_bScrollMode && m_wndVScroll && m_wndVScroll->IsCreated() && m_wndVScroll->IsVisible();
}

void CShowTextCtrl::DrawCtrl(platform::DeviceContext& dc)
{
    platform::Graphics g(dc);
    DrawBackground(Parent(), this, g, dc);
    if (ScrollBarShown()) {
        DrawWrappedText(g, kTextScrollBarWidth, m_wndVScroll->Position());
    } else {
        DrawWrappedText(g);
    }
}

void CShowTextCtrl::MeasureTextExtent(platform::Size& size)
{
    if (!HasDrawableText()) {
        size = platform::Size{};
        return;
    }
    // Measuring needs no window: a one-pixel context gives the same text
    // metrics as the control's own.
    const int mx = m_ptTextOffset.x;
    const int my = m_ptTextOffset.y;
    platform::MemoryDC dc(1, 1);
    platform::Graphics g(dc);
    const float wrap = static_cast<float>(kTipWrapWidth - 2 * mx);
    const platform::RectF measured = g.MeasureString(
        *m_strText, *m_pTextFont,
        platform::RectF{static_cast<float>(mx), static_cast<float>(my), wrap > 0 ? wrap : 1.0f, 0.0f});
    const TextExtent extent = TextExtentFromMeasure(mx, my, measured.width, measured.height);
    size = platform::Size{extent.width, extent.height};
}

void CShowTextCtrl::OnVScroll(int code, int position, platform::Window* scrollBar)
{
    if (m_wndVScroll && m_wndVScroll->IsCreated()) {
        const platform::ScrollInfo info = m_wndVScroll->GetScrollInfo();
        const ScrollState state{info.min, info.max, info.page, info.pos, info.trackPos};
        const int wanted = RequestedScrollPosition(ScrollRequestFromCode(code), state);
        // The bar clamps the position; only a real change repaints the text.
        if (m_wndVScroll->SetPosition(wanted, true) != info.pos) {
            Invalidate(true);
        }
    }
    CBasicCtrl::OnVScroll(code, position, scrollBar);
}
