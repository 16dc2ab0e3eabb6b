#pragma once
// What the two skinned headers share: a separator picture at the right edge
// of every column, the column titles centred in their columns with the
// frame's font and colour, a horizontal shift of separators and titles (the
// task list's horizontal scroll position), and hover tracking. The two
// headers differ only in their background and where the separator sits.
#include <memory>
#include <string>

#include "core/Bool.h"
#include "skin/CBasicHeaderCtrl.h"

class CSeparatedHeaderCtrl : public CBasicHeaderCtrl {
public:
    CSeparatedHeaderCtrl();
    ~CSeparatedHeaderCtrl() override;

    // Replaces the separator picture with the one read from path.
    void SetClipImage(const std::string& path);
    void DrawHeaderItems(platform::DeviceContext& dc) override;

    std::unique_ptr<platform::Picture> m_pClipImage;
    int m_nClipWidth = 0;
    int m_nClipHeight = 0;
    // How far separators and titles are shifted to the left.
    int m_nClipOffset = 0;
    BOOL m_bHover = FALSE;

protected:
    // The header's ground over the whole client area.
    virtual void DrawHeaderGround(platform::Graphics& g, const platform::Rect& client) = 0;
    // Top of the separator of an item.
    virtual int SeparatorTop(const platform::Rect& item) const = 0;

    void OnMouseMove(std::uint32_t flags, platform::Point point) override;
    void OnMouseLeave() override;
};
