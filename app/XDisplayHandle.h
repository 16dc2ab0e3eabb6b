#pragma once
// Owns one connection to an X display and closes it when it goes.
#include <X11/Xlib.h>

class XDisplayHandle {
public:
    // Opens the display named by DISPLAY (or the given name).
    explicit XDisplayHandle(const char* name = nullptr) : display_(XOpenDisplay(name)) {}
    ~XDisplayHandle() {
        if (display_ != nullptr) XCloseDisplay(display_);
    }
    XDisplayHandle(const XDisplayHandle&) = delete;
    XDisplayHandle& operator=(const XDisplayHandle&) = delete;

    Display* get() const { return display_; }
    explicit operator bool() const { return display_ != nullptr; }

private:
    Display* display_;
};
