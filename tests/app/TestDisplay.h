#pragma once
// Opens the test display. An X server without other clients resets itself
// when its last client leaves and refuses connections for a moment while it
// does; tests that follow each other on the same Xvfb meet that, so the
// connection is tried again for a short while. A test holds this connection
// for its whole run, which also keeps the server from resetting between the
// connections the code under test opens and closes.
#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <thread>

inline Display* OpenTestDisplay() {
    if (std::getenv("DISPLAY") == nullptr) return nullptr;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (true) {
        if (Display* display = XOpenDisplay(nullptr)) return display;
        if (std::chrono::steady_clock::now() > deadline) return nullptr;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}
