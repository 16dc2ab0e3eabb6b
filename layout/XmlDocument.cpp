#include "layout/XmlDocument.h"

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

XmlLoadResult XmlDocument::LoadFile(const std::string& path) {
    return Finish(document_.load_file(path.c_str(), kParseOptions));
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
    const bool cannotOpen = result.status == pugi::status_file_not_found ||
                            result.status == pugi::status_io_error ||
                            result.status == pugi::status_out_of_memory;
    loaded.status = cannotOpen ? XmlLoadResult::Status::CannotOpen
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
