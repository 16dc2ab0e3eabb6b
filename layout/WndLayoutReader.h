#pragma once
// Reads the layout of one dialog from a layout file (WndLayoutInfo.xml): the
// dialog's own values from its section, one record per control, and the
// string table.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/Bool.h"
#include "layout/LayoutRecords.h"

class XmlDocument;

// Raised when an attribute the reader asks for is absent. There are no default
// values: the read stops there, and what was read before stays in the record.
class LayoutAttributeMissing : public std::runtime_error {
public:
    LayoutAttributeMissing(std::string element, std::string attribute, std::ptrdiff_t offset);

    const std::string& Element() const { return element_; }
    const std::string& Attribute() const { return attribute_; }
    // Byte offset of the element in the file, or -1 when unknown.
    std::ptrdiff_t Offset() const { return offset_; }

private:
    std::string element_;
    std::string attribute_;
    std::ptrdiff_t offset_;
};

// Fills the record in place from the file at path, for the DialogInfo elements
// whose DialogID is dialogId and their section element named section.
//
// Returns FALSE only for an empty path; TRUE otherwise, also when the file is
// missing or not well-formed (nothing is read) or nothing matched. Every
// matching DialogInfo is read in document order: later ones overwrite the
// dialog-level values, while for controls and strings the first occurrence of
// an id wins. Throws LayoutAttributeMissing when a required attribute is
// absent.
BOOL ReadWndLayoutInfo(DialogLayout& layout, const std::string& path, std::int32_t dialogId,
                       std::string_view section);

// The first step of every read: clears everything but strBGColor, clrBG and
// rcPos, which keep their values until a matching section sets them again.
void ResetDialogLayout(DialogLayout& layout);

// The reading steps on a document that is already loaded, without the reset.
void ReadWndLayoutDocument(DialogLayout& layout, const XmlDocument& document, std::int32_t dialogId,
                           std::string_view section);
