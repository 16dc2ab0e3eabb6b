// The real host on an X display: a shaped borderless window shows its
// pixels only inside its region, a caption press drags the native window,
// and Escape and Enter typed on the keyboard end the modal loop. Input comes
// from xdotool, as a user's would. Each test process starts an X server of
// its own (Xvfb), so that moving the pointer disturbs no other window test
// running beside it; without Xvfb it uses DISPLAY if there is one.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "platform/Dialog.h"
#include "platform/Graphics.h"
#include "platform/SdlHost.h"

using namespace platform;

namespace {

constexpr Argb kRed = 0xFFFF0000;

// An Xvfb server for this process; DISPLAY points at it while it runs.
class PrivateDisplay {
public:
    bool Start() {
        int fds[2];
        if (pipe(fds) != 0) return false;
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        if (pid_ < 0) {
            close(fds[0]);
            return false;
        }
        // The server writes its display number once it accepts clients.
        std::string number;
        pollfd p{fds[0], POLLIN, 0};
        char c;
        while (poll(&p, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        close(fds[0]);
        if (number.empty()) {
            Stop();
            return false;
        }
        setenv("DISPLAY", (":" + number).c_str(), 1);
        return true;
    }
    void Stop() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        pid_ = -1;
    }
    ~PrivateDisplay() { Stop(); }

private:
    pid_t pid_ = -1;
};

// A red dialog that drags itself by its top band and runs a step from a
// timer once it is on screen; a second timer ends it if nothing else does.
class ScriptedDialog : public Dialog {
public:
    std::function<void()> onScreen;
    std::function<void()> beforeTimeout;
    int timeoutMs = 4000;

protected:
    bool OnInitDialog() override {
        SetTimer(1, 300);
        SetTimer(2, timeoutMs);
        return true;
    }
    bool OnEraseBackground(DeviceContext& dc) override {
        Graphics g(dc);
        g.FillRectangle(kRed, ClientRect());
        return true;
    }
    void OnLButtonDown(std::uint32_t, Point point) override {
        if (point.y < 28) Send(WM_NCLBUTTONDOWN, HTCAPTION, PackPoint(point));
    }
    void OnTimer(std::uintptr_t id) override {
        KillTimer(id);
        if (id == 1 && onScreen) onScreen();
        if (id == 2) {
            if (beforeTimeout) beforeTimeout();
            EndDialog(-2);
        }
    }
};

class SdlHostTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (std::system("command -v Xvfb >/dev/null 2>&1") == 0) server.Start();
    }
    static void TearDownTestSuite() { server.Stop(); }
    static inline PrivateDisplay server;

    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display";
        host = std::make_unique<SdlHost>();
        if (!host->IsReady()) GTEST_SKIP() << host->Error();
        display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr);
    }
    void TearDown() override {
        if (typing.joinable()) typing.join();
        if (display) XCloseDisplay(display);
    }
    // The colour the X server shows at a screen point.
    Argb ScreenPixel(int x, int y) {
        XSync(display, False);
        XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
        if (!image) return 0;
        Argb pixel = 0xFF000000u | (XGetPixel(image, 0, 0) & 0xFFFFFF);
        XDestroyImage(image);
        return pixel;
    }
    // Runs an xdotool command line beside the message loop.
    void Type(const std::string& arguments) {
        typing = std::thread([arguments] { std::system(("xdotool " + arguments + " >/dev/null 2>&1").c_str()); });
    }

    std::unique_ptr<SdlHost> host;
    Display* display = nullptr;
    std::thread typing;
};

TEST_F(SdlHostTest, ShapedWindowShowsNothingOnItsCutPixels) {
    ScriptedDialog dialog;
    dialog.SetCreateParams(WS_POPUP | WS_VISIBLE, Rect{200, 150, 360, 250});
    Argb cut = 0, inside = 0, edge = 0;
    dialog.onScreen = [&] {
        cut = ScreenPixel(200 + 1, 150 + 1);
        edge = ScreenPixel(200 + 6, 150);
        inside = ScreenPixel(200 + 80, 150 + 50);
        dialog.EndDialog(IDOK);
    };
    platform::Region outline(Rect{0, 0, 160, 100});
    outline.Subtract(Rect{0, 0, 6, 6});
    dialog.SetRegion(outline);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(inside, kRed);
    EXPECT_EQ(edge, kRed);
    EXPECT_NE(cut, kRed) << "the cut corner shows what lies below the window";
}

TEST_F(SdlHostTest, CaptionPressDragsTheNativeWindow) {
    if (std::system("command -v xdotool >/dev/null 2>&1") != 0) GTEST_SKIP() << "xdotool missing";
    ScriptedDialog dialog;
    dialog.SetCreateParams(WS_POPUP | WS_VISIBLE, Rect{100, 100, 300, 220});
    std::uint64_t nativeId = 0;
    dialog.onScreen = [&] {
        nativeId = host->NativeWindowId(dialog);
        Type("mousemove 150 110 mousedown 1 mousemove 160 120 mousemove 180 140 mousemove 190 150 sleep 0.2 mouseup 1");
    };
    dialog.timeoutMs = 2500;
    Point nativePlace{-1, -1};
    dialog.beforeTimeout = [&] {
        ::Window child;
        XTranslateCoordinates(display, static_cast<::Window>(host->NativeWindowId(dialog)), DefaultRootWindow(display), 0, 0,
                              &nativePlace.x, &nativePlace.y, &child);
    };
    EXPECT_EQ(dialog.DoModal(), -2);  // ended by its timeout once the drag is done
    ASSERT_NE(nativeId, 0u);
    EXPECT_EQ(dialog.RectInParent().TopLeft(), (Point{140, 140}));
    EXPECT_EQ(nativePlace, (Point{140, 140})) << "the X window moved with it";
}

TEST_F(SdlHostTest, EscapeAndEnterFromTheKeyboardEndTheDialog) {
    if (std::system("command -v xdotool >/dev/null 2>&1") != 0) GTEST_SKIP() << "xdotool missing";
    struct Case {
        const char* key;
        int result;
    };
    for (Case c : {Case{"Escape", IDCANCEL}, Case{"Return", IDOK}}) {
        ScriptedDialog dialog;
        dialog.SetCreateParams(WS_POPUP | WS_VISIBLE, Rect{100, 100, 300, 220});
        dialog.onScreen = [&] {
            std::uint64_t id = host->NativeWindowId(dialog);
            Type("mousemove 200 160 windowfocus --sync " + std::to_string(id) + " key " + c.key);
        };
        EXPECT_EQ(dialog.DoModal(), c.result) << c.key;
        if (typing.joinable()) typing.join();
    }
}

}  // namespace
