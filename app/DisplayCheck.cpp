#include "app/DisplayCheck.h"

#include <cstdlib>

#include "app/XDisplayHandle.h"

bool CanOpenDisplay() {
    // Without DISPLAY, Xlib would give up as well; asking first keeps the
    // answer independent of any default it might try.
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || name[0] == '\0') return false;
    const XDisplayHandle display(name);
    return static_cast<bool>(display);
}

std::string_view NoDisplayMessage() {
    return "scoutrel: no display found (DISPLAY is not set or cannot be opened); "
           "to try the program without a display, run ./run --lab as root";
}

bool CheckDisplayOrExplain(std::FILE* out) {
    if (CanOpenDisplay()) return true;
    const std::string_view message = NoDisplayMessage();
    std::fwrite(message.data(), 1, message.size(), out);
    std::fputc('\n', out);
    std::fflush(out);
    return false;
}
