#pragma once
// A font by face name and size in pixels, through pango and fontconfig.
// A face that is not installed falls back to the system's default face, and
// characters the chosen face lacks (Chinese, Japanese) come from whichever
// installed face has them, so text is always drawn.
#include <memory>
#include <string>

typedef struct _PangoFontDescription PangoFontDescription;

namespace platform {

enum class FontStyle { Regular, Bold, Italic, BoldItalic };

class Font {
public:
    Font(std::string faceName, float sizeInPixels, FontStyle style = FontStyle::Regular);
    ~Font();
    Font(const Font& other);
    Font& operator=(const Font& other);

    const std::string& FaceName() const { return faceName_; }
    float SizeInPixels() const { return size_; }
    FontStyle GetStyle() const { return style_; }
    // A size of 0 or less makes an unusable font: nothing is drawn with it.
    bool IsUsable() const { return size_ > 0; }
    // Height of one line of text in pixels (ascent plus descent).
    int LineHeight() const;

    PangoFontDescription* Description() const { return description_; }

    // The font the stock controls use when none was set.
    static const Font& Default();

private:
    std::string faceName_;
    float size_;
    FontStyle style_;
    PangoFontDescription* description_ = nullptr;
    mutable int lineHeight_ = -1;
};

}  // namespace platform
