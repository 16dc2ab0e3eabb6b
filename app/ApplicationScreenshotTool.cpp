// scoutrel-screenshot: saves what an X display shows as a PNG file, so that a
// run of the program on a display without a screen (Xvfb in the network lab)
// leaves a picture to look at.
//
//   scoutrel-screenshot OUT.png [WINDOW-ID]
//
// Without a window id the whole screen is saved.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cairo.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fputs("Usage: scoutrel-screenshot OUT.png [WINDOW-ID]\n", stderr);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("scoutrel-screenshot: cannot open the display named by DISPLAY\n", stderr);
        return 1;
    }
    Window window = DefaultRootWindow(display);
    if (argc == 3) window = static_cast<Window>(std::strtoul(argv[2], nullptr, 0));
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) {
        std::fputs("scoutrel-screenshot: no such window\n", stderr);
        return 1;
    }
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        std::fputs("scoutrel-screenshot: the window's pixels cannot be read\n", stderr);
        return 1;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image->width, image->height);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    cairo_surface_flush(surface);
    for (int y = 0; y < image->height; ++y) {
        auto* row = reinterpret_cast<unsigned*>(data + y * stride);
        for (int x = 0; x < image->width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            const unsigned red = static_cast<unsigned>((pixel & image->red_mask) >> __builtin_ctzl(image->red_mask));
            const unsigned green =
                static_cast<unsigned>((pixel & image->green_mask) >> __builtin_ctzl(image->green_mask));
            const unsigned blue = static_cast<unsigned>((pixel & image->blue_mask) >> __builtin_ctzl(image->blue_mask));
            row[x] = (red << 16) | (green << 8) | blue;
        }
    }
    cairo_surface_mark_dirty(surface);
    const cairo_status_t status = cairo_surface_write_to_png(surface, argv[1]);
    cairo_surface_destroy(surface);
    XDestroyImage(image);
    XCloseDisplay(display);
    if (status != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "scoutrel-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
