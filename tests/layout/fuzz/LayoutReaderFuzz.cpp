// Feeds arbitrary bytes to the layout reader as a layout file: no input, however
// malformed or hostile, may crash it or make it misbehave under the sanitizers.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "layout/LayoutValueParsers.h"
#include "layout/WindowStyle.h"
#include "layout/WndLayoutReader.h"
#include "layout/XmlDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The reader proper, for the dialog and section the main window asks for
    // and for a second dialog so that the id comparison is exercised both ways.
    for (const std::int32_t dialogId : {201, 0}) {
        XmlDocument document;
        document.LoadBuffer(data, size);
        DialogLayout layout;
        ResetDialogLayout(layout);
        try {
            ReadWndLayoutDocument(layout, document, dialogId, "Standard");
        } catch (const LayoutAttributeMissing&) {
            // An absent attribute is a reported outcome, not a fault.
        }
    }

    // The value parsers on the raw bytes, as if they were one attribute value.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    LayoutColor color = 0;
    LayoutRect rect;
    LayoutPoint point;
    ParseLayoutColor(text, color);
    ParseLayoutRect(text, rect);
    ParseLayoutPoint(text, point);
    (void)ParseLayoutInteger(text);
    (void)ParseWindowStyle(text);
    return 0;
}
