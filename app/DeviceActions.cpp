#include "app/DeviceActions.h"

#include <chrono>
#include <fstream>
#include <mutex>
#include <sstream>
#include <system_error>
#include <thread>

#include "app/FileBrowserWindows.h"
#include "app/GioMounts.h"
#include "app/MountTable.h"
#include "app/ProcessLauncher.h"
#include "app/XDisplayHandle.h"

namespace {

constexpr std::chrono::milliseconds kCommandPause{100};
// Listing the mounts asks the desktop's virtual file system service; a
// service that hangs must not hang the window for long.
constexpr std::chrono::milliseconds kListingTimeout{3000};

// Process-wide, created on first use: hands the share root to the worker.
class StorageHelper {
public:
    static StorageHelper& Instance() {
        static StorageHelper helper;
        return helper;
    }

    void OpenShare(const std::string& shareRoot, const std::string& opener) {
        const std::lock_guard<std::mutex> guard(lock_);
        strShareToOpen = shareRoot;
        std::vector<std::string> argv{opener, strShareToOpen};
        try {
            std::thread([argv = std::move(argv)] {
                if (const std::optional<pid_t> pid = StartProcess(argv)) WaitForProcess(*pid);
            }).detach();
        } catch (const std::system_error&) {
            // No thread could be started: the share is not opened, as when
            // the opener itself fails.
        }
    }

private:
    std::mutex lock_;
    std::string strShareToOpen;
};

std::string ReadWholeFile(const std::string& path) {
    // Files under /proc report a size of 0, so read to the end instead.
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (in) text << in.rdbuf();
    return text.str();
}

}  // namespace

std::string MakeWebPageUrl(const DeviceAddress& address) {
    return "http://" + address.text();
}

std::string MakeShareRoot(const DeviceAddress& address) {
    return "smb://" + address.text() + "/";
}

bool OpenDeviceWebPage(std::string_view address, const ActionTools& tools) {
    const std::optional<DeviceAddress> checked = ValidateDeviceAddress(address);
    if (!checked) return false;
    const std::optional<pid_t> pid = StartProcess({tools.xdgOpen, MakeWebPageUrl(*checked)});
    if (!pid) return false;
    ReapInBackground(*pid);
    return true;
}

bool OpenDeviceStorage(std::string_view address, const ActionTools& tools) {
    const std::optional<DeviceAddress> checked = ValidateDeviceAddress(address);
    if (!checked) return false;
    CloseShareWindows(*checked);
    DeleteDeviceConnections(*checked, tools);
    DeleteDeviceDriveMappings(*checked, tools);
    OpenShareAsync(MakeShareRoot(*checked), tools);
    return true;
}

void CloseShareWindows(const DeviceAddress& address) {
    const XDisplayHandle display;
    if (!display) return;
    RequestCloseFileBrowserWindows(display.get(), address.text());
}

bool DeleteDeviceConnections(const DeviceAddress& address, const ActionTools& tools) {
    const std::optional<std::string> listing = RunAndCapture({tools.gio, "mount", "-l"}, kListingTimeout);
    if (!listing) return false;
    for (const std::string& uri : ParseGioMountUris(*listing)) {
        if (UriHost(uri) == address.text()) RunHiddenCommand({tools.gio, "mount", "-u", uri});
    }
    return true;
}

std::vector<DriveMapping> FindDeviceDriveMappings(const DeviceAddress& address, const ActionTools& tools) {
    std::vector<DriveMapping> mappings;
    const std::vector<MountEntry> table = ParseMountTable(ReadWholeFile(tools.mountTable));
    for (auto entry = table.rbegin(); entry != table.rend(); ++entry) {
        if (!IsShareFsType(entry->fsType) || ShareSourceHost(entry->source) != address.text()) continue;
        // Mount points are absolute paths; anything else could be read as an
        // option by the unmount command.
        if (entry->mountPoint.empty() || entry->mountPoint.front() != '/') continue;
        mappings.push_back({entry->mountPoint, entry->source});
    }
    return mappings;
}

void DeleteDeviceDriveMappings(const DeviceAddress& address, const ActionTools& tools) {
    for (const DriveMapping& mapping : FindDeviceDriveMappings(address, tools)) {
        RunHiddenCommand({tools.umount, mapping.mountPoint});
    }
}

void RunHiddenCommand(const std::vector<std::string>& argv) {
    if (const std::optional<pid_t> pid = StartProcess(argv)) ReapInBackground(*pid);
    std::this_thread::sleep_for(kCommandPause);
}

void OpenShareAsync(const std::string& shareRoot, const ActionTools& tools) {
    StorageHelper::Instance().OpenShare(shareRoot, tools.xdgOpen);
}
