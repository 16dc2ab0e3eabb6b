#pragma once
// A set of pixels made of rectangles (a cairo region): the outline of a
// shaped window. Value type; copies are deep.
#include <vector>

#include "platform/Geometry.h"

typedef struct _cairo_region cairo_region_t;

namespace platform {

class Region {
public:
    Region();  // empty
    explicit Region(const Rect& rect);
    // A rectangle with rounded corners: each corner is a quarter of an
    // ellipse of ellipseWidth x ellipseHeight, as the classic rounded
    // rectangle region. Rows are filled from the ellipse's pixel centres.
    static Region RoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight);
    ~Region();
    Region(const Region& other);
    Region& operator=(const Region& other);
    Region(Region&& other) noexcept;
    Region& operator=(Region&& other) noexcept;

    void Subtract(const Rect& rect);
    void Subtract(const Region& other);
    void Add(const Rect& rect);
    void Intersect(const Rect& rect);
    void Translate(int dx, int dy);

    bool Contains(Point p) const;
    bool IsEmpty() const;
    Rect Bounds() const;
    std::vector<Rect> Rects() const;
    bool operator==(const Region& other) const;

    cairo_region_t* Native() const { return region_; }

private:
    cairo_region_t* region_ = nullptr;
};

}  // namespace platform
