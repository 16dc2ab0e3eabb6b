#include "app/FileBrowserWindows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <array>
#include <string>

#include "app/DeviceAddress.h"

namespace {

// Windows in the client list may be destroyed at any moment; the default
// error handler would end the process on the resulting BadWindow. While this
// object lives, X errors are ignored; the previous handler is put back after
// every request has been answered.
class IgnoreXErrors {
public:
    explicit IgnoreXErrors(Display* display) : display_(display), previous_(XSetErrorHandler(&Ignore)) {}
    ~IgnoreXErrors() {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    IgnoreXErrors(const IgnoreXErrors&) = delete;
    IgnoreXErrors& operator=(const IgnoreXErrors&) = delete;

private:
    static int Ignore(Display*, XErrorEvent*) { return 0; }
    Display* display_;
    XErrorHandler previous_;
};

// The bytes of a property, freed when it goes.
class Property {
public:
    Property(Display* display, Window window, Atom name, Atom type) {
        Atom actualType = None;
        int actualFormat = 0;
        unsigned long bytesAfter = 0;
        if (XGetWindowProperty(display, window, name, 0, 1 << 16, False, type, &actualType, &actualFormat,
                               &count_, &bytesAfter, &data_) != Success ||
            actualType != type) {
            count_ = 0;
        }
        format_ = actualFormat;
    }
    ~Property() {
        if (data_ != nullptr) XFree(data_);
    }
    Property(const Property&) = delete;
    Property& operator=(const Property&) = delete;

    unsigned long count() const { return data_ == nullptr ? 0 : count_; }
    int format() const { return format_; }
    const unsigned char* data() const { return data_; }

private:
    unsigned char* data_ = nullptr;
    unsigned long count_ = 0;
    int format_ = 0;
};

std::vector<Window> ClientList(Display* display, Window root) {
    const Atom name = XInternAtom(display, "_NET_CLIENT_LIST", False);
    const Property list(display, root, name, XA_WINDOW);
    std::vector<Window> windows;
    if (list.format() != 32) return windows;
    // Format-32 properties arrive as an array of long, whatever the width.
    const auto* ids = reinterpret_cast<const unsigned long*>(list.data());
    windows.assign(ids, ids + list.count());
    return windows;
}

bool HasFileManagerClass(Display* display, Window window) {
    XClassHint hint{nullptr, nullptr};
    if (XGetClassHint(display, window, &hint) == 0) return false;
    const bool match = (hint.res_name != nullptr && IsFileManagerClass(hint.res_name)) ||
                       (hint.res_class != nullptr && IsFileManagerClass(hint.res_class));
    if (hint.res_name != nullptr) XFree(hint.res_name);
    if (hint.res_class != nullptr) XFree(hint.res_class);
    return match;
}

std::string WindowTitle(Display* display, Window window) {
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    {
        const Property title(display, window, netName, utf8);
        if (title.format() == 8 && title.count() > 0) {
            return std::string(reinterpret_cast<const char*>(title.data()), title.count());
        }
    }
    XTextProperty legacy{};
    std::string text;
    if (XGetWMName(display, window, &legacy) != 0 && legacy.value != nullptr) {
        if (legacy.format == 8) text.assign(reinterpret_cast<const char*>(legacy.value), legacy.nitems);
        XFree(legacy.value);
    }
    return text;
}

void SendCloseRequest(Display* display, Window root, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.serial = 0;
    event.xclient.send_event = True;
    event.xclient.display = display;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_CLOSE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = CurrentTime;
    event.xclient.data.l[1] = 2;  // source indication: a pager or other direct user action
    XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

}  // namespace

bool IsFileManagerClass(std::string_view name) {
    // The plain names, and the application ids that newer versions of the
    // same file managers use as their class.
    constexpr std::array<std::string_view, 8> kFileManagers = {
        "nautilus", "org.gnome.nautilus", "nemo", "caja", "thunar", "pcmanfm", "dolphin", "org.kde.dolphin",
    };
    for (std::string_view known : kFileManagers) {
        if (EqualsIgnoringCase(name, known)) return true;
    }
    return false;
}

std::vector<unsigned long> RequestCloseFileBrowserWindows(_XDisplay* display, std::string_view address) {
    std::vector<unsigned long> asked;
    if (display == nullptr || address.empty()) return asked;
    IgnoreXErrors ignoreErrors(display);
    const Window root = DefaultRootWindow(display);
    for (Window window : ClientList(display, root)) {
        if (!HasFileManagerClass(display, window)) continue;
        if (!NamesHost(WindowTitle(display, window), address)) continue;
        SendCloseRequest(display, root, window);
        asked.push_back(window);
    }
    XFlush(display);
    return asked;
}
