#include "platform/X11Native.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

namespace platform {

bool ApplyX11Shape(SDL_Window* window, const std::vector<Rect>& rects) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    Display* display = info.info.x11.display;
    int eventBase, errorBase;
    if (!XShapeQueryExtension(display, &eventBase, &errorBase)) return false;
    std::vector<XRectangle> xrects;
    xrects.reserve(rects.size());
    for (const Rect& r : rects)
        xrects.push_back({static_cast<short>(r.left), static_cast<short>(r.top), static_cast<unsigned short>(r.Width()),
                          static_cast<unsigned short>(r.Height())});
    // The bounding shape cuts drawing; the input shape follows it, so
    // presses on cut pixels reach whatever lies below.
    for (int kind : {ShapeBounding, ShapeInput})
        XShapeCombineRectangles(display, info.info.x11.window, kind, 0, 0, xrects.data(), static_cast<int>(xrects.size()),
                                ShapeSet, Unsorted);
    XFlush(display);
    return true;
}

bool QueryX11Pointer(SDL_Window* window, Point& screen) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    ::Window root, child;
    int rootX, rootY, x, y;
    unsigned int mask;
    if (!XQueryPointer(info.info.x11.display, info.info.x11.window, &root, &child, &rootX, &rootY, &x, &y, &mask))
        return false;
    screen = {rootX, rootY};
    return true;
}

}  // namespace platform
