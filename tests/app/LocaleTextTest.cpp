// Record texts are shown as the locale's character set reads them; bytes that
// are not characters of it are shown as U+FFFD, never dropped.
#include <gtest/gtest.h>

#include <string>

#include "app/LocaleText.h"

namespace {

const std::string kFffd = "\xEF\xBF\xBD";

TEST(LocaleText, ConvertsFromTheNamedCharacterSet)
{
    struct Case {
        const char* name;
        const char* charset;
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {"plain ASCII", "ASCII", "TravelRouter-01", "TravelRouter-01"},
        {"Latin-1 letter", "ISO-8859-1", "Caf\xE9", "Caf\xC3\xA9"},
        {"GBK text", "GBK", "\xC4\xE3\xBA\xC3", "\xE4\xBD\xA0\xE5\xA5\xBD"},
        {"valid UTF-8 passes", "UTF-8", "\xE4\xBD\xA0-1", "\xE4\xBD\xA0-1"},
        {"invalid byte in UTF-8", "UTF-8", "ab\xFF" "cd", "ab" + kFffd + "cd"},
        {"two invalid bytes give two replacements", "UTF-8", "\x80\x81", kFffd + kFffd},
        {"incomplete sequence at the end", "UTF-8", "ab\xE4\xBD", "ab" + kFffd + kFffd},
        {"high byte in ASCII", "ASCII", "x\xE9y", "x" + kFffd + "y"},
        {"unknown character set reads as ASCII", "NO-SUCH-CHARSET-XYZ", "a\xE9", "a" + kFffd},
        {"empty text", "UTF-8", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CharsetTextToUtf8(c.in, c.charset), c.out);
    }
}

}  // namespace
