#include "app/ConfigFiles.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/LanguageIndex.h"
#include "layout/ConfigPaths.h"
#include "resources/EmbeddedResources.h"

namespace {

struct PictureFile {
    int resourceId;
    std::string_view typeName;
    std::string_view fileName;  // inside the picture folder
};

// In the order in which they are written.
constexpr PictureFile kPictureFiles[] = {
    {158, "BMP", "\\SearchDevice_BlackGround.bmp"},
    {146, "PNG", "\\SearchDevice_BlackGround.png"},
    {139, "PNG", "\\Brush.png"},
    {144, "PNG", "\\logo.png"},
    {147, "PNG", "\\headerbackground.png"},
    {148, "PNG", "\\headerclip.png"},
    {141, "PNG", "\\close.png"},
    {140, "PNG", "\\ButtonMax.png"},
};

bool IsDirectory(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Creates the last level of the path unless it is a folder already. A plain
// file of that name makes the creation fail.
bool EnsureFolder(const std::string& path) {
    if (IsDirectory(path)) return true;
    return ::mkdir(path.c_str(), 0755) == 0;
}

// Writes everything, continuing after partial writes and interruptions.
bool WriteAll(int fd, const unsigned char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

BOOL CreateConfigFiles() {
    // Without a base folder the configuration folder would land at the root of
    // the file system; that is a failure, not a place to write to.
    if (GetConfigBaseFolder().empty()) return FALSE;
    if (!EnsureFolder(GetToolFolder())) return FALSE;
    if (!EnsureFolder(GetPictureFolder())) return FALSE;
    if (!WriteLayoutFile()) return FALSE;
    if (!WritePictureFiles()) return FALSE;
    return TRUE;
}

BOOL WriteLayoutFile() {
    const int resourceId = GetLayoutResourceId(GetLanguageIndex());
    return WriteResourceToFile(resourceId, "XML", JoinConfigPath(GetToolFolder(), kLayoutFileName));
}

BOOL WritePictureFiles() {
    const std::string pictureFolder = GetPictureFolder();
    for (const PictureFile& picture : kPictureFiles) {
        const std::string target = JoinConfigPath(pictureFolder, picture.fileName);
        if (!WriteResourceToFile(picture.resourceId, picture.typeName, target)) return FALSE;
    }
    return TRUE;
}

BOOL WriteResourceToFile(int resourceId, std::string_view typeName, const std::string& targetPath) {
    const auto bytes = FindEmbeddedResource(resourceId, typeName);
    if (!bytes) return FALSE;
    const int fd = ::open(targetPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return FALSE;
    const bool written = WriteAll(fd, bytes->data(), bytes->size());
    // A failed close can mean the data never reached the file.
    const bool closed = ::close(fd) == 0;
    return written && closed ? TRUE : FALSE;
}
