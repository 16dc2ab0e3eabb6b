#include "app/LocaleText.h"

#include <iconv.h>
#include <langinfo.h>

#include <cerrno>

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Owns one conversion descriptor.
class Converter {
public:
    explicit Converter(const char* from) : cd_(iconv_open("UTF-8", from)) {}
    ~Converter()
    {
        if (Valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return cd_; }

private:
    iconv_t cd_;
};

}  // namespace

std::string CharsetTextToUtf8(std::string_view text, const char* charset)
{
    const std::string_view name = charset != nullptr && *charset != '\0' ? charset : "ASCII";
    Converter converter(std::string(name).c_str());
    if (!converter.Valid()) {
        if (name != "ASCII") return CharsetTextToUtf8(text, "ASCII");
        // Without any converter: ASCII by hand.
        std::string out;
        for (char c : text) {
            if (static_cast<unsigned char>(c) < 0x80) out += c;
            else out += kReplacementCharacter;
        }
        return out;
    }

    std::string out;
    out.reserve(text.size() * 2);
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t rc = iconv(converter.Get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (rc != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // An invalid byte (EILSEQ) or an incomplete sequence at the end
        // (EINVAL): show one replacement character for the byte and go on
        // with the next one.
        out += kReplacementCharacter;
        ++in;
        --inLeft;
        iconv(converter.Get(), nullptr, nullptr, nullptr, nullptr);
    }
    // Flush any shift state of stateful character sets.
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    iconv(converter.Get(), nullptr, nullptr, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    return out;
}

std::string LocaleTextToUtf8(std::string_view text)
{
    return CharsetTextToUtf8(text, nl_langinfo(CODESET));
}
