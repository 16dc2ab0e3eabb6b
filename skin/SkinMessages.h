#pragma once
// Private messages the skinned controls send to their parent.
#include "platform/Messages.h"

// A radio button selected itself: wParam = its control id, lParam = 0.
inline constexpr platform::MessageId WM_RADIOBOX_SELECTED = platform::WM_USER + 1101;  // 0x084D
// The right button was released over the task list: wParam = its control
// id, lParam = 0.
inline constexpr platform::MessageId WM_TASKLIST_RBUTTONUP = platform::WM_USER + 1022;  // 0x07FE
