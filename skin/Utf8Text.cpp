#include "skin/Utf8Text.h"

std::string CutToCharacters(std::string_view text, std::size_t maxCharacters)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // Continuation bytes (10xxxxxx) belong to the character before them.
        if ((byte & 0xC0u) != 0x80u) {
            if (characters == maxCharacters) {
                return std::string(text.substr(0, i));
            }
            ++characters;
        }
    }
    return std::string(text);
}
