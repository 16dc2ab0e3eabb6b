#include "platform/Dialog.h"

#include "platform/Graphics.h"
#include "platform/Host.h"

namespace platform {

Dialog::Dialog() { SetBackgroundColor(colors::Face); }

bool Dialog::CreateAndInit(Window* owner) {
    ended_ = false;
    result_ = 0;
    bool visible = (createStyle_ & WS_VISIBLE) != 0;
    // Created hidden so that the first picture on screen is the initialised one.
    if (!Create(owner, createRect_, (createStyle_ & ~WS_VISIBLE & ~WS_CHILD))) return false;
    WindowRef self = Ref();
    Send(WM_INITDIALOG);
    if (!self || !IsCreated()) return false;
    if (visible && !ended_) Show(SW_SHOW);
    // Keys go to the new dialog, not to a window it may have disabled.
    if (self && !ended_ && IsVisible()) {
        Window* focus = Window::Focus();
        if (!focus || (focus != this && !IsAncestorOf(focus))) SetFocus();
    }
    return true;
}

std::intptr_t Dialog::HandleMessage(const Message& message) {
    if (message.id == WM_INITDIALOG) return OnInitDialog() ? 1 : 0;
    return Window::HandleMessage(message);
}

int Dialog::DoModal(Window* owner) {
    if (!CreateAndInit(owner)) return -1;
    WindowRef self = Ref();
    bool ownerWasEnabled = owner && owner->IsEnabled();
    if (ownerWasEnabled) owner->Enable(false);
    if (!ended_) GetHost().RunModalLoop(self, &ended_);
    if (!self) return -1;
    if (!ended_) result_ = -1;
    if (ownerWasEnabled) owner->Enable(true);
    int result = result_;
    Destroy();
    if (owner && owner->IsCreated() && !Window::Focus()) owner->SetFocus();
    return result;
}

bool Dialog::CreateModeless(Window* owner) { return CreateAndInit(owner); }

void Dialog::EndDialog(int result) {
    result_ = result;
    ended_ = true;
}

bool Dialog::OnKeyDown(int key, std::uint32_t flags) {
    (void)flags;
    if (key == VK_RETURN) {
        OnOK();
        return true;
    }
    if (key == VK_ESCAPE) {
        OnCancel();
        return true;
    }
    return false;
}

bool Dialog::OnCommand(int id, int code, Window* from) {
    (void)from;
    if (code != BN_CLICKED) return false;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

bool Dialog::OnEraseBackground(DeviceContext& dc) {
    // The background colour may come from the dialog's own control-colour
    // answer, as for any control.
    ControlColorRequest request{&dc, this, CTLCOLOR_DLG, std::nullopt};
    Send(WM_CTLCOLOR, 0, ToParam(&request));
    std::optional<Argb> color = request.background ? request.background : BackgroundColor();
    if (!color) return false;
    Graphics g(dc);
    g.FillRectangle(*color, ClientRect());
    return true;
}

}  // namespace platform
