#pragma once
// Base of the skinned list headers: the platform header with drawing
// properties, painted double-buffered through DrawHeader without erasing,
// whose height is the height the header would take scaled by
// m_fHeightScale (truncated).
#include "platform/Header.h"
#include "skin/CBasicPropertyFrame.h"

class CBasicHeaderCtrl : public platform::Header, public CBasicPropertyFrame {
public:
    CBasicHeaderCtrl();
    ~CBasicHeaderCtrl() override;

    // Background layers, then the items.
    virtual void DrawHeader(platform::DeviceContext& dc);
    // Does nothing here; the derived headers draw their items.
    virtual void DrawHeaderItems(platform::DeviceContext& dc);

    using platform::Window::SetText;
    using CBasicPropertyFrame::SetText;

    float m_fHeightScale = 1.0f;

protected:
    void OnPaint(platform::DeviceContext& dc) override;
    bool OnEraseBackground(platform::DeviceContext& dc) override;
    // The header's place as the platform computes it, with the height
    // scaled; the rows below start at the scaled height.
    void OnLayout(platform::HeaderLayout& layout) override;
};
