#pragma once
// Integer geometry of the window system. A rectangle holds its left, top,
// right and bottom edges; right and bottom lie just outside it, so a
// rectangle from (0, 0) to (10, 5) is 10 pixels wide and contains x = 0..9.
#include <algorithm>
#include <cstdint>

namespace platform {

struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
    Point operator+(const Point& o) const { return {x + o.x, y + o.y}; }
    Point operator-(const Point& o) const { return {x - o.x, y - o.y}; }
};

struct Size {
    int width = 0;
    int height = 0;

    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Rect FromPointSize(Point p, Size s) { return {p.x, p.y, p.x + s.width, p.y + s.height}; }
    static Rect FromXywh(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    Size GetSize() const { return {Width(), Height()}; }
    Point TopLeft() const { return {left, top}; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Rect Offset(Point d) const { return Offset(d.x, d.y); }
    Rect Deflate(int d) const { return {left + d, top + d, right - d, bottom - d}; }
    Rect MovedTo(int x, int y) const { return {x, y, x + Width(), y + Height()}; }

    // The common part of two rectangles; empty rectangles come back as all zero.
    Rect Intersect(const Rect& o) const {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
        return r.IsEmpty() ? Rect{} : r;
    }
    bool Intersects(const Rect& o) const { return !Intersect(o).IsEmpty(); }
    // The smallest rectangle holding both; an empty operand does not count.
    Rect Union(const Rect& o) const {
        if (IsEmpty()) return o;
        if (o.IsEmpty()) return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};

// Floating-point rectangle for text layout, as x, y, width and height. A
// width or height of 0 means "no limit" where the text operations say so.
struct RectF {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;

    friend bool operator==(const RectF&, const RectF&) = default;
};

// Two 16-bit coordinates packed into one message parameter, x in the low
// half; the halves are signed so that points left of or above a window
// survive the round trip.
inline std::intptr_t PackPoint(int x, int y) {
    return static_cast<std::intptr_t>(
        (static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16) | static_cast<std::uint16_t>(x));
}
inline std::intptr_t PackPoint(Point p) { return PackPoint(p.x, p.y); }
inline Point UnpackPoint(std::intptr_t value) {
    auto v = static_cast<std::uint32_t>(value);
    return {static_cast<std::int16_t>(v & 0xFFFF), static_cast<std::int16_t>(v >> 16)};
}

}  // namespace platform
