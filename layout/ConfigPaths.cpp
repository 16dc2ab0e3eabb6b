#include "layout/ConfigPaths.h"

#include <cstdlib>

namespace {

// The value of an environment variable, empty when it is unset.
std::string_view Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

std::string_view WithoutTrailingSeparators(std::string_view folder) {
    while (!folder.empty() && folder.back() == '/') folder.remove_suffix(1);
    return folder;
}

}  // namespace

std::string GetConfigBaseFolder() {
    // A folder that is only separators (the root) would end up empty and be
    // mistaken for "no folder"; such a value is passed over like an unset one.
    std::string_view folder = WithoutTrailingSeparators(Environment("SCOUTREL_BASE_DIR"));
    if (!folder.empty()) return std::string(folder);

    // The data-home convention ignores a relative value.
    std::string_view dataHome = Environment("XDG_DATA_HOME");
    if (!dataHome.empty() && dataHome.front() == '/') {
        folder = WithoutTrailingSeparators(dataHome);
        if (!folder.empty()) return std::string(folder);
    }

    const std::string_view home = WithoutTrailingSeparators(Environment("HOME"));
    if (!home.empty()) return std::string(home) + "/.local/share";
    return std::string();
}

std::string JoinConfigPath(std::string_view base, std::string_view relative) {
    std::string path;
    path.reserve(base.size() + relative.size());
    path.append(base);
    for (const char c : relative) path.push_back(c == '\\' ? '/' : c);
    return path;
}

std::string MakeConfigPath(std::string_view relative) {
    const std::string base = GetConfigBaseFolder();
    if (base.empty()) return std::string();
    return JoinConfigPath(base, relative);
}

std::string GetToolFolder() {
    return JoinConfigPath(GetConfigBaseFolder(), kToolFolderName);
}

std::string GetPictureFolder() {
    return JoinConfigPath(GetConfigBaseFolder(), kPictureFolderName);
}
