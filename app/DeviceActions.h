#pragma once
// The two actions the main window offers on the selected device, with the
// desktop services of Linux:
//   Log In      opens "http://ADDRESS" in the default web browser.
//   My Storage  closes the file-browser windows that show the device, deletes
//               the desktop's network connections (GIO mounts) and the share
//               mounts of the device, then opens "smb://ADDRESS/".
// Programs are started with an argument vector, never through a shell. The
// address is the text of the list's address column; any text that is not a
// dotted-decimal IPv4 literal makes an action do nothing at all.
#include <string>
#include <string_view>
#include <vector>

#include "app/ActionTools.h"
#include "app/DeviceAddress.h"

// Log In (the Log In button and a double-click on a row). Returns false when
// the address was refused or the opener could not be started.
bool OpenDeviceWebPage(std::string_view address, const ActionTools& tools = ActionTools::FromEnvironment());

// My Storage. Runs on the calling (user-interface) thread and blocks it for
// 100 ms per command started; only the final opening runs on a worker thread.
// Returns false when the address was refused.
bool OpenDeviceStorage(std::string_view address, const ActionTools& tools = ActionTools::FromEnvironment());

// The URL of the device's web page and the URI of its share root.
std::string MakeWebPageUrl(const DeviceAddress& address);
std::string MakeShareRoot(const DeviceAddress& address);

// The steps of My Storage, in the order it runs them.

// Asks the file-browser windows whose title shows the device to close; does
// nothing without an X display.
void CloseShareWindows(const DeviceAddress& address);

// Unmounts every GIO mount whose URI's host is the address ("gio mount -u
// URI" each). Returns false when the mounts could not be listed.
bool DeleteDeviceConnections(const DeviceAddress& address, const ActionTools& tools);

// A share of the device mounted into the file system; the stand-in for a
// drive letter mapped to it.
struct DriveMapping {
    std::string mountPoint;  // e.g. "/mnt/share"
    std::string source;      // e.g. "//198.18.0.1/share"
};

// The share mounts (cifs, smb3, smbfs) of the mount table whose source host
// is exactly the address, the last-mounted first.
std::vector<DriveMapping> FindDeviceDriveMappings(const DeviceAddress& address, const ActionTools& tools);

// Unmounts the device's share mounts ("umount MOUNTPOINT" each), in the order
// FindDeviceDriveMappings gives them, so that a mount stacked on another goes
// before the one beneath it.
void DeleteDeviceDriveMappings(const DeviceAddress& address, const ActionTools& tools);

// Starts the command without a shell, with no terminal input or output, and
// pauses 100 ms so that it can get on before the next step. The command is
// not waited for beyond that pause and its exit status is not read.
void RunHiddenCommand(const std::vector<std::string>& argv);

// Opens the share root with the URL opener on a short-lived worker thread.
// The worker is given its own copy of the text, taken under the lock of the
// process-wide helper, so a second press cannot change what an earlier
// worker opens.
void OpenShareAsync(const std::string& shareRoot, const ActionTools& tools);
