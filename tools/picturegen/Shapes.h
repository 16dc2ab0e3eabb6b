#pragma once
// Small drawing helpers shared by the pictures.
#include <cairo.h>

#include "tools/picturegen/Palette.h"

// Adds a rectangle with corners of the given radius to the current path.
void AddRoundedRectangle(cairo_t* cr, double x, double y, double width, double height, double radius);

// Sets a vertical linear gradient from `top` at y0 to `bottom` at y1 as source.
void SetVerticalGradient(cairo_t* cr, double y0, Rgb top, double y1, Rgb bottom, double alpha = 1.0);

// Fills one row of pixels, y to y + 1, from x0 to x1 with a solid colour.
void FillPixelRow(cairo_t* cr, double x0, double x1, double y, Rgb colour, double alpha = 1.0);
