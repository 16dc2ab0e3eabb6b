#pragma once
// Screenshots of windows as PNG files, from the pixels the window last
// painted into its back store (no display needed). Pixels a shaped
// top-level window has cut away come out transparent.
#include <string>

#include "platform/Bitmap.h"

namespace platform {

class Window;

// The window's pixels (non-client area included), cut by its region.
Bitmap CaptureWindow(const Window& window);
bool SaveWindowPng(const Window& window, const std::string& path);

}  // namespace platform
