#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/GioMounts.h"
#include "app/MountTable.h"

namespace {

TEST(MountTable, EscapesAreDecoded) {
    struct Case {
        const char* field;
        const char* decoded;
    } cases[] = {
        {"/mnt/my\\040share", "/mnt/my share"},
        {"/mnt/a\\011b\\012c", "/mnt/a\tb\nc"},
        {"/mnt/back\\134slash", "/mnt/back\\slash"},
        {"/mnt/\\040\\040", "/mnt/  "},
        {"/mnt/short\\04", "/mnt/short\\04"},
        {"/mnt/not\\89octal", "/mnt/not\\89octal"},
        {"/mnt/end\\", "/mnt/end\\"},
        {"/mnt/plain", "/mnt/plain"},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeMountField(c.field), c.decoded) << c.field;
}

TEST(MountTable, LinesAreSplitIntoDecodedFields) {
    const std::vector<MountEntry> entries = ParseMountTable(
        "sysfs /sys sysfs rw,nosuid 0 0\n"
        "//198.18.0.1/my\\040share /mnt/my\\040share cifs rw 0 0\n"
        "\n"
        "broken-line-with-two /fields\n"
        "198.18.0.1:/export /mnt/nfs nfs4 rw 0 0");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].fsType, "sysfs");
    EXPECT_EQ(entries[1].source, "//198.18.0.1/my share");
    EXPECT_EQ(entries[1].mountPoint, "/mnt/my share");
    EXPECT_EQ(entries[1].fsType, "cifs");
    EXPECT_EQ(entries[2].mountPoint, "/mnt/nfs");
}

TEST(MountTable, ShareTypesAndSourceHosts) {
    for (const char* type : {"cifs", "smb3", "smbfs"}) EXPECT_TRUE(IsShareFsType(type)) << type;
    for (const char* type : {"nfs", "fuse.sshfs", "CIFS", "cifs2", "ext4", ""}) {
        EXPECT_FALSE(IsShareFsType(type)) << type;
    }
    struct Case {
        const char* source;
        const char* host;
    } cases[] = {
        {"//198.18.0.1/share", "198.18.0.1"},
        {"//198.18.0.12/share", "198.18.0.12"},
        {"//198.18.0.1", "198.18.0.1"},
        {"//198.18.0.1/a/b", "198.18.0.1"},
        {"198.18.0.1:/export", ""},
        {"/dev/sda1", ""},
        {"//", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ShareSourceHost(c.source), c.host) << c.source;
}

TEST(GioMounts, MountLinesGiveTheUrisThatNameAHost) {
    const std::vector<std::string> uris = ParseGioMountUris(
        "Drive(0): Disk\n"
        "  Type: GProxyDrive (GProxyVolumeMonitorUDisks2)\n"
        "Volume(0): vol\n"
        "  Type: GProxyVolume (GProxyVolumeMonitorUDisks2)\n"
        "  Mount(0): vol -> file:///media/vol\n"
        "Mount(1): share on 198.18.0.1 -> smb://198.18.0.1/share/\n"
        "  Type: GDaemonMount\n"
        "Mount(2): a -> b -> smb://198.18.0.12/other/\r\n"
        "Mount(3): no arrow here\n"
        "Mount(4): bad -> not a uri\n");
    // The local volume has no host and is never a connection to a device.
    EXPECT_EQ(uris, (std::vector<std::string>{"smb://198.18.0.1/share/", "smb://198.18.0.12/other/"}));
}

TEST(GioMounts, UriHostDropsUserAndPort) {
    struct Case {
        const char* uri;
        const char* host;
    } cases[] = {
        {"smb://198.18.0.1/share/", "198.18.0.1"},
        {"smb://198.18.0.1", "198.18.0.1"},
        {"sftp://root@198.18.0.1:2222/", "198.18.0.1"},
        {"smb://WORKGROUP;guest@198.18.0.1/public/", "198.18.0.1"},
        {"smb://a@b@198.18.0.1/", "198.18.0.1"},
        {"dav://198.18.0.12/", "198.18.0.12"},
        {"ftp://[fe80::1]:21/", "[fe80::1]"},
        {"file:///media/vol", ""},
        {"198.18.0.1/share", ""},
        {"://198.18.0.1/", ""},
        {"1smb://198.18.0.1/", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(UriHost(c.uri), c.host) << c.uri;
}

}  // namespace
