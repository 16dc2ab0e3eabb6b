#include "layout/Utf16Order.h"

#include <cstdint>

namespace {

// Decodes the character at the front of the text and returns a weight whose
// numeric order is the UTF-16 code-unit order: characters above U+FFFF (whose
// first unit is a surrogate, 0xD800..0xDBFF) sort between U+D7FF and U+E000.
// A byte that does not start a well-formed, shortest-form sequence stands for
// itself with a weight above every character, so that distinct texts never
// compare equal.
std::uint32_t TakeWeight(std::string_view& text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
    std::uint32_t minimum = 0;
    if (lead < 0x80) {
        text.remove_prefix(1);
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, codePoint = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, codePoint = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, codePoint = lead & 0x07, minimum = 0x10000;
    }
    bool wellFormed = length != 0 && text.size() >= length;
    for (std::size_t i = 1; wellFormed && i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) wellFormed = false;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (wellFormed && (codePoint < minimum || codePoint > 0x10FFFF ||
                       (codePoint >= 0xD800 && codePoint <= 0xDFFF))) {
        wellFormed = false;
    }
    if (!wellFormed) {
        text.remove_prefix(1);
        return 0x200000u + lead;
    }
    text.remove_prefix(length);
    if (codePoint >= 0x10000) return 0xD800u + (codePoint - 0x10000);  // 0xD800..0x10D7FF
    if (codePoint >= 0xE000) return codePoint + 0x100000u;              // 0x10E000..0x10FFFF
    return codePoint;
}

}  // namespace

bool Utf16CodeUnitLess::operator()(std::string_view a, std::string_view b) const {
    while (!a.empty() && !b.empty()) {
        const std::uint32_t wa = TakeWeight(a);
        const std::uint32_t wb = TakeWeight(b);
        if (wa != wb) return wa < wb;
    }
    return a.empty() && !b.empty();
}
