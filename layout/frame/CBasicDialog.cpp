#include "layout/frame/CBasicDialog.h"

#include "layout/ConfigPaths.h"
#include "platform/Messages.h"
#include "platform/Region.h"

CBasicDialog::CBasicDialog() = default;

CBasicDialog::~CBasicDialog()
{
    // The controls are child windows of this dialog: delete them while the
    // dialog window is still whole.
    DestroyLayoutFonts();
    DestroyLayoutCtrls();
}

bool CBasicDialog::OnInitDialog()
{
    platform::Dialog::OnInitDialog();
    return true;
}

void CBasicDialog::LoadLayout(std::string strRelativePath, std::int32_t nDialogID, std::string strSection)
{
    LoadLayoutFromPath(MakeConfigPath(strRelativePath), nDialogID, std::move(strSection));
    m_bNotifySize = TRUE;
}

void CBasicDialog::ApplyDialogLayout()
{
    SetBGImage(layout.strBGPath, 1, 0, 0);
    SetBGColor(layout.clrBG);
    m_nPaintMode = static_cast<std::uint32_t>(layout.nPaintMode);
    SetTextFont(layout.strFont, layout.nFontSize);
    SetTextColor(layout.clrText);
    CBasicPropertyFrame::SetText(layout.strText, layout.ptTextOffset.x, layout.ptTextOffset.y);
    platform::Window::SetText(layout.strText);

    // The size is right by bottom of the layout rectangle (x + w by y + h),
    // the position stays where the window is.
    const platform::Rect current = WindowRect();
    Move(current.left, current.top, layout.rcPos.right, layout.rcPos.bottom, true);
    const platform::Rect now = WindowRect();
    layout.rcPos = LayoutRect{now.left, now.top, now.right, now.bottom};
}

void CBasicDialog::CreateLayoutCtrls()
{
    DestroyLayoutFonts();
    DestroyLayoutCtrls();
    ApplyTemplateCtrlLayouts();
}

void CBasicDialog::ApplyTemplateCtrlLayouts()
{
    for (const auto& [id, record] : layout.mapCtrlLayouts) {
        platform::Window* child = FindChild(id);
        if (child == nullptr) continue;
        const LayoutRect& r = record.rcPos;
        child->Move(r.left, r.top, r.right - r.left, r.bottom - r.top, true);
        child->Show(record.nShow);
        child->SetText(record.strText);
        if (platform::Font* font = CreateLayoutFont(record.strFont, record.nFontSize)) child->SetFont(font, true);
    }
}

void CBasicDialog::OnPaint(platform::DeviceContext& dc)
{
    const platform::Rect client = ClientRect();
    platform::MemoryDC memory(dc, client.Width(), client.Height());
    DrawDialog(memory);
    dc.Copy(0, 0, client.Width(), client.Height(), memory, 0, 0);
}

void CBasicDialog::DrawDialog(platform::DeviceContext& dc)
{
    dc.FillSolidRect(ClientRect(), layout.clrBG);
}

bool CBasicDialog::OnEraseBackground(platform::DeviceContext&)
{
    // Everything is painted by the one copy of OnPaint; erasing would flicker.
    return true;
}

std::optional<platform::Argb> CBasicDialog::OnCtlColor(platform::DeviceContext& dc, platform::Window* control,
                                                      int kind)
{
    const std::optional<platform::Argb> standard = platform::Dialog::OnCtlColor(dc, control, kind);
    ControlLayout record;
    if (control != nullptr && GetCtrlLayout(control->ControlId(), record) == 0) dc.SetTextColor(record.clrText);
    if (kind == platform::CTLCOLOR_DLG && !layout.strBGColor.empty()) return ColorRefToArgb(layout.clrBG);
    return standard;
}

void CBasicDialog::OnSize(int sizeType, int cx, int cy)
{
    platform::Dialog::OnSize(sizeType, cx, cy);
    OnSizeChanged(sizeType, cx, cy);
}

void CBasicDialog::OnSizeChanged(int, int cx, int cy)
{
    if (m_bNotifySize) {
        OnParentSizeChanged(cx - (m_rcLastClient.right - m_rcLastClient.left),
                            cy - (m_rcLastClient.bottom - m_rcLastClient.top));
    }
    m_rcLastClient = ClientRect();
}

void CBasicDialog::ApplyRoundRegion()
{
    const platform::Rect client = ClientRect();
    SetRegion(platform::Region::RoundRect(platform::Rect{0, 0, client.Width() + 1, client.Height() + 1}, 5, 5), true);
}
