#pragma once
// A display control that shows word-wrapped text (the title of the main
// window, and the pop-up tip of the task list). It can scroll its text with
// a vertical scroll bar of its own; nothing in this program creates that bar
// or switches the mode on, so the shipped controls never scroll.
#include <memory>

#include "core/Bool.h"
#include "platform/Geometry.h"
#include "skin/CBasicCtrl.h"

namespace platform {
class ScrollBar;
}

inline constexpr std::string_view kShowTextCtrlClass = "ShowTextCtrl";

class CShowTextCtrl : public CBasicCtrl {
public:
    CShowTextCtrl();
    ~CShowTextCtrl() override;

    void DrawCtrl(platform::DeviceContext& dc) override;
    // The size a control needs for its text wrapped at 250 pixels less the
    // stored offset on both sides: the measured box plus both margins and a
    // pixel across, plus the top margin down.
    void MeasureTextExtent(platform::Size& size);
    static void RegisterWindowClass();

    // The scroll bar object (its window is never created here) and the mode.
    std::unique_ptr<platform::ScrollBar> m_wndVScroll;
    BOOL m_bScrollMode = FALSE;

protected:
    void OnVScroll(int code, int position, platform::Window* scrollBar) override;

private:
    bool ScrollBarShown() const;
};
