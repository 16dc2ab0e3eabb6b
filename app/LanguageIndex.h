#pragma once
// The user's language: a language id in the numbering the layout documents
// were made for, derived from the locale, and the language index 1..12 that
// chooses the built-in layout document and the wording of the start-up error
// message.
#include <cstdint>
#include <string_view>

using LanguageId = std::uint16_t;

inline constexpr LanguageId kLanguageIdEnglishUs = 0x0409;

// The language id of a locale name such as "de_CH.UTF-8" or "zh_TW": language
// and territory mapped to the id of that language variant, a language without
// a known territory to its main variant, anything unknown (also "C" and
// "POSIX") to 0x0409.
LanguageId LanguageIdFromLocale(std::string_view locale);

// The language id of the process's locale: the first of LC_ALL, LC_MESSAGES
// and LANG that is set and not empty.
LanguageId GetUserLanguageId();

// The language index of a language id; 1 (English) for every id not listed.
unsigned GetLanguageIndex(LanguageId languageId);
// The language index of the process's locale.
unsigned GetLanguageIndex();

// The number of the built-in "XML" layout document of a language index.
int GetLayoutResourceId(unsigned languageIndex);

// The message shown when the configuration folder cannot be written, in the
// language of the index (English for the languages without a wording).
std::string_view GetConfigErrorMessage(unsigned languageIndex);
