#pragma once
// A device context is a place to draw: a pixel surface, the position of the
// context's (0, 0) on it and a clip rectangle. A window's paint context draws
// straight into its top-level window's back store; a MemoryDC owns an
// off-screen bitmap. Copy() is the plain pixel copy between contexts.
#include <memory>

#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "platform/Geometry.h"

namespace platform {

class DeviceContext {
public:
    // A context on a surface (one reference is taken), whose (0, 0) lies at
    // origin on the surface and which draws only inside clip (in surface
    // coordinates).
    DeviceContext(cairo_surface_t* surface, Point origin, Rect clipOnSurface);
    virtual ~DeviceContext();
    DeviceContext(DeviceContext&& other) noexcept;
    DeviceContext& operator=(DeviceContext&& other) noexcept;
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    bool IsValid() const { return surface_ != nullptr; }
    cairo_surface_t* Surface() const { return surface_; }
    Point Origin() const { return origin_; }
    // The clip rectangle in this context's own coordinates.
    Rect ClipRect() const { return clip_.Offset(-origin_.x, -origin_.y); }

    // Copies w x h pixels from (sx, sy) of src to (x, y) of this context,
    // replacing what was there (alpha included), inside this context's clip.
    void Copy(int x, int y, int w, int h, const DeviceContext& src, int sx, int sy);
    // Fills a rectangle with an opaque colour.
    void FillSolidRect(const Rect& rect, ColorRef color);
    // One pixel in this context's coordinates as straight Argb.
    Argb PixelAt(int x, int y) const;

    // Colours a control paints its text and text background with; set by
    // the parent's control-colour handler.
    ColorRef TextColor() const { return textColor_; }
    void SetTextColor(ColorRef color) { textColor_ = color; }
    ColorRef BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(ColorRef color) { backgroundColor_ = color; }

protected:
    DeviceContext() = default;
    void Retarget(cairo_surface_t* surface, Point origin, Rect clipOnSurface);

private:
    cairo_surface_t* surface_ = nullptr;
    Point origin_;
    Rect clip_;
    ColorRef textColor_ = 0x000000;
    ColorRef backgroundColor_ = 0xFFFFFF;
};

// An off-screen context that owns its bitmap. Made with a size, or empty and
// given a bitmap later with SelectBitmap.
class MemoryDC : public DeviceContext {
public:
    MemoryDC();
    MemoryDC(int width, int height);
    // A context of the same kind as another one (every context here is
    // ARGB32), with a new bitmap of the given size.
    MemoryDC(const DeviceContext& compatibleWith, int width, int height);
    MemoryDC(MemoryDC&&) noexcept = default;
    MemoryDC& operator=(MemoryDC&&) noexcept = default;

    // Puts a bitmap into the context and hands back the one it held.
    Bitmap SelectBitmap(Bitmap bitmap);
    const Bitmap& GetBitmap() const { return bitmap_; }
    Bitmap& GetBitmap() { return bitmap_; }
    Size GetSize() const { return bitmap_.GetSize(); }

private:
    Bitmap bitmap_;
};

}  // namespace platform
