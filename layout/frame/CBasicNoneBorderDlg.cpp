#include "layout/frame/CBasicNoneBorderDlg.h"

#include "layout/frame/Bmp24File.h"
#include "layout/frame/RegionKeyPixels.h"
#include "platform/Messages.h"
#include "platform/Region.h"

CBasicNoneBorderDlg::CBasicNoneBorderDlg() = default;
CBasicNoneBorderDlg::~CBasicNoneBorderDlg() = default;

void CBasicNoneBorderDlg::OnSizeChanged(int, int, int)
{
    if (strRegionImagePath.empty()) return;
    // The bitmap is read again at every size change; one that cannot be read
    // has no key pixels, so the window stays rectangular.
    platform::Region region(ClientRect());
    if (const std::optional<RgbPixelRows> picture = ReadBmpPixels(strRegionImagePath)) {
        for (const platform::Rect& run : FindKeyPixelRuns(*picture)) region.Subtract(run);
    }
    SetRegion(std::move(region), true);
}

void CBasicNoneBorderDlg::OnLButtonDown(std::uint32_t flags, platform::Point point)
{
    if (point.y < CaptionDragHeight) Send(platform::WM_NCLBUTTONDOWN, platform::HTCAPTION, platform::PackPoint(point));
    CBasicDialog::OnLButtonDown(flags, point);
}
