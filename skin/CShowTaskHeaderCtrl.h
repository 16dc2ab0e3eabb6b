#pragma once
// The header of the task list: a vertical gradient from 0xFFA9BED3 to
// 0xFFD9EAF6, a separator one pixel above the top at the right edge of every
// column (shifted with the list's horizontal scroll position), and the
// column titles centred in their columns.
#include "skin/CSeparatedHeaderCtrl.h"

inline constexpr platform::Argb kTaskHeaderTop = 0xFFA9BED3;
inline constexpr platform::Argb kTaskHeaderBottom = 0xFFD9EAF6;

class CShowTaskHeaderCtrl : public CSeparatedHeaderCtrl {
public:
    // The height of the band the list keeps for its header; the header takes
    // exactly that height so the list's rows start right below it. 0 keeps
    // the (scaled) height the header computes itself.
    int m_nBandHeight = 0;

protected:
    void DrawHeaderGround(platform::Graphics& g, const platform::Rect& client) override;
    int SeparatorTop(const platform::Rect& item) const override { return item.top - 1; }
    void OnLayout(platform::HeaderLayout& layout) override;
};
