#include "skin/CBasicCtrl.h"

#include "platform/WindowClass.h"
#include "skin/DisplayTextLayout.h"

using platform::DeviceContext;
using platform::Point;
using platform::Rect;

CBasicCtrl::CBasicCtrl() = default;

CBasicCtrl::~CBasicCtrl() = default;

void CBasicCtrl::DrawCtrl(DeviceContext& dc)
{
    (void)dc;
}

void CBasicCtrl::ReservedCtrlHook(void* pParam)
{
    (void)pParam;
}

BOOL CBasicCtrl::RegisterCtrlClass(std::string_view className,
                                   std::function<std::unique_ptr<platform::Window>()> factory)
{
    platform::WindowClassInfo info;
    info.name = std::string(className);
    info.cursor = platform::Cursor::Arrow;
    info.factory = std::move(factory);
    return platform::WindowClassRegistry::Register(std::move(info)) ? TRUE : FALSE;
}

void CBasicCtrl::OnPaint(DeviceContext& dc)
{
    // One off-screen picture of the whole client area, copied once, so no
    // half-drawn state is ever visible.
    const Rect client = ClientRect();
    platform::MemoryDC memory(dc, client.Width(), client.Height());
    DrawCtrl(memory);
    dc.Copy(0, 0, client.Width(), client.Height(), memory, 0, 0);
}

bool CBasicCtrl::OnEraseBackground(DeviceContext& dc)
{
    (void)dc;
    return true;
}

void CBasicCtrl::OnLButtonDown(std::uint32_t flags, Point point)
{
    if (platform::Window* parent = Parent()) {
        const Point inParent = parent->ScreenToClient(ClientToScreen(point));
        if (inParent.y < kCaptionDragHeight) {
            // The parent behaves as if its caption were pressed. The point
            // travels in this control's coordinates, as received.
            parent->Send(platform::WM_NCLBUTTONDOWN, static_cast<std::uintptr_t>(platform::HTCAPTION),
                         platform::PackPoint(point));
        }
    }
    platform::Window::OnLButtonDown(flags, point);
}

void CBasicCtrl::OnSize(int sizeType, int cx, int cy)
{
    platform::Window::OnSize(sizeType, cx, cy);
    OnSizeChanged(sizeType, cx, cy);
}

void CBasicCtrl::OnSizeChanged(int nType, int cx, int cy)
{
    (void)nType;
    if (m_bNotifySize) {
        OnParentSizeChanged(cx - m_rcLastClient.Width(), cy - m_rcLastClient.Height());
    }
    m_rcLastClient = ClientRect();
}

void CBasicCtrl::OnMouseLeave()
{
    m_bHover = FALSE;
    Invalidate(true);
    platform::Window::OnMouseLeave();
}

void CBasicCtrl::DrawWrappedText(platform::Graphics& g, int extraRight, int scrollUp)
{
    if (!HasDrawableText()) {
        return;
    }
    const int mx = DisplayTextMargin(m_ptTextOffset.x);
    const int my = DisplayTextMargin(m_ptTextOffset.y);
    const Rect client = ClientRect();
    const int wrap = DisplayTextWrapWidth(client.left, client.right, mx, false) - extraRight;
    // The platform reads a width of 0 as "no wrapping"; a client narrower
    // than its margins wraps at one pixel rather than not at all.
    const float width = static_cast<float>(wrap > 0 ? wrap : 1);
    const platform::RectF layout{static_cast<float>(mx), static_cast<float>(my), width, 0.0f};
    platform::RectF bounds = g.MeasureString(*m_strText, *m_pTextFont, layout);
    bounds.y -= static_cast<float>(scrollUp);
    // Drawn at the layout width (the measured box may be narrower, and a
    // narrower width could wrap differently), without a height limit: lines
    // below the control are cut off by the window.
    g.DrawString(*m_strText, *m_pTextFont, m_clrText, platform::RectF{bounds.x, bounds.y, width, 0.0f});
}
