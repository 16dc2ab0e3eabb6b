#pragma once
// The XML document the layout reader works on: a small layer over pugixml that
// offers exactly the operations the reader needs, with document-order lists
// and attributes whose absence is distinct from an empty value.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

// Marks the span in which a thread uses XML documents. The component the
// layout files were first read with needed a per-thread initialisation before
// any document was created and its release afterwards; the layout frame holds
// one of these for its lifetime to keep that pairing in one place. pugixml
// needs no such initialisation, so acquiring and releasing do nothing.
class XmlComponentThreadScope {
public:
    XmlComponentThreadScope() = default;
    ~XmlComponentThreadScope() = default;
    XmlComponentThreadScope(const XmlComponentThreadScope&) = delete;
    XmlComponentThreadScope& operator=(const XmlComponentThreadScope&) = delete;
};

// One element of a loaded document; valid while the document lives.
class XmlElement {
public:
    XmlElement() = default;
    explicit XmlElement(pugi::xml_node node) : node_(node) {}

    explicit operator bool() const { return static_cast<bool>(node_); }
    std::string_view Name() const { return node_.name(); }

    // The first child element with this name, or an empty element.
    XmlElement SelectFirstChild(std::string_view name) const;
    // Every descendant element with this name, at any depth, in document order.
    std::vector<XmlElement> ElementsByTagName(std::string_view name) const;
    // The attribute's text, or nothing when the element has no such attribute.
    std::optional<std::string_view> GetAttribute(std::string_view name) const;
    // Byte offset of the element in the loaded text, or -1 when unknown.
    std::ptrdiff_t SourceOffset() const { return node_.offset_debug(); }

private:
    pugi::xml_node node_;
};

// How loading a file went. The reader does not look at it (a file that cannot
// be loaded simply leaves an empty document); tools that check layout files do.
struct XmlLoadResult {
    enum class Status { Loaded, CannotOpen, NotWellFormed };
    Status status = Status::Loaded;
    std::string description;  // the library's description of the problem
    std::ptrdiff_t offset = 0;  // where the parser stopped, for NotWellFormed

    bool Loaded() const { return status == Status::Loaded; }
};

class XmlDocument {
public:
    // Parses the whole file before returning. A file that is missing,
    // unreadable or not well-formed leaves the document empty, never partly
    // filled, so that queries on it find nothing.
    XmlLoadResult LoadFile(const std::string& path);
    // The same for text already in memory.
    XmlLoadResult LoadBuffer(const void* data, std::size_t size);

    // Every DialogInfo element whose parent is a WindowInformation element,
    // anywhere in the document, in document order: the result of the query
    // "//WindowInformation/DialogInfo".
    std::vector<XmlElement> SelectDialogInfoElements() const;

private:
    XmlLoadResult Finish(const pugi::xml_parse_result& result);

    pugi::xml_document document_;
};
