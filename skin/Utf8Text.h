#pragma once
// User-interface texts are UTF-8 std::string throughout the skin (the
// platform's text layout takes UTF-8), where the layout files' first
// platform used UTF-16; limits given in characters are therefore counted in code points,
// never in bytes, so a cut never splits a character.
#include <cstddef>
#include <string>
#include <string_view>

// The first `maxCharacters` code points of `text` (all of it when shorter).
std::string CutToCharacters(std::string_view text, std::size_t maxCharacters);
