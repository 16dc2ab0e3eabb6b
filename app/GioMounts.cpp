#include "app/GioMounts.h"

#include <cctype>

namespace {

std::string_view Trim(std::string_view s) {
    const std::size_t start = s.find_first_not_of(" \t\r");
    if (start == std::string_view::npos) return {};
    const std::size_t end = s.find_last_not_of(" \t\r");
    return s.substr(start, end - start + 1);
}

bool IsSchemeChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '+' || c == '-' || c == '.';
}

// A scheme begins with a letter and holds letters, digits, '+', '-' and '.'.
bool IsScheme(std::string_view s) {
    if (s.empty() || std::isalpha(static_cast<unsigned char>(s[0])) == 0) return false;
    for (char c : s) {
        if (!IsSchemeChar(c)) return false;
    }
    return true;
}

}  // namespace

std::vector<std::string> ParseGioMountUris(std::string_view listing) {
    std::vector<std::string> uris;
    while (!listing.empty()) {
        const std::size_t newline = listing.find('\n');
        const std::string_view line = Trim(listing.substr(0, newline));
        listing.remove_prefix(newline == std::string_view::npos ? listing.size() : newline + 1);
        if (line.substr(0, 6) != "Mount(") continue;
        // The mount's name may hold any text, an arrow included; the URI has
        // no spaces, so the last arrow is the one before the URI.
        const std::size_t arrow = line.rfind(" -> ");
        if (arrow == std::string_view::npos) continue;
        const std::string_view uri = Trim(line.substr(arrow + 4));
        if (!UriHost(uri).empty()) uris.emplace_back(uri);
    }
    return uris;
}

std::string_view UriHost(std::string_view uri) {
    const std::size_t separator = uri.find("://");
    if (separator == std::string_view::npos || !IsScheme(uri.substr(0, separator))) return {};
    std::string_view authority = uri.substr(separator + 3);
    authority = authority.substr(0, authority.find_first_of("/?#"));
    const std::size_t at = authority.rfind('@');
    if (at != std::string_view::npos) authority.remove_prefix(at + 1);
    if (!authority.empty() && authority.front() == '[') {
        const std::size_t close = authority.find(']');
        return close == std::string_view::npos ? std::string_view{} : authority.substr(0, close + 1);
    }
    return authority.substr(0, authority.find(':'));
}
