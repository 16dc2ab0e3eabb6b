#include "skin/CCheckBoxButton.h"

CCheckBoxButton::CCheckBoxButton()
{
    RegisterWindowClass();
}

void CCheckBoxButton::RegisterWindowClass()
{
    RegisterButtonClass(kCheckBoxButtonClass, [] { return std::make_unique<CCheckBoxButton>(); });
}

int CCheckBoxButton::ChooseStateIndex(const platform::DrawItemRequest& request) const
{
    return ChooseCheckBoxStateIndex(m_nStatusCount, VisualState(request));
}

bool CCheckBoxButton::OnClicked()
{
    m_bChecked = m_bChecked ? FALSE : TRUE;
    Invalidate(true);
    if (platform::Window* parent = Parent()) {
        parent->Send(platform::WM_COMMAND,
                     platform::MakeWParam(static_cast<std::uint16_t>(ControlId()), 0), 0);
    }
    return true;
}
