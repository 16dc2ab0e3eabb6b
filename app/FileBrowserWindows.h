#pragma once
// The file-browser windows of an X11 desktop that show a device, and the
// request to close them. The request is the EWMH one (_NET_CLOSE_WINDOW sent
// to the root window), so the window manager closes the window the way its
// own close button would, and the file manager may still ask the user.
#include <string_view>
#include <vector>

struct _XDisplay;

// Whether a WM_CLASS class or instance name is that of a known file manager
// (Nautilus, Nemo, Caja, Thunar, PCManFM, Dolphin), in any letter case.
bool IsFileManagerClass(std::string_view name);

// Asks every top-level window of the EWMH client list (_NET_CLIENT_LIST)
// whose class or instance is a file manager and whose title (_NET_WM_NAME,
// else WM_NAME) names the address as a whole host to close. Windows that
// vanish meanwhile are passed over. Returns the windows asked, in list order.
std::vector<unsigned long> RequestCloseFileBrowserWindows(_XDisplay* display, std::string_view address);
