#include "skin/CTaskListTipCtrl.h"

int CTaskListTipCtrl::OnNcHitTest(platform::Point screenPoint)
{
    (void)screenPoint;
    return platform::HTTRANSPARENT;
}
