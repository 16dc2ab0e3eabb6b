#pragma once
// The task list's pop-up tip: a text control that lets the pointer through
// to the list below it. The tip opens just below the pointer, so a pointer
// moving on down would otherwise land on the tip and the list would stop
// hearing the moves that change or end the tip.
#include "skin/CShowTextCtrl.h"

class CTaskListTipCtrl : public CShowTextCtrl {
protected:
    int OnNcHitTest(platform::Point screenPoint) override;
};
