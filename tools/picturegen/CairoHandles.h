#pragma once
// Owning handles for cairo surfaces and contexts, so that every picture is
// released on every path out of the drawing code.
#include <cairo.h>

#include <memory>

struct CairoSurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct CairoContextDeleter {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
struct CairoPatternDeleter {
    void operator()(cairo_pattern_t* pattern) const { cairo_pattern_destroy(pattern); }
};

using SurfacePtr = std::unique_ptr<cairo_surface_t, CairoSurfaceDeleter>;
using ContextPtr = std::unique_ptr<cairo_t, CairoContextDeleter>;
using PatternPtr = std::unique_ptr<cairo_pattern_t, CairoPatternDeleter>;

// A new image surface cleared to transparent black (ARGB32) or black (RGB24).
inline SurfacePtr MakeSurface(cairo_format_t format, int width, int height)
{
    return SurfacePtr(cairo_image_surface_create(format, width, height));
}

inline ContextPtr MakeContext(const SurfacePtr& surface)
{
    return ContextPtr(cairo_create(surface.get()));
}
