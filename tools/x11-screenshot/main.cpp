// Writes what the X server shows (the root window, or one window by id) to
// a PNG file: x11-screenshot FILE [WINDOW-ID]. For looking at real windows
// under Xvfb, shapes and all.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cairo.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE [WINDOW-ID]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open display\n");
        return 1;
    }
    ::Window target = argc > 2 ? static_cast<::Window>(std::strtoul(argv[2], nullptr, 0)) : DefaultRootWindow(display);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, target, &attributes)) {
        std::fprintf(stderr, "no such window\n");
        return 1;
    }
    XImage* image = XGetImage(display, target, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (!image) {
        std::fprintf(stderr, "cannot read the window's pixels\n");
        return 1;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image->width, image->height);
    unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image->height; ++y) {
        auto* row = reinterpret_cast<unsigned int*>(data + y * stride);
        for (int x = 0; x < image->width; ++x) row[x] = static_cast<unsigned int>(XGetPixel(image, x, y)) & 0xFFFFFF;
    }
    cairo_surface_mark_dirty(surface);
    int status = cairo_surface_write_to_png(surface, argv[1]) == CAIRO_STATUS_SUCCESS ? 0 : 1;
    cairo_surface_destroy(surface);
    XDestroyImage(image);
    XCloseDisplay(display);
    return status;
}
