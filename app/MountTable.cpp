#include "app/MountTable.h"

namespace {

bool IsOctal(char c) {
    return c >= '0' && c <= '7';
}

// Splits off the next field separated by spaces or tabs.
std::string_view NextField(std::string_view& line) {
    std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        line = {};
        return {};
    }
    line.remove_prefix(start);
    const std::size_t end = line.find_first_of(" \t");
    const std::string_view field = line.substr(0, end);
    line.remove_prefix(end == std::string_view::npos ? line.size() : end);
    return field;
}

}  // namespace

std::string DecodeMountField(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field[i + 1]) && IsOctal(field[i + 2]) &&
            IsOctal(field[i + 3])) {
            const int value = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            if (value <= 0xFF) {
                out.push_back(static_cast<char>(value));
                i += 3;
                continue;
            }
        }
        out.push_back(field[i]);
    }
    return out;
}

std::vector<MountEntry> ParseMountTable(std::string_view text) {
    std::vector<MountEntry> entries;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        const std::string_view source = NextField(line);
        const std::string_view mountPoint = NextField(line);
        const std::string_view fsType = NextField(line);
        if (fsType.empty()) continue;
        entries.push_back({DecodeMountField(source), DecodeMountField(mountPoint), std::string(fsType)});
    }
    return entries;
}

bool IsShareFsType(std::string_view fsType) {
    return fsType == "cifs" || fsType == "smb3" || fsType == "smbfs";
}

std::string_view ShareSourceHost(std::string_view source) {
    if (source.size() < 3 || source.substr(0, 2) != "//") return {};
    source.remove_prefix(2);
    return source.substr(0, source.find('/'));
}
