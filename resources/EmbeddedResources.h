#pragma once
// The built-in files (layout documents and pictures) compiled into the
// executable, found by resource number and type name ("XML", "PNG", "BMP").
// The bytes are exactly those of the files under resources/ they were made
// from, so writing them out reproduces those files.
#include <optional>
#include <span>
#include <string_view>

struct EmbeddedResource {
    int nID;
    // "XML" for the layout documents, "PNG" and "BMP" for the pictures.
    std::string_view strType;
    // The file under resources/ the bytes were taken from, e.g. "pictures/logo.png".
    std::string_view strSourceName;
    std::span<const unsigned char> bytes;
};

// Every embedded resource, in the order of the resource table: the seven
// layout documents, then the eight pictures in the order they are written.
std::span<const EmbeddedResource> AllEmbeddedResources();

// The bytes of the resource with this number and type name; nothing when no
// resource has both. The type name is compared exactly.
std::optional<std::span<const unsigned char>> FindEmbeddedResource(int id, std::string_view type);
