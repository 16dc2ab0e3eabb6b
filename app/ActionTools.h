#pragma once
// The programs and the file the device actions use. Each can be replaced
// through the environment, so that tests (and a lab run) can put recording
// stand-ins in their place and a fixture in place of the mount table:
//   SCOUTREL_XDG_OPEN     the opener of URLs           (default "xdg-open")
//   SCOUTREL_GIO          the GIO command-line tool    (default "gio")
//   SCOUTREL_UMOUNT       the unmount command          (default "umount")
//   SCOUTREL_MOUNT_TABLE  the kernel's mount table     (default "/proc/self/mounts")
// Overrides are not read in a process with raised privileges (secure mode).
#include <string>

struct ActionTools {
    std::string xdgOpen = "xdg-open";
    std::string gio = "gio";
    std::string umount = "umount";
    std::string mountTable = "/proc/self/mounts";

    // The defaults with the environment's overrides applied.
    static ActionTools FromEnvironment();
};
