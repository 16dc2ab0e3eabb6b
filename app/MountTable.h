#pragma once
// The kernel's mount table (/proc/self/mounts) and the network-share mounts in
// it, which stand in for mapped network drives.
#include <string>
#include <string_view>
#include <vector>

struct MountEntry {
    std::string source;      // decoded, e.g. "//198.18.0.1/share"
    std::string mountPoint;  // decoded, e.g. "/mnt/my share"
    std::string fsType;      // e.g. "cifs"
};

// Undoes the octal escapes the kernel writes for space, tab, newline and
// backslash ("\040", "\011", "\012", "\134"); any other backslash stays.
std::string DecodeMountField(std::string_view field);

// The entries of a mount table text, in table order (the order of mounting).
// Lines with fewer than three fields are skipped.
std::vector<MountEntry> ParseMountTable(std::string_view text);

// Whether the file system type is one of the network-share clients.
bool IsShareFsType(std::string_view fsType);

// The host of a share source "//HOST/share" (also "//HOST" alone); empty when
// the source has another form.
std::string_view ShareSourceHost(std::string_view source);
