#pragma once
// The header of the device list: the frame's background picture less its
// rightmost 50 columns and bottom 5 rows stretched over the whole header,
// a separator picture 4 pixels below the top at the right edge of every
// column, and the column titles centred in their columns.
#include "skin/CSeparatedHeaderCtrl.h"

class CStandardHeaderCtrl : public CSeparatedHeaderCtrl {
protected:
    void DrawHeaderGround(platform::Graphics& g, const platform::Rect& client) override;
    int SeparatorTop(const platform::Rect& item) const override { return item.top + 4; }
};
