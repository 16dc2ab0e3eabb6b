#include "layout/XmlDocument.h"

#include <cerrno>
#include <cstring>
#include <new>
#include <stdexcept>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace {

// Entity references are resolved and white space in attribute values becomes
// blanks, as XML 1.0 says for attribute values; no document type is read, so
// no entity can expand into more text than the file holds.
constexpr unsigned kParseOptions = pugi::parse_default;

bool IsElementNamed(pugi::xml_node node, std::string_view name) {
    return node.type() == pugi::node_element && name == node.name();
}

// Visits the descendants of a node in document order without recursion, so
// that a deeply nested hostile document cannot exhaust the stack.
template <typename Visit>
void ForEachDescendant(pugi::xml_node root, Visit visit) {
    pugi::xml_node node = root.first_child();
    while (node) {
        visit(node);
        if (pugi::xml_node child = node.first_child()) {
            node = child;
            continue;
        }
        while (node && node != root && !node.next_sibling()) node = node.parent();
        if (!node || node == root) break;
        node = node.next_sibling();
    }
}

}  // namespace

XmlElement XmlElement::SelectFirstChild(std::string_view name) const {
    for (pugi::xml_node child = node_.first_child(); child; child = child.next_sibling()) {
        if (IsElementNamed(child, name)) return XmlElement(child);
    }
    return XmlElement();
}

std::vector<XmlElement> XmlElement::ElementsByTagName(std::string_view name) const {
    std::vector<XmlElement> elements;
    ForEachDescendant(node_, [&](pugi::xml_node node) {
        if (IsElementNamed(node, name)) elements.emplace_back(node);
    });
    return elements;
}

std::optional<std::string_view> XmlElement::GetAttribute(std::string_view name) const {
    for (pugi::xml_attribute attribute = node_.first_attribute(); attribute;
         attribute = attribute.next_attribute()) {
        if (name == attribute.name()) return std::string_view(attribute.value());
    }
    return std::nullopt;
}

// A file descriptor closed when it goes out of scope.
class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

XmlLoadResult XmlDocument::LoadFile(const std::string& path) {
    // The file is read here rather than by the library: the library takes the
    // size of whatever it opened from a seek to its end, which for a folder or
    // a device is no size at all, and would then ask for an absurd amount of
    // memory. Only regular files are read, and opening does not wait for the
    // writer of a pipe.
    const auto cannotOpen = [this](std::string description) {
        document_.reset();
        XmlLoadResult result;
        result.status = XmlLoadResult::Status::CannotOpen;
        result.description = std::move(description);
        return result;
    };
    const FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) return cannotOpen(std::strerror(errno));
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) return cannotOpen(std::strerror(errno));
    if (!S_ISREG(info.st_mode)) return cannotOpen("not a regular file");

    std::vector<char> text;
    try {
        text.resize(static_cast<std::size_t>(info.st_size));
    } catch (const std::bad_alloc&) {
        return cannotOpen("the file is too large to be read");
    } catch (const std::length_error&) {
        return cannotOpen("the file is too large to be read");
    }
    std::size_t filled = 0;
    while (filled < text.size()) {
        const ssize_t got = ::read(file.get(), text.data() + filled, text.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return cannotOpen(std::strerror(errno));
        if (got == 0) break;  // the file shrank while being read
        filled += static_cast<std::size_t>(got);
    }
    return LoadBuffer(text.data(), filled);
}

XmlLoadResult XmlDocument::LoadBuffer(const void* data, std::size_t size) {
    return Finish(document_.load_buffer(data, size, kParseOptions));
}

XmlLoadResult XmlDocument::Finish(const pugi::xml_parse_result& result) {
    XmlLoadResult loaded;
    if (result) return loaded;
    // The library keeps what it parsed before the error; an unusable file
    // must leave nothing behind.
    document_.reset();
    loaded.description = result.description();
    loaded.offset = result.offset;
    loaded.status = result.status == pugi::status_out_of_memory ? XmlLoadResult::Status::CannotOpen
                                                                : XmlLoadResult::Status::NotWellFormed;
    return loaded;
}

std::vector<XmlElement> XmlDocument::SelectDialogInfoElements() const {
    std::vector<XmlElement> elements;
    ForEachDescendant(document_, [&](pugi::xml_node node) {
        if (IsElementNamed(node, "DialogInfo") && IsElementNamed(node.parent(), "WindowInformation")) {
            elements.emplace_back(node);
        }
    });
    return elements;
}
