#include "platform/Region.h"

#include <cairo.h>

#include <cmath>
#include <utility>

namespace platform {

namespace {
cairo_rectangle_int_t ToCairo(const Rect& r) { return {r.left, r.top, r.Width(), r.Height()}; }
}  // namespace

Region::Region() : region_(cairo_region_create()) {}

Region::Region(const Rect& rect) {
    if (rect.IsEmpty()) {
        region_ = cairo_region_create();
    } else {
        cairo_rectangle_int_t r = ToCairo(rect);
        region_ = cairo_region_create_rectangle(&r);
    }
}

Region Region::RoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight) {
    Region result;
    if (rect.IsEmpty()) return result;
    double rx = std::min(ellipseWidth, rect.Width()) / 2.0;
    double ry = std::min(ellipseHeight, rect.Height()) / 2.0;
    if (rx <= 0 || ry <= 0) return Region(rect);
    // Each row is one span; rows inside a corner band are inset by the
    // ellipse's horizontal extent at the row's pixel centre.
    for (int y = rect.top; y < rect.bottom; ++y) {
        double fromTop = y - rect.top + 0.5;
        double fromBottom = rect.bottom - y - 0.5;
        double d = std::min(fromTop, fromBottom);
        int inset = 0;
        if (d < ry) {
            double dy = ry - d;
            double dx = rx * std::sqrt(std::max(0.0, 1.0 - (dy / ry) * (dy / ry)));
            inset = static_cast<int>(std::ceil(rx - dx - 0.5));
            if (inset < 0) inset = 0;
        }
        Rect row{rect.left + inset, y, rect.right - inset, y + 1};
        if (!row.IsEmpty()) result.Add(row);
    }
    return result;
}

Region::~Region() {
    if (region_) cairo_region_destroy(region_);
}

Region::Region(const Region& other) : region_(cairo_region_copy(other.region_)) {}

Region& Region::operator=(const Region& other) {
    if (this != &other) {
        cairo_region_t* copy = cairo_region_copy(other.region_);
        cairo_region_destroy(region_);
        region_ = copy;
    }
    return *this;
}

Region::Region(Region&& other) noexcept : region_(std::exchange(other.region_, cairo_region_create())) {}

Region& Region::operator=(Region&& other) noexcept {
    if (this != &other) std::swap(region_, other.region_);
    return *this;
}

void Region::Subtract(const Rect& rect) {
    if (rect.IsEmpty()) return;
    cairo_rectangle_int_t r = ToCairo(rect);
    cairo_region_subtract_rectangle(region_, &r);
}

void Region::Subtract(const Region& other) { cairo_region_subtract(region_, other.region_); }

void Region::Add(const Rect& rect) {
    if (rect.IsEmpty()) return;
    cairo_rectangle_int_t r = ToCairo(rect);
    cairo_region_union_rectangle(region_, &r);
}

void Region::Intersect(const Rect& rect) {
    cairo_rectangle_int_t r = ToCairo(rect.IsEmpty() ? Rect{} : rect);
    cairo_region_intersect_rectangle(region_, &r);
}

void Region::Translate(int dx, int dy) { cairo_region_translate(region_, dx, dy); }

bool Region::Contains(Point p) const { return cairo_region_contains_point(region_, p.x, p.y); }

bool Region::IsEmpty() const { return cairo_region_is_empty(region_); }

Rect Region::Bounds() const {
    cairo_rectangle_int_t r;
    cairo_region_get_extents(region_, &r);
    return Rect::FromXywh(r.x, r.y, r.width, r.height);
}

std::vector<Rect> Region::Rects() const {
    std::vector<Rect> rects;
    int n = cairo_region_num_rectangles(region_);
    rects.reserve(n);
    for (int i = 0; i < n; ++i) {
        cairo_rectangle_int_t r;
        cairo_region_get_rectangle(region_, i, &r);
        rects.push_back(Rect::FromXywh(r.x, r.y, r.width, r.height));
    }
    return rects;
}

bool Region::operator==(const Region& other) const { return cairo_region_equal(region_, other.region_); }

}  // namespace platform
