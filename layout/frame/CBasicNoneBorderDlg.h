#pragma once
// The borderless skinned dialog: its outline is cut from the key-coloured
// pixels of a bitmap's top rows at every size change, and a press of the
// left button in its top band drags the window.
#include <string>

#include "layout/frame/CBasicDialog.h"

// A left-button press with y above this (client pixels) drags the window.
inline constexpr int CaptionDragHeight = 28;

class CBasicNoneBorderDlg : public CBasicDialog {
public:
    CBasicNoneBorderDlg();
    ~CBasicNoneBorderDlg() override;

    // The full path of the bitmap whose key-coloured pixels are cut out.
    void SetRegionImagePath(std::string strPath) { strRegionImagePath = std::move(strPath); }

    // Builds the window region: the client rectangle less the key-coloured
    // runs of the bitmap's rows 0 to 34. Does nothing without a bitmap path;
    // a bitmap that cannot be read leaves the window rectangular. Replaces
    // the size bookkeeping of the dialog base.
    void OnSizeChanged(int nType, int cx, int cy) override;

    std::string strRegionImagePath;

protected:
    void OnLButtonDown(std::uint32_t flags, platform::Point point) override;
};
