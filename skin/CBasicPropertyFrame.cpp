#include "skin/CBasicPropertyFrame.h"

#include "skin/StatusStrip.h"

using platform::DeviceContext;
using platform::Graphics;
using platform::MemoryDC;
using platform::Point;
using platform::Rect;
using platform::Window;

namespace {

// The window rectangle of `self` in the client coordinates of `parent`.
Rect WindowRectInClientOf(const Window& self, const Window& parent)
{
    return parent.ScreenToClient(self.WindowRect());
}

} // namespace

CBasicPropertyFrame::CBasicPropertyFrame()
    : m_pTextFont(std::make_unique<platform::Font>(kDefaultSkinFontFace, static_cast<float>(kDefaultSkinFontSize)))
{
}

CBasicPropertyFrame::~CBasicPropertyFrame() = default;

void CBasicPropertyFrame::DrawBackground(Window* pParent, Window* pSelf, Graphics& g, DeviceContext& dc)
{
    if ((m_nPaintMode & PAINT_PARENTBG) != 0 && pParent != nullptr && pSelf != nullptr) {
        const Rect place = WindowRectInClientOf(*pSelf, *pParent);
        const int w = place.Width();
        const int h = place.Height();
        if (!m_dcBGSnapshot) {
            // Painted before the parent captured anything: take what the
            // parent shows under the window now, and keep it.
            DeviceContext parentDc = pParent->GetClientDC();
            auto snapshot = std::make_unique<MemoryDC>(parentDc, w, h);
            snapshot->Copy(0, 0, w, h, parentDc, place.left, place.top);
            m_dcBGSnapshot = std::move(snapshot);
        }
        dc.Copy(0, 0, w, h, *m_dcBGSnapshot, 0, 0);
    }
    if (pSelf == nullptr) {
        return;
    }
    const Rect client = pSelf->ClientRect();
    if ((m_nPaintMode & PAINT_BGCOLOR) != 0) {
        g.FillRectangle(m_clrBG, client);
    }
    if ((m_nPaintMode & PAINT_BORDER) != 0) {
        // On the outermost row and column of pixels.
        g.DrawRectangle(m_clrBorder, client.left, client.top, client.right - 1 - client.left,
                        client.bottom - 1 - client.top);
    }
    if ((m_nPaintMode & PAINT_BGIMAGE) != 0 && m_pBGImage) {
        // The whole picture, every state, unscaled.
        const Rect whole{0, 0, m_nImageWidth, m_nImageHeight};
        g.DrawImage(*m_pBGImage, whole, whole);
    }
}

void CBasicPropertyFrame::MoveWithParent(Window* hCtrl, int dx, int dy, int nHorzMode, int nVertMode)
{
    if (hCtrl == nullptr) {
        return;
    }
    Rect rect = hCtrl->ClientToScreen(hCtrl->ClientRect());
    if (!hCtrl->IsTopLevel() && hCtrl->Parent() != nullptr) {
        rect = hCtrl->Parent()->ScreenToClient(rect);
    }
    const auto known = [](int mode) { return mode >= 1 && mode <= 3; };
    if (known(nHorzMode) && known(nVertMode)) {
        if (nHorzMode == 2) {
            rect.left += dx;
            rect.right += dx;
        } else if (nHorzMode == 3) {
            rect.right += dx;
        }
        if (nVertMode == 2) {
            rect.top += dy;
            rect.bottom += dy;
        } else if (nVertMode == 3) {
            rect.bottom += dy;
        }
    }
    hCtrl->Move(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, true);
}

void CBasicPropertyFrame::OnParentSizeChanged(int dx, int dy)
{
    (void)dx;
    (void)dy;
}

void CBasicPropertyFrame::SetBGImage(const std::string& path, int statusCount, int x, int y)
{
    m_pBGImage.reset();
    m_ptImagePos = Point{x, y};
    // A missing or unreadable file still gives a picture object, an empty
    // one, so the metrics below come out as 0 and nothing is drawn.
    m_pBGImage = std::make_unique<platform::Picture>(platform::Picture::Load(path));
    UpdateImageMetrics(statusCount);
}

void CBasicPropertyFrame::UpdateImageMetrics(int statusCount)
{
    if (!m_pBGImage) {
        return;
    }
    m_nImageWidth = m_pBGImage->Width();
    m_nImageHeight = m_pBGImage->Height();
    const StatusStripMetrics metrics = ComputeStatusStrip(m_nImageWidth, statusCount);
    m_nStatusCount = metrics.statusCount;
    m_nStatusWidth = metrics.statusWidth;
}

void CBasicPropertyFrame::SetBGColor(COLORREF color)
{
    m_clrBG = ColorRefToArgb(color);
}

void CBasicPropertyFrame::SetTextColor(COLORREF color)
{
    m_clrText = ColorRefToArgb(color);
}

void CBasicPropertyFrame::SetText(std::string_view text, int x, int y)
{
    m_strText = std::string(text);
    m_ptTextOffset = Point{x, y};
}

void CBasicPropertyFrame::SetTextFont(const std::string& faceName, int size)
{
    m_pTextFont.reset();
    // A size of 0 or less gives an unusable font: no text is drawn with it.
    m_pTextFont = std::make_unique<platform::Font>(faceName, static_cast<float>(size));
}

void CBasicPropertyFrame::CreateToolTip(Window* hCtrl, std::string_view text)
{
    if (hCtrl == nullptr) {
        return;
    }
    auto tip = std::make_unique<platform::ToolTip>();
    // A tooltip that cannot be made leaves the control without one.
    if (!tip->Create(hCtrl)) {
        return;
    }
    tip->Activate(true);
    tip->AddTool(*hCtrl, std::string(text));
    m_hToolTip = std::move(tip);
}

void CBasicPropertyFrame::CaptureBackground(DeviceContext& dc, Window* hCtrl, Window* hParent)
{
    if (hCtrl == nullptr || hParent == nullptr || !dc.IsValid()) {
        return;
    }
    const Rect client = hCtrl->ClientRect();
    const Point corner = WindowRectInClientOf(*hCtrl, *hParent).TopLeft();
    m_dcBGSnapshot.reset();
    auto snapshot = std::make_unique<MemoryDC>(dc, client.Width(), client.Height());
    snapshot->Copy(0, 0, client.Width(), client.Height(), dc, corner.x, corner.y);
    m_dcBGSnapshot = std::move(snapshot);
}

void CBasicPropertyFrame::DrawStatusImage(Graphics& g, int index, int x, int y)
{
    if (m_nStatusWidth == 0 || m_nImageHeight == 0) {
        UpdateImageMetrics(m_nStatusCount);
    }
    // A state the strip does not have (a task status icon beyond a short
    // strip) draws nothing rather than pixels from outside the picture.
    if (!m_pBGImage || index < 0 || index >= m_nStatusCount) {
        return;
    }
    const Rect source = Rect::FromXywh(StatusSourceX(index, m_nStatusWidth), 0, m_nStatusWidth, m_nImageHeight);
    g.DrawImage(*m_pBGImage, Rect::FromXywh(x, y, m_nStatusWidth, m_nImageHeight), source);
}

bool CBasicPropertyFrame::HasDrawableText() const
{
    return m_strText.has_value() && !m_strText->empty() && m_pTextFont && m_pTextFont->IsUsable();
}
