#include "skin/SkinClasses.h"

#include "skin/CCheckBoxButton.h"
#include "skin/CDriftButton.h"
#include "skin/CRadioBoxButton.h"
#include "skin/CShowImageCtrl.h"
#include "skin/CShowTextCtrl.h"
#include "skin/CShowTextImageCtrl.h"
#include "skin/CStandardButton.h"

void RegisterSkinWindowClasses()
{
    CStandardButton::RegisterWindowClass();
    CRadioBoxButton::RegisterWindowClass();
    CCheckBoxButton::RegisterWindowClass();
    CDriftButton::RegisterWindowClass();
    CShowTextCtrl::RegisterWindowClass();
    CShowImageCtrl::RegisterWindowClass();
    CShowTextImageCtrl::RegisterWindowClass();
}
