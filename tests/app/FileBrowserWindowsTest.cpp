// Runs on a real X display (Xvfb in the test run). There is no window
// manager, so the test puts its windows into the EWMH client list itself and
// watches the root window for the close requests a window manager would get.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "TestDisplay.h"
#include "app/DeviceActions.h"
#include "app/FileBrowserWindows.h"

namespace {

class FileBrowserWindows : public ::testing::Test {
protected:
    void SetUp() override {
        display_ = OpenTestDisplay();
        if (display_ == nullptr) GTEST_SKIP() << "no X display";
        root_ = DefaultRootWindow(display_);
        clientList_ = XInternAtom(display_, "_NET_CLIENT_LIST", False);
        closeWindow_ = XInternAtom(display_, "_NET_CLOSE_WINDOW", False);
        XSelectInput(display_, root_, SubstructureNotifyMask);
    }

    void TearDown() override {
        if (display_ == nullptr) return;
        RemoveFromClientList(listed_);
        for (Window w : created_) XDestroyWindow(display_, w);
        XCloseDisplay(display_);
    }

    // A top-level window with the given class, instance and titles; an empty
    // title is left unset.
    Window MakeWindow(const char* instance, const char* windowClass, const std::string& netTitle,
                      const std::string& legacyTitle) {
        const Window w = XCreateSimpleWindow(display_, root_, 0, 0, 40, 30, 0, 0, 0);
        std::string instanceText = instance;
        std::string classText = windowClass;
        XClassHint hint{instanceText.data(), classText.data()};
        XSetClassHint(display_, w, &hint);
        if (!netTitle.empty()) {
            XChangeProperty(display_, w, XInternAtom(display_, "_NET_WM_NAME", False),
                            XInternAtom(display_, "UTF8_STRING", False), 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(netTitle.data()),
                            static_cast<int>(netTitle.size()));
        }
        if (!legacyTitle.empty()) XStoreName(display_, w, legacyTitle.c_str());
        created_.push_back(w);
        return w;
    }

    std::vector<Window> ReadClientList() {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::vector<Window> list;
        if (XGetWindowProperty(display_, root_, clientList_, 0, 1 << 16, False, XA_WINDOW, &type, &format,
                               &count, &after, &data) == Success &&
            data != nullptr) {
            if (type == XA_WINDOW && format == 32) {
                const auto* ids = reinterpret_cast<const unsigned long*>(data);
                list.assign(ids, ids + count);
            }
            XFree(data);
        }
        return list;
    }

    // Other tests may use the same display at the same time, so the list is
    // only ever appended to (one request, atomic in the server) and the
    // windows are taken out again with the server grabbed.
    void AddToClientList(const std::vector<Window>& windows) {
        std::vector<unsigned long> ids(windows.begin(), windows.end());
        XChangeProperty(display_, root_, clientList_, XA_WINDOW, 32, PropModeAppend,
                        reinterpret_cast<const unsigned char*>(ids.data()), static_cast<int>(ids.size()));
        listed_.insert(listed_.end(), windows.begin(), windows.end());
        XSync(display_, False);
    }

    void RemoveFromClientList(const std::vector<Window>& windows) {
        XGrabServer(display_);
        std::vector<unsigned long> ids;
        for (Window w : ReadClientList()) {
            if (std::find(windows.begin(), windows.end(), w) == windows.end()) ids.push_back(w);
        }
        XChangeProperty(display_, root_, clientList_, XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(ids.data()), static_cast<int>(ids.size()));
        XUngrabServer(display_);
        XSync(display_, False);
    }

    // Only the windows this test made, in the order given.
    std::vector<unsigned long> OwnOnly(const std::vector<unsigned long>& windows) const {
        std::vector<unsigned long> own;
        for (unsigned long w : windows) {
            if (std::find(created_.begin(), created_.end(), w) != created_.end()) own.push_back(w);
        }
        return own;
    }

    // The windows of this test for which a close request reached the root.
    std::set<Window> CloseRequests() {
        XSync(display_, False);
        std::set<Window> asked;
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == ClientMessage && event.xclient.message_type == closeWindow_ &&
                std::find(created_.begin(), created_.end(), event.xclient.window) != created_.end()) {
                asked.insert(event.xclient.window);
            }
        }
        return asked;
    }

    Display* display_ = nullptr;
    Window root_ = 0;
    Atom clientList_ = None;
    Atom closeWindow_ = None;
    std::vector<Window> created_;
    std::vector<Window> listed_;
};

TEST_F(FileBrowserWindows, WindowsShowingTheDeviceAreAskedToClose) {
    const Window showsDevice = MakeWindow("nautilus", "Nautilus", "share on 198.18.0.1", "");
    const Window showsNeighbour = MakeWindow("nautilus", "Nautilus", "share on 198.18.0.12", "");
    const Window legacyTitle =
        MakeWindow("org.gnome.Nautilus", "Org.gnome.Nautilus", "", "smb://198.18.0.1/share/");
    const Window upperCase = MakeWindow("THUNAR", "THUNAR", "198.18.0.1 - File Manager", "");
    const Window byInstanceOnly = MakeWindow("dolphin", "SomethingElse", "198.18.0.1", "");
    const Window terminal = MakeWindow("xterm", "XTerm", "ssh 198.18.0.1", "");
    const Window netTitleWins = MakeWindow("nemo", "Nemo", "Home", "198.18.0.1");
    const Window notListed = MakeWindow("caja", "Caja", "198.18.0.1", "");
    // A window that is gone but still in the list must not end the program.
    const Window vanished = MakeWindow("pcmanfm", "Pcmanfm", "198.18.0.1", "");
    XDestroyWindow(display_, vanished);
    created_.erase(std::find(created_.begin(), created_.end(), vanished));

    AddToClientList({showsDevice, showsNeighbour, legacyTitle, upperCase, byInstanceOnly, terminal,
                     netTitleWins, vanished});
    CloseRequests();  // drop what came before
    (void)notListed;

    const auto address = ValidateDeviceAddress("198.18.0.1");
    ASSERT_TRUE(address);
    CloseShareWindows(*address);
    EXPECT_EQ(CloseRequests(), (std::set<Window>{showsDevice, legacyTitle, upperCase, byInstanceOnly}));
}

TEST_F(FileBrowserWindows, NothingIsAskedForAnotherDevice) {
    // Addresses of their own, so that the test beside it, which may run at
    // the same time on the same display, never sees these requests.
    const Window window = MakeWindow("nautilus", "Nautilus", "share on 198.18.7.10", "");
    AddToClientList({window});
    CloseRequests();
    EXPECT_TRUE(OwnOnly(RequestCloseFileBrowserWindows(display_, "198.18.7.1")).empty());
    EXPECT_EQ(OwnOnly(RequestCloseFileBrowserWindows(display_, "198.18.7.10")),
              (std::vector<unsigned long>{window}));
    EXPECT_EQ(CloseRequests(), (std::set<Window>{window}));
}

}  // namespace
