#pragma once
// Internal: text laid out with pango for drawing and measuring. Measuring
// and drawing use the same font options so that a measured string draws in
// exactly the measured size.
#include <string>
#include <string_view>

#include "platform/Font.h"
#include "platform/Graphics.h"

typedef struct _PangoLayout PangoLayout;

namespace platform {

class TextLayout {
public:
    // Lays the text out for drawing on cr, or for measuring when cr is null.
    // width <= 0: no wrapping; height <= 0: no line limit. With a height and
    // trimming, the text is cut at a word boundary and ends with an
    // ellipsis so that it fits.
    TextLayout(cairo_t* cr, std::string_view text, const Font& font, float width, float height,
               const StringFormat& format);
    ~TextLayout();
    TextLayout(const TextLayout&) = delete;
    TextLayout& operator=(const TextLayout&) = delete;

    // Logical size of the laid-out text in pixels.
    float Width() const { return width_; }
    float Height() const { return height_; }
    PangoLayout* Layout() const { return layout_; }

    static int LineHeight(const Font& font);

private:
    void Relayout(const std::string& text);
    void TrimToFit(std::string_view text, int maxLines, float width, bool noWrap);
    PangoLayout* layout_ = nullptr;
    cairo_t* ownCr_ = nullptr;
    float width_ = 0;
    float height_ = 0;
};

}  // namespace platform
