#pragma once
// The eight built-in pictures, each drawn from scratch into a new surface.
// RGB pictures are CAIRO_FORMAT_RGB24 surfaces, pictures with transparency
// CAIRO_FORMAT_ARGB32. The drawing uses no fonts and no randomness, so the
// same library versions always give the same pixels.
#include "tools/picturegen/CairoHandles.h"

// Picture sizes.
namespace picture_size {
inline constexpr int kBrushWidth = 224, kBrushHeight = 14;
inline constexpr int kLogoSide = 16;
inline constexpr int kHeaderWidth = 249, kHeaderHeight = 17;
inline constexpr int kHeaderClipWidth = 1, kHeaderClipHeight = 12;
inline constexpr int kCloseStateSide = 11;
inline constexpr int kButtonStateWidth = 79, kButtonStateHeight = 23;
inline constexpr int kStateCount = 4;
}  // namespace picture_size

// Button states in strip order.
enum class ButtonState { Normal, Hover, Pressed, Disabled };

// The window background, 328 x 245, RGB.
SurfacePtr DrawBackground();
// The same background with the region key colour in its top corners, for the
// 24-bit bitmap that gives the borderless window its outline.
SurfacePtr DrawRegionPicture();
// The band under the countdown text with its information sign, 224 x 14, RGB.
SurfacePtr DrawHintBand();
// The mark in the title band, 16 x 16, RGBA.
SurfacePtr DrawLogo();
// The list header background, 249 x 17, RGB, and its column separator, 1 x 12.
SurfacePtr DrawHeaderBackground();
SurfacePtr DrawHeaderSeparator();
// The close button strip, four 11 x 11 states, RGBA.
SurfacePtr DrawCloseStrip();
// The command button strip, four 79 x 23 states, RGBA.
SurfacePtr DrawButtonStrip();

// The plain body gradient of the window, in window coordinates; the hint band
// repeats it so that the band melts into the window where it fades out.
void FillWindowBody(cairo_t* cr);
