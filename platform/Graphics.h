#pragma once
// The drawing object bound to a device context: fills, 1-pixel lines,
// gradients, pictures and text. Integer coordinates name pixels: a filled
// rectangle (x, y, w, h) covers columns x..x+w-1, and a 1-pixel rectangle
// outline (x, y, w, h) lies on columns x and x+w and rows y and y+h, exactly
// on those pixels, with or without anti-aliasing.
#include <string_view>

#include "platform/Color.h"
#include "platform/DeviceContext.h"
#include "platform/Font.h"
#include "platform/Geometry.h"
#include "platform/Picture.h"

typedef struct _cairo cairo_t;

namespace platform {

enum class SmoothingMode { Default, HighSpeed, AntiAlias };

enum class StringAlignment { Near, Center, Far };

enum class StringTrimming {
    Clip,          // lines that do not fit are cut off
    EllipsisWord,  // the last line that fits ends at a word boundary with "..."
};

struct StringFormat {
    StringAlignment alignment = StringAlignment::Near;      // horizontal
    StringAlignment lineAlignment = StringAlignment::Near;  // vertical
    StringTrimming trimming = StringTrimming::Clip;
    bool noWrap = false;  // keep every paragraph on one line
};

class Graphics {
public:
    explicit Graphics(DeviceContext& dc);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    // Anti-aliasing of fills, lines and stretched pictures. Default and
    // HighSpeed draw without it; text is always smoothed.
    void SetSmoothingMode(SmoothingMode mode);
    SmoothingMode GetSmoothingMode() const { return smoothing_; }
    void SetAntiAlias(bool on) { SetSmoothingMode(on ? SmoothingMode::AntiAlias : SmoothingMode::HighSpeed); }

    void FillRectangle(Argb color, int x, int y, int width, int height);
    void FillRectangle(Argb color, const Rect& rect) { FillRectangle(color, rect.left, rect.top, rect.Width(), rect.Height()); }
    // 1-pixel outline on columns x and x+width, rows y and y+height.
    void DrawRectangle(Argb color, int x, int y, int width, int height);
    // 1-pixel line from (x1, y1) to (x2, y2), both end pixels included.
    void DrawLine(Argb color, int x1, int y1, int x2, int y2);
    // Fills the rectangle with a vertical linear gradient from top to bottom.
    void FillVerticalGradient(const Rect& rect, Argb top, Argb bottom);

    // The whole picture at its natural size, top-left at (x, y).
    void DrawImage(const Picture& picture, int x, int y);
    // The source rectangle of the picture into the destination rectangle,
    // stretched when their sizes differ (an unscaled copy when they agree).
    void DrawImage(const Picture& picture, const Rect& destination, const Rect& source);

    // One line (or several, at line breaks in the text) with its top-left at
    // (x, y); nothing is wrapped or clipped.
    void DrawString(std::string_view text, const Font& font, Argb color, float x, float y);
    // Text laid out in a rectangle. A width of 0 means no wrapping and no
    // horizontal limit; a height of 0 means no vertical limit. Lines wrap at
    // word boundaries within the width; with a height, what does not fit is
    // cut off (or trimmed with an ellipsis).
    void DrawString(std::string_view text, const Font& font, Argb color, const RectF& layout,
                    const StringFormat& format = {});
    // The rectangle the text would occupy in the same layout (x and y of the
    // layout, width and height of the laid-out text).
    RectF MeasureString(std::string_view text, const Font& font, const RectF& layout,
                        const StringFormat& format = {});

    // Restricts all later drawing to a rectangle (within the current clip).
    void IntersectClip(const Rect& rect);

    cairo_t* Cairo() const { return cr_; }

private:
    void ApplySmoothing();
    cairo_t* cr_ = nullptr;
    SmoothingMode smoothing_ = SmoothingMode::Default;
};

}  // namespace platform
