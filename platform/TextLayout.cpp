#include "platform/TextLayout.h"

#include <pango/pangocairo.h>

#include <cmath>
#include <vector>

namespace platform {

namespace {

void ApplyFontOptions(PangoContext* context) {
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
}

cairo_t* MeasuringContext() {
    static cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    return cairo_create(surface);
}

// Positions just before each space run, where a line may end with "...".
std::vector<std::size_t> WordEnds(std::string_view text) {
    std::vector<std::size_t> ends;
    for (std::size_t i = 1; i < text.size(); ++i)
        if ((text[i] == ' ' || text[i] == '\t' || text[i] == '\n') && text[i - 1] != ' ' && text[i - 1] != '\t')
            ends.push_back(i);
    return ends;
}

// Positions of UTF-8 character starts, for text without any word boundary.
std::vector<std::size_t> CharEnds(std::string_view text) {
    std::vector<std::size_t> ends;
    for (std::size_t i = 1; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ends.push_back(i);
    return ends;
}

}  // namespace

TextLayout::TextLayout(cairo_t* cr, std::string_view text, const Font& font, float width, float height,
                       const StringFormat& format) {
    if (!cr) cr = ownCr_ = MeasuringContext();
    layout_ = pango_cairo_create_layout(cr);
    ApplyFontOptions(pango_layout_get_context(layout_));
    pango_layout_context_changed(layout_);
    pango_layout_set_font_description(layout_, font.Description());
    bool wrap = width > 0 && !format.noWrap;
    if (wrap) {
        pango_layout_set_width(layout_, static_cast<int>(width * PANGO_SCALE));
        pango_layout_set_wrap(layout_, PANGO_WRAP_WORD_CHAR);
    }
    Relayout(std::string(text));
    if (format.trimming == StringTrimming::EllipsisWord && (height > 0 || (!wrap && width > 0))) {
        int lineHeight = LineHeight(font);
        int maxLines = height > 0 ? std::max(1, static_cast<int>(height) / std::max(1, lineHeight)) : 1 << 20;
        TrimToFit(text, maxLines, width, !wrap);
    }
}

TextLayout::~TextLayout() {
    if (layout_) g_object_unref(layout_);
    if (ownCr_) cairo_destroy(ownCr_);
}

void TextLayout::Relayout(const std::string& text) {
    pango_layout_set_text(layout_, text.data(), static_cast<int>(text.size()));
    PangoRectangle logical;
    pango_layout_get_extents(layout_, nullptr, &logical);
    width_ = static_cast<float>(logical.width) / PANGO_SCALE;
    height_ = static_cast<float>(logical.height) / PANGO_SCALE;
}

void TextLayout::TrimToFit(std::string_view text, int maxLines, float width, bool noWrap) {
    auto fits = [&]() {
        if (pango_layout_get_line_count(layout_) > maxLines) return false;
        return !(noWrap && width > 0 && width_ > width + 0.01f);
    };
    if (fits()) return;
    const std::string ellipsis = "\xE2\x80\xA6";
    // Longest prefix ending at a word boundary that fits with the ellipsis;
    // a text without a fitting word boundary is cut between characters.
    for (const auto& candidates : {WordEnds(text), CharEnds(text)}) {
        for (auto it = candidates.rbegin(); it != candidates.rend(); ++it) {
            Relayout(std::string(text.substr(0, *it)) + ellipsis);
            if (fits()) return;
        }
    }
    Relayout(ellipsis);
}

int TextLayout::LineHeight(const Font& font) {
    TextLayout layout(nullptr, "Xg", font, 0, 0, StringFormat{});
    PangoLayoutLine* line = pango_layout_get_line_readonly(layout.layout_, 0);
    PangoRectangle logical;
    pango_layout_line_get_extents(line, nullptr, &logical);
    return static_cast<int>(std::ceil(static_cast<double>(logical.height) / PANGO_SCALE));
}

}  // namespace platform
