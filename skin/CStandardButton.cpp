#include "skin/CStandardButton.h"

CStandardButton::CStandardButton()
{
    RegisterWindowClass();
}

void CStandardButton::RegisterWindowClass()
{
    RegisterButtonClass(kStandardButtonClass, [] { return std::make_unique<CStandardButton>(); });
}
