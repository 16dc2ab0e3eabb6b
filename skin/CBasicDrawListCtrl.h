#pragma once
// Base of the self-painted lists: the list view keeps the data, and the
// derived class draws the whole client area, double-buffered, without
// erasing, on a white ground.
#include "skin/CBasicListCtrl.h"

class CBasicDrawListCtrl : public CBasicListCtrl {
public:
    CBasicDrawListCtrl();
    ~CBasicDrawListCtrl() override;

    // Fills the client area with opaque white and draws the items.
    virtual void DrawList(platform::DeviceContext& dc);
    // Does nothing here.
    virtual void DrawListItems(platform::DeviceContext& dc);
    // Records the client rectangle.
    virtual void OnSizeChanged(int nType, int cx, int cy);

protected:
    void OnPaint(platform::DeviceContext& dc) override;
    bool OnEraseBackground(platform::DeviceContext& dc) override;
    void OnSize(int sizeType, int cx, int cy) override;
};
