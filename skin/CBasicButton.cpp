#include "skin/CBasicButton.h"

#include "platform/WindowClass.h"
#include "skin/ButtonTextPlacement.h"

using platform::DeviceContext;
using platform::DrawItemRequest;
using platform::Graphics;
using platform::Point;
using platform::Rect;

CBasicButton::CBasicButton() = default;

CBasicButton::~CBasicButton() = default;

void CBasicButton::RegisterButtonClass(std::string_view className,
                                       std::function<std::unique_ptr<platform::Window>()> factory)
{
    // A class of the platform button's kind (every object the factory makes
    // is a platform button) under its own name, with the hand cursor.
    platform::WindowClassInfo info;
    info.name = std::string(className);
    info.cursor = platform::Cursor::Hand;
    info.factory = std::move(factory);
    platform::WindowClassRegistry::Register(std::move(info));
}

void CBasicButton::OnMouseMoveHook(std::uint32_t flags, Point point)
{
    (void)flags;
    (void)point;
}

void CBasicButton::OnMouseLeaveHook() {}

void CBasicButton::OnMouseHoverHook(std::uint32_t flags, Point point)
{
    (void)flags;
    (void)point;
}

void CBasicButton::OnMouseMove(std::uint32_t flags, Point point)
{
    if (!m_bHover) {
        // Asked again on the first move after each leave; a refused request
        // leaves the flag clear so the next move tries again.
        m_bHover = TrackMouse(platform::TME_HOVER | platform::TME_LEAVE, kButtonHoverMs) ? TRUE : FALSE;
    }
    OnMouseMoveHook(flags, point);
    platform::Button::OnMouseMove(flags, point);
}

void CBasicButton::OnMouseHover(std::uint32_t flags, Point point)
{
    // The hover picture shows once the pointer has rested; the repaint is
    // driven by this message rather than by every move.
    OnMouseHoverHook(flags, point);
    Invalidate(true);
    platform::Button::OnMouseHover(flags, point);
}

void CBasicButton::OnMouseLeave()
{
    m_bHover = FALSE;
    OnMouseLeaveHook();
    Invalidate(true);
    platform::Button::OnMouseLeave();
}

platform::Style CBasicButton::PreCreateStyle(platform::Style style) const
{
    return platform::Button::PreCreateStyle(style) | platform::BS_OWNERDRAW;
}

std::intptr_t CBasicButton::OnSetCheck(int state)
{
    // The platform button's own check state is left alone.
    m_bChecked = (state == platform::BST_CHECKED || state == platform::BST_INDETERMINATE) ? TRUE : FALSE;
    Invalidate(true);
    return 0;
}

std::intptr_t CBasicButton::OnGetCheck()
{
    return m_bChecked ? 1 : 0;
}

void CBasicButton::DrawItem(DrawItemRequest& request)
{
    DrawButton(request);
}

ButtonVisualState CBasicButton::VisualState(const DrawItemRequest& request) const
{
    ButtonVisualState state;
    state.checked = m_bChecked != FALSE;
    state.pressed = (request.itemState & platform::ODS_SELECTED) != 0;
    state.disabled = (request.itemState & platform::ODS_DISABLED) != 0;
    state.hover = m_bHover != FALSE;
    return state;
}

int CBasicButton::ChooseStateIndex(const DrawItemRequest& request) const
{
    return ChooseButtonStateIndex(m_nStatusCount, VisualState(request));
}

void CBasicButton::DrawButton(DrawItemRequest& request)
{
    if (request.dc == nullptr) {
        return;
    }
    const Rect client = ClientRect();
    platform::MemoryDC memory(*request.dc, client.Width(), client.Height());
    {
        Graphics g(memory);
        DrawBackground(Parent(), this, g, memory);
        const int index = ChooseStateIndex(request);
        if (index != kNoStatePicture) {
            DrawStatusImage(g, index);
        }
        DrawButtonText(g, request);
    }
    request.dc->Copy(0, 0, client.Width(), client.Height(), memory, 0, 0);
}

void CBasicButton::DrawButtonText(Graphics& g, DrawItemRequest& request)
{
    if (!HasDrawableText()) {
        return;
    }
    const platform::RectF measured = g.MeasureString(*m_strText, *m_pTextFont, platform::RectF{0, 0, 0, 0});
    const Rect client = ClientRect();
    ButtonTextRequest place;
    place.clientLeft = client.left;
    place.clientTop = client.top;
    place.clientRight = client.right;
    place.clientBottom = client.bottom;
    place.measuredWidth = measured.width;
    place.measuredHeight = measured.height;
    place.offsetX = m_ptTextOffset.x;
    place.offsetY = m_ptTextOffset.y;
    place.pressed = (request.itemState & platform::ODS_SELECTED) != 0;
    place.sinkWhenPressed = TextSinksWhenPressed();
    const TextPlacement at = PlaceButtonText(place);
    // One line, left-aligned at the point, not clipped.
    g.DrawString(*m_strText, *m_pTextFont, m_clrText, static_cast<float>(at.x), static_cast<float>(at.y));
}
