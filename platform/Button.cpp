#include "platform/Button.h"

#include "platform/Font.h"
#include "platform/Graphics.h"

namespace platform {

std::intptr_t Button::HandleMessage(const Message& message) {
    if (message.id == BM_SETCHECK) return OnSetCheck(static_cast<int>(message.wParam));
    if (message.id == BM_GETCHECK) return OnGetCheck();
    return Window::HandleMessage(message);
}

std::intptr_t Button::OnSetCheck(int state) {
    check_ = state;
    Invalidate();
    return 0;
}

void Button::OnPaint(DeviceContext& dc) {
    if (!IsOwnerDraw()) {
        PaintStock(dc);
        return;
    }
    DrawItemRequest request;
    request.controlType = ODT_BUTTON;
    request.controlId = ControlId();
    request.itemAction = ODA_DRAWENTIRE;
    request.itemState = (pressed_ ? ODS_SELECTED : 0) | (IsEnabledInTree() ? 0 : ODS_DISABLED) | (HasFocus() ? ODS_FOCUS : 0);
    request.control = this;
    request.dc = &dc;
    request.itemRect = ClientRect();
    if (Parent() && !IsTopLevel()) {
        Parent()->Send(WM_DRAWITEM, static_cast<std::uintptr_t>(ControlId()), ToParam(&request));
    } else {
        DrawItem(request);
    }
}

void Button::PaintStock(DeviceContext& dc) {
    Graphics g(dc);
    Rect r = ClientRect();
    bool enabled = IsEnabledInTree();
    g.FillVerticalGradient(r, pressed_ ? 0xFFDADADA : 0xFFFDFDFD, pressed_ ? 0xFFE8E8E8 : 0xFFE4E4E4);
    g.DrawRectangle(HasFocus() ? colors::Highlight : colors::Shadow, 0, 0, r.Width() - 1, r.Height() - 1);
    StringFormat centred{StringAlignment::Center, StringAlignment::Center, StringTrimming::EllipsisWord, true};
    float shift = pressed_ ? 1.0f : 0.0f;
    g.DrawString(Text(), FontOrDefault(), enabled ? colors::WindowText : colors::GrayText,
                 RectF{2 + shift, shift, static_cast<float>(r.Width() - 4), static_cast<float>(r.Height())}, centred);
}

void Button::OnLButtonDown(std::uint32_t flags, Point point) {
    (void)flags, (void)point;
    held_ = true;
    pressed_ = true;
    SetCapture();
    Invalidate();
}

void Button::OnMouseMove(std::uint32_t flags, Point point) {
    (void)flags;
    if (!held_) return;
    bool inside = ClientRect().Contains(point);
    if (inside != pressed_) {
        pressed_ = inside;
        Invalidate();
    }
}

void Button::OnLButtonUp(std::uint32_t flags, Point point) {
    (void)flags;
    if (!held_) return;
    bool inside = ClientRect().Contains(point);
    held_ = false;
    pressed_ = false;
    ReleaseCapture();
    Invalidate();
    if (inside) Click();
}

bool Button::OnKeyDown(int key, std::uint32_t flags) {
    (void)flags;
    if (key != VK_SPACE) return false;
    Click();
    return true;
}

void Button::Click() {
    WindowRef self = Ref();
    if (OnClicked() || !self || !IsCreated()) return;
    NotifyParentCommand(BN_CLICKED);
}

void Button::OnEnable(bool enabled) {
    if (!enabled) {
        held_ = false;
        pressed_ = false;
    }
    Invalidate();
}

void Button::OnSetText(std::string_view text) {
    (void)text;
    Invalidate();
}

void Button::OnKillFocus() { Invalidate(); }

}  // namespace platform
