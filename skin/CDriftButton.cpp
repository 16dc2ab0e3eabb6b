#include "skin/CDriftButton.h"

CDriftButton::CDriftButton()
{
    RegisterWindowClass();
}

void CDriftButton::RegisterWindowClass()
{
    RegisterButtonClass(kDriftButtonClass, [] { return std::make_unique<CDriftButton>(); });
}
