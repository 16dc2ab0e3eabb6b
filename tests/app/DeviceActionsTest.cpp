#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "app/DeviceActions.h"
#include "StandIns.h"

namespace {

using Lines = std::vector<std::string>;

TEST(DeviceActions, LogInOpensTheWebPageOfTheAddress) {
    const StandIns standIns;
    EXPECT_TRUE(OpenDeviceWebPage("198.18.0.1", standIns.Tools()));
    EXPECT_EQ(standIns.WaitForRecorded(1), (Lines{"xdg-open <http://198.18.0.1>"}));
}

TEST(DeviceActions, OpenerCanBeReplacedThroughTheEnvironment) {
    const StandIns standIns;
    ASSERT_EQ(setenv("SCOUTREL_XDG_OPEN", standIns.Tools().xdgOpen.c_str(), 1), 0);
    const bool opened = OpenDeviceWebPage("198.18.0.7");
    unsetenv("SCOUTREL_XDG_OPEN");
    EXPECT_TRUE(opened);
    EXPECT_EQ(standIns.WaitForRecorded(1), (Lines{"xdg-open <http://198.18.0.7>"}));
}

// The device is 198.18.0.1; 198.18.0.12 and 1198.18.0.1 are other hosts whose
// address text contains it.
constexpr const char* kGioListing =
    "Drive(0): Disk\n"
    "  Type: GProxyDrive (GProxyVolumeMonitorUDisks2)\n"
    "Mount(0): share on 198.18.0.1 -> smb://198.18.0.1/share/\n"
    "  Type: GDaemonMount\n"
    "Mount(1): other on 198.18.0.12 -> smb://198.18.0.12/other/\n"
    "Mount(2): admin -> sftp://root@198.18.0.1:2222/\n"
    "Volume(0): vol\n"
    "  Mount(3): public -> smb://WORKGROUP;guest@198.18.0.1/public/\n"
    "Mount(4): near -> smb://1198.18.0.1/\n"
    "Mount(5): named -> dav://198.18.0.1.example/dav\n";

constexpr const char* kMountTable =
    "sysfs /sys sysfs rw,nosuid 0 0\n"
    "//198.18.0.1/share /mnt/first cifs rw 0 0\n"
    "//198.18.0.12/share /mnt/other cifs rw 0 0\n"
    "//198.18.0.1/media /mnt/my\\040media smb3 rw 0 0\n"
    "198.18.0.1:/export /mnt/nfs nfs rw 0 0\n"
    "//198.18.0.1/share /mnt/fuse fuse.sshfs rw 0 0\n"
    "//198.18.0.1/old /mnt/old smbfs rw 0 0\n";

TEST(DeviceActions, MyStorageDeletesConnectionsThenMountsHighestFirstThenOpensTheShare) {
    struct Case {
        const char* name;
        const char* listing;
        const char* mountTable;
        bool gioPresent;
        Lines expected;
    } cases[] = {
        {"everything connected", kGioListing, kMountTable, true,
         {"gio <mount> <-l>",
          "gio <mount> <-u> <smb://198.18.0.1/share/>",
          "gio <mount> <-u> <sftp://root@198.18.0.1:2222/>",
          "gio <mount> <-u> <smb://WORKGROUP;guest@198.18.0.1/public/>",
          "umount </mnt/old>",
          "umount </mnt/my media>",
          "umount </mnt/first>",
          "xdg-open <smb://198.18.0.1/>"}},
        {"nothing connected", "", "sysfs /sys sysfs rw 0 0\n", true,
         {"gio <mount> <-l>", "xdg-open <smb://198.18.0.1/>"}},
        {"no gio on the system", kGioListing, kMountTable, false,
         {"umount </mnt/old>", "umount </mnt/my media>", "umount </mnt/first>",
          "xdg-open <smb://198.18.0.1/>"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const StandIns standIns;
        standIns.SetGioListing(c.listing);
        standIns.SetMountTable(c.mountTable);
        ActionTools tools = standIns.Tools();
        if (!c.gioPresent) tools.gio = standIns.dir() + "/no-such-gio";
        EXPECT_TRUE(OpenDeviceStorage("198.18.0.1", tools));
        EXPECT_EQ(standIns.WaitForRecorded(c.expected.size()), c.expected);
    }
}

TEST(DeviceActions, ListingIsReadWhenGioLeavesAHelperHoldingItsOutput) {
    const StandIns standIns;
    standIns.SetGioListing("Mount(0): share -> smb://198.18.0.1/share/\n");
    standIns.LeaveGioHelperRunning();
    const auto address = ValidateDeviceAddress("198.18.0.1");
    ASSERT_TRUE(address);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(DeleteDeviceConnections(*address, standIns.Tools()));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));
    EXPECT_EQ(standIns.WaitForRecorded(2),
              (Lines{"gio <mount> <-l>", "gio <mount> <-u> <smb://198.18.0.1/share/>"}));
}

TEST(DeviceActions, FindDeviceDriveMappingsGivesTheLastMountedFirst) {
    const StandIns standIns;
    standIns.SetMountTable(kMountTable);
    const auto address = ValidateDeviceAddress("198.18.0.1");
    ASSERT_TRUE(address);
    const std::vector<DriveMapping> mappings = FindDeviceDriveMappings(*address, standIns.Tools());
    ASSERT_EQ(mappings.size(), 3u);
    EXPECT_EQ(mappings[0].mountPoint, "/mnt/old");
    EXPECT_EQ(mappings[1].mountPoint, "/mnt/my media");
    EXPECT_EQ(mappings[1].source, "//198.18.0.1/media");
    EXPECT_EQ(mappings[2].mountPoint, "/mnt/first");
    // A missing mount table means no mappings, not a failure.
    ActionTools noTable = standIns.Tools();
    noTable.mountTable = standIns.dir() + "/no-such-table";
    EXPECT_TRUE(FindDeviceDriveMappings(*address, noTable).empty());
}

TEST(DeviceActions, RefusedAddressesStartNothing) {
    using namespace std::string_view_literals;
    const StandIns standIns;
    standIns.SetGioListing(kGioListing);
    standIns.SetMountTable(kMountTable);
    for (std::string_view address : {"1.2.3.4;reboot"sv, "-x"sv, "1.2.3"sv, "01.2.3.4"sv, ""sv,
                                     "198.18.0.1 "sv, "198.18.0.1/"sv, "198.18.0.1\0"sv,
                                     "$(reboot)"sv, "198.18.0.1 --help"sv}) {
        EXPECT_FALSE(OpenDeviceWebPage(address, standIns.Tools())) << address;
        EXPECT_FALSE(OpenDeviceStorage(address, standIns.Tools())) << address;
    }
    // Give anything started by mistake the time to show itself.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(standIns.Recorded(), Lines{});
}

TEST(DeviceActions, RunHiddenCommandPassesArgumentsVerbatimAndPauses) {
    const StandIns standIns;
    const auto start = std::chrono::steady_clock::now();
    RunHiddenCommand({standIns.Tools().umount, "/mnt/a b;c", "$HOME", "*", "", "'q'"});
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    EXPECT_EQ(standIns.WaitForRecorded(1), (Lines{"umount </mnt/a b;c> <$HOME> <*> <> <'q'>"}));
    // A program that does not exist is no failure of the caller.
    RunHiddenCommand({standIns.dir() + "/missing"});
}

TEST(DeviceActions, EachShareOpeningOpensItsOwnShare) {
    // Two presses in quick succession: each worker opens the share it was
    // given, not whichever was stored last.
    const StandIns standIns;
    OpenShareAsync("smb://198.18.0.1/", standIns.Tools());
    OpenShareAsync("smb://198.18.0.2/", standIns.Tools());
    Lines lines = standIns.WaitForRecorded(2);
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, (Lines{"xdg-open <smb://198.18.0.1/>", "xdg-open <smb://198.18.0.2/>"}));
}

}  // namespace
