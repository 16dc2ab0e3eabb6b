#include "skin/CRadioBoxButton.h"

#include "skin/SkinMessages.h"

CRadioBoxButton::CRadioBoxButton()
{
    RegisterWindowClass();
}

void CRadioBoxButton::RegisterWindowClass()
{
    RegisterButtonClass(kRadioBoxButtonClass, [] { return std::make_unique<CRadioBoxButton>(); });
}

bool CRadioBoxButton::OnClicked()
{
    m_bChecked = TRUE;
    Invalidate(true);

    platform::Window* parent = Parent();
    if (parent == nullptr) {
        return true;
    }
    // The group wraps around; the walk ends when it comes back here (or
    // the parent has no further control).
    for (platform::Window* other = parent->NextInGroup(this, false); other != nullptr && other != this;
         other = parent->NextInGroup(other, false)) {
        // Button styles with bit 0x1 or 0x8 set, which every skinned button
        // (owner-drawn, 0xB) has.
        if ((other->GetStyle() & 0x9u) != 0) {
            other->Send(platform::BM_SETCHECK, 0, 0);
            other->Invalidate(true);
        }
    }
    if (ControlId() != 0) {
        parent->Send(WM_RADIOBOX_SELECTED, static_cast<std::uintptr_t>(ControlId()), 0);
    }
    return true;
}
