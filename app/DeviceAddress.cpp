#include "app/DeviceAddress.h"

#include <arpa/inet.h>

#include <cctype>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsAlnum(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

bool IsHostChar(char c) {
    return IsAlnum(c) || c == '-' || c == '_' || c == '.';
}

// Four parts, each 1..3 digits without a leading zero and at most 255. This is
// stricter than what some address parsers accept (octal or hexadecimal parts,
// fewer parts, trailing text), on purpose.
bool IsStrictDottedQuad(std::string_view text) {
    int parts = 0;
    std::size_t i = 0;
    while (true) {
        const std::size_t start = i;
        int value = 0;
        while (i < text.size() && IsDigit(text[i]) && i - start < 3) {
            value = value * 10 + (text[i] - '0');
            ++i;
        }
        const std::size_t length = i - start;
        if (length == 0 || value > 255) return false;
        if (length > 1 && text[start] == '0') return false;
        ++parts;
        if (i == text.size()) return parts == 4;
        if (text[i] != '.' || parts == 4) return false;
        ++i;
    }
}

}  // namespace

std::optional<DeviceAddress> ValidateDeviceAddress(std::string_view text) {
    if (text.size() < 7 || text.size() > 15 || !IsStrictDottedQuad(text)) return std::nullopt;
    // The system's own parser must agree as well.
    const std::string copy(text);
    in_addr parsed{};
    if (inet_pton(AF_INET, copy.c_str(), &parsed) != 1) return std::nullopt;
    return DeviceAddress(copy);
}

bool NamesHost(std::string_view text, std::string_view address) {
    if (address.empty()) return false;
    for (std::size_t at = text.find(address); at != std::string_view::npos; at = text.find(address, at + 1)) {
        const bool cleanBefore = at == 0 || !IsHostChar(text[at - 1]);
        const std::size_t end = at + address.size();
        bool cleanAfter = end == text.size() || !IsHostChar(text[end]);
        if (!cleanAfter && text[end] == '.') {
            cleanAfter = end + 1 == text.size() || !IsAlnum(text[end + 1]);
        }
        if (cleanBefore && cleanAfter) return true;
    }
    return false;
}
