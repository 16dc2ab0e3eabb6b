#include "platform/Screenshot.h"

#include "platform/Window.h"

namespace platform {

Bitmap CaptureWindow(const Window& window) {
    Bitmap pixels = window.Snapshot();
    if (pixels.IsNull() || !window.IsTopLevel() || !window.GetRegion()) return pixels;
    const Region& region = *window.GetRegion();
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            if (!region.Contains({x, y})) pixels.SetPixel(x, y, 0);
    return pixels;
}

bool SaveWindowPng(const Window& window, const std::string& path) { return CaptureWindow(window).SavePng(path); }

}  // namespace platform
