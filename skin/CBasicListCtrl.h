#pragma once
// Base of the skinned lists: the platform list view with drawing
// properties. With PAINT_BORDER in its paint mode the list keeps a 1-pixel
// border in its non-client area, drawn in m_clrBorder on the outermost
// pixels of the window; the client area (rows, header, scroll bar) lies
// inside it.
#include "platform/ListView.h"
#include "skin/CBasicPropertyFrame.h"

class CBasicListCtrl : public platform::ListView, public CBasicPropertyFrame {
public:
    CBasicListCtrl();
    ~CBasicListCtrl() override;

    using platform::Window::SetText;
    using CBasicPropertyFrame::SetText;
    // SetTextColor(ColorRef) of a list is the list view's row colour (as
    // LVM_SETTEXTCOLOR); the frame's text colour, which self-painted lists
    // draw with, is CBasicPropertyFrame::SetTextColor.
    using platform::ListView::SetTextColor;

protected:
    void OnNcCalcSize(platform::Rect& proposedClient) override;
    // Draws the border only; the list view's own frame is never drawn.
    void OnNcPaint(platform::DeviceContext& windowDc) override;
};
