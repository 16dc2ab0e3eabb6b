#pragma once
// Orders UTF-8 texts as their UTF-16 forms would be ordered, code unit by code
// unit. The string tables of the layout are keyed this way so that their order
// does not depend on the encoding the texts are kept in: it differs from plain
// byte order only where a character above U+FFFF meets one of U+E000..U+FFFF.
#include <string_view>

struct Utf16CodeUnitLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};
