#pragma once
// Texts of device records are 8-bit texts in whatever character set the
// device used; they are shown as the user's locale reads them. The locale's
// character set (nl_langinfo(CODESET), after setlocale(LC_CTYPE, "") at
// start-up) is the one they are converted from.
#include <string>
#include <string_view>

// The text converted from the current locale's character set to UTF-8.
std::string LocaleTextToUtf8(std::string_view text);

// The text converted from the named character set to UTF-8. Every byte that
// does not form a character of that set, including an incomplete sequence at
// the end, becomes U+FFFD, so nothing is dropped silently. A character set
// iconv does not know is read as ASCII, whose other bytes are replaced the
// same way.
std::string CharsetTextToUtf8(std::string_view text, const char* charset);
