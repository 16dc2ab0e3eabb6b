#pragma once
// Internal: what the host asks of the X server directly: a window's outline
// (for drawing and for input) as a set of rectangles with the shape
// extension, and the pointer's true screen position.
#include <vector>

#include "platform/Geometry.h"

struct SDL_Window;

namespace platform {

// False when the window is not an X11 window or the server has no shapes.
bool ApplyX11Shape(SDL_Window* window, const std::vector<Rect>& rects);
// The pointer's position on the screen of the window; false off X11.
bool QueryX11Pointer(SDL_Window* window, Point& screen);

}  // namespace platform
