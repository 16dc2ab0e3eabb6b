#include "layout/LayoutValueParsers.h"

#include <limits>

namespace {

// The white space the C library skips before a number in the "C" locale.
bool IsLeadingSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Splits off the text before the first comma. Returns false, leaving both
// views alone, when the text is empty or holds no comma.
bool SplitAtComma(std::string_view& text, std::string_view& head) {
    if (text.empty()) return false;
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return false;
    head = text.substr(0, comma);
    text.remove_prefix(comma + 1);
    return true;
}

// Adds the way the platform's 32-bit arithmetic does, wrapping around instead
// of overflowing, so that extreme positions cannot cause undefined behaviour.
std::int32_t WrappingAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

}  // namespace

std::int32_t ParseLayoutInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsLeadingSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate the magnitude in 64 bits and stop growing it once it is past
    // the range; the remaining digits are consumed but cannot change the result.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (magnitude <= kLimit) magnitude = magnitude * 10 + (text[i] - '0');
    }
    if (negative) {
        return magnitude >= kLimit ? std::numeric_limits<std::int32_t>::min()
                                   : static_cast<std::int32_t>(-magnitude);
    }
    return magnitude >= kLimit ? std::numeric_limits<std::int32_t>::max()
                               : static_cast<std::int32_t>(magnitude);
}

void ParseLayoutColor(std::string_view text, LayoutColor& target) {
    std::string_view part;
    if (!SplitAtComma(text, part)) return;
    const auto red = static_cast<std::uint32_t>(ParseLayoutInteger(part));
    if (!SplitAtComma(text, part)) return;
    const auto green = static_cast<std::uint32_t>(ParseLayoutInteger(part));
    const auto blue = static_cast<std::uint32_t>(ParseLayoutInteger(text));
    target = ((blue & 0xFF) << 16) | ((green & 0xFF) << 8) | (red & 0xFF);
}

void ParseLayoutRect(std::string_view text, LayoutRect& target) {
    std::string_view part;
    if (!SplitAtComma(text, part)) return;
    target.left = ParseLayoutInteger(part);
    if (!SplitAtComma(text, part)) return;
    target.top = ParseLayoutInteger(part);
    if (!SplitAtComma(text, part)) return;
    // What follows the third comma is the height; a fifth part after another
    // comma is ignored because the integer rule stops at the comma.
    const std::int32_t width = ParseLayoutInteger(part);
    const std::int32_t height = ParseLayoutInteger(text);
    target.right = WrappingAdd(width, target.left);
    target.bottom = WrappingAdd(target.top, height);
}

void ParseLayoutPoint(std::string_view text, LayoutPoint& target) {
    std::string_view part;
    if (!SplitAtComma(text, part)) return;
    target.x = ParseLayoutInteger(part);
    target.y = ParseLayoutInteger(text);
}
