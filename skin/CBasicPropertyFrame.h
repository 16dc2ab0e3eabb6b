#pragma once
// The drawing properties every skinned window carries next to its window
// base: a paint mode choosing the background layers, three colours, a
// background picture cut into state pictures (a status strip), a text with
// its font, colour and offset, a snapshot of the parent's pixels under the
// window (pseudo-transparency) and an optional tooltip.
//
// Texts are UTF-8 std::string here (the platform's text layout takes UTF-8)
// where the layout files' first platform kept UTF-16 strings; nothing
// else changes.
// Colours arrive as COLORREF (0x00BBGGRR, as the layout frame passes them)
// and are kept as ARGB.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/Bool.h"
#include "platform/Color.h"
#include "platform/DeviceContext.h"
#include "platform/Font.h"
#include "platform/Geometry.h"
#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "platform/ToolTip.h"
#include "platform/Window.h"
#include "skin/PaintMode.h"

using COLORREF = platform::ColorRef;
using ARGB = platform::Argb;

class CBasicPropertyFrame {
public:
    CBasicPropertyFrame();
    virtual ~CBasicPropertyFrame();
    CBasicPropertyFrame(const CBasicPropertyFrame&) = delete;
    CBasicPropertyFrame& operator=(const CBasicPropertyFrame&) = delete;

    // Paints the layers chosen by m_nPaintMode into dc, in the order parent
    // snapshot, fill colour, border, whole picture. g is bound to dc and the
    // caller has chosen its smoothing. Layers that need the window itself
    // are skipped without one; the snapshot needs the parent too.
    virtual void DrawBackground(platform::Window* pParent, platform::Window* pSelf, platform::Graphics& g,
                                platform::DeviceContext& dc);
    // Moves (mode 2) or stretches (mode 3) a child window with a change of
    // its parent's size, per axis; mode 1 keeps the axis. Any other mode on
    // either axis leaves the rectangle as it is, but the window is still
    // moved there and repainted.
    virtual void MoveWithParent(platform::Window* hCtrl, int dx, int dy, int nHorzMode, int nVertMode);
    // A change of the window's own client size, passed on when m_bNotifySize
    // is set. Does nothing here.
    virtual void OnParentSizeChanged(int dx, int dy);

    // Replaces the background picture with the one read from path (a full
    // path), drawn at (x, y), cut into statusCount states.
    void SetBGImage(const std::string& path, int statusCount, int x, int y);
    // Recomputes picture size and state width; a count of 0 is taken as 1.
    void UpdateImageMetrics(int statusCount);
    void SetBGColor(COLORREF color);
    void SetTextColor(COLORREF color);
    void SetText(std::string_view text, int x, int y);
    // Face name and size in pixels.
    void SetTextFont(const std::string& faceName, int size);
    // A tooltip owned by hCtrl that shows text while the pointer rests on it.
    void CreateToolTip(platform::Window* hCtrl, std::string_view text);
    // Takes a new snapshot of the pixels under hCtrl from dc, which holds
    // hParent's freshly painted client area.
    void CaptureBackground(platform::DeviceContext& dc, platform::Window* hCtrl, platform::Window* hParent);

    static constexpr ARGB ColorRefToArgb(COLORREF color)
    {
        return 0xFF000000u | (color & 0xFFu) << 16 | ((color >> 8) & 0xFFu) << 8 | ((color >> 16) & 0xFFu);
    }

    // State `index` of the strip at m_ptImagePos, unscaled. The metrics are
    // computed first when a state would have no size (the picture may have
    // been set before it could be measured). Nothing without a picture or
    // for an index the strip does not have.
    void DrawStatusImage(platform::Graphics& g, int index, int x, int y);
    void DrawStatusImage(platform::Graphics& g, int index) { DrawStatusImage(g, index, m_ptImagePos.x, m_ptImagePos.y); }
    // Whether there is a text and a font it can be drawn with.
    bool HasDrawableText() const;

    // Fields, with their initial values.
    std::unique_ptr<platform::MemoryDC> m_dcBGSnapshot;
    std::uint32_t m_nPaintMode = 0;
    ARGB m_clrBorder = 0xFFFFFFFF;
    ARGB m_clrBG = 0xFFFFFFFF;
    std::unique_ptr<platform::Picture> m_pBGImage;
    platform::Point m_ptImagePos{0, 0};
    int m_nImageWidth = 0;
    int m_nImageHeight = 0;
    int m_nStatusWidth = 0;
    int m_nStatusCount = 1;
    int m_nStatusIndex = 0;
    std::unique_ptr<platform::Font> m_pTextFont;
    ARGB m_clrText = 0xFF000000;
    std::optional<std::string> m_strText;
    platform::Point m_ptTextOffset{0, 0};
    platform::Rect m_rcLastClient{};
    BOOL m_bNotifySize = FALSE;
    // The tooltip of the control it was made for; it goes with the control.
    std::unique_ptr<platform::ToolTip> m_hToolTip;
};

// The font every frame starts with.
inline constexpr const char* kDefaultSkinFontFace = "宋体";
inline constexpr int kDefaultSkinFontSize = 12;
