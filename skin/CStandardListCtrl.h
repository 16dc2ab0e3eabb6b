#pragma once
// The device list: a report list whose rows the platform draws with the
// list's own font and text colour, framed by the 1-pixel border, whose
// header is an embedded CStandardHeaderCtrl that takes the place of the
// list view's own header when the list window is created.
//
// Set-up by the owner: the columns and rows through the list view
// operations (InsertColumn, InsertItem, SetItemText), the row font with
// SetFont, the row colour with SetTextColor(ColorRef) or LVM_SETTEXTCOLOR;
// the header picture and separator with m_wndHeader.SetBGImage and
// m_wndHeader.SetClipImage; the header text with SetHeaderFont and
// SetHeaderTextColor; its height factor with SetHeaderHeightScale.
#include "skin/CBasicListCtrl.h"
#include "skin/CStandardHeaderCtrl.h"

class CStandardListCtrl : public CBasicListCtrl {
public:
    CStandardListCtrl();
    ~CStandardListCtrl() override;

    // Face name and size in pixels of the column titles.
    void SetHeaderFont(const std::string& faceName, int size);
    // Colour of the column titles, as COLORREF (the layout frame parses the
    // layout's "red,green,blue" text and passes the result).
    void SetHeaderTextColor(COLORREF color);
    // Scales the header's height and lays the list out again.
    void SetHeaderHeightScale(float scale);

    CStandardHeaderCtrl m_wndHeader;

protected:
    int OnCreate() override;
    // The header is measured with the list's font, as the list view's own
    // header would be.
    void OnSetFont(const platform::Font* font, bool redraw) override;

private:
    void BindHeader();
};
