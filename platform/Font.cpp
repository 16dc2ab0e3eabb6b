#include "platform/Font.h"

#include <pango/pangocairo.h>

#include "platform/TextLayout.h"

namespace platform {

namespace {
PangoFontDescription* MakeDescription(const std::string& face, float size, FontStyle style) {
    PangoFontDescription* d = pango_font_description_new();
    // An empty face leaves the choice to fontconfig's default.
    pango_font_description_set_family(d, face.empty() ? "sans-serif" : face.c_str());
    pango_font_description_set_absolute_size(d, std::max(size, 1.0f) * PANGO_SCALE);
    bool bold = style == FontStyle::Bold || style == FontStyle::BoldItalic;
    bool italic = style == FontStyle::Italic || style == FontStyle::BoldItalic;
    pango_font_description_set_weight(d, bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(d, italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    return d;
}
}  // namespace

Font::Font(std::string faceName, float sizeInPixels, FontStyle style)
    : faceName_(std::move(faceName)), size_(sizeInPixels), style_(style),
      description_(MakeDescription(faceName_, size_, style_)) {}

Font::~Font() { pango_font_description_free(description_); }

Font::Font(const Font& other)
    : faceName_(other.faceName_), size_(other.size_), style_(other.style_),
      description_(pango_font_description_copy(other.description_)), lineHeight_(other.lineHeight_) {}

Font& Font::operator=(const Font& other) {
    if (this != &other) {
        PangoFontDescription* copy = pango_font_description_copy(other.description_);
        pango_font_description_free(description_);
        description_ = copy;
        faceName_ = other.faceName_;
        size_ = other.size_;
        style_ = other.style_;
        lineHeight_ = other.lineHeight_;
    }
    return *this;
}

int Font::LineHeight() const {
    if (lineHeight_ < 0) lineHeight_ = TextLayout::LineHeight(*this);
    return lineHeight_;
}

const Font& Font::Default() {
    static const Font font("DejaVu Sans", 12.0f);
    return font;
}

}  // namespace platform
