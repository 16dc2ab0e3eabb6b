#pragma once
// A small strict JSON reader for the tests of the command line's output:
// it rejects anything that is not valid JSON (raw control characters,
// malformed UTF-8, trailing text) and keeps object keys in their order.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lab {

struct JsonValue {
    enum class Type { Null, Bool, Number, String, Array, Object } type = Type::Null;
    bool boolean = false;
    double number = 0;
    std::string text;                                      // String: decoded UTF-8
    std::vector<JsonValue> items;                          // Array
    std::vector<std::pair<std::string, JsonValue>> members;  // Object, in order

    const JsonValue* Get(const std::string& key) const {
        for (const auto& [k, v] : members)
            if (k == key) return &v;
        return nullptr;
    }
    std::string Text(const std::string& key) const {
        const JsonValue* v = Get(key);
        return v && v->type == Type::String ? v->text : std::string("<missing>");
    }
};

class JsonReader {
public:
    // The value of the whole text, or nothing when it is not valid JSON.
    static std::optional<JsonValue> Parse(std::string_view text) {
        JsonReader r(text);
        JsonValue v;
        if (!r.Value(v)) return std::nullopt;
        r.Blank();
        if (r.pos_ != text.size()) return std::nullopt;
        return v;
    }

private:
    explicit JsonReader(std::string_view text) : s_(text) {}

    void Blank() {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r')) ++pos_;
    }
    bool Eat(char c) {
        Blank();
        if (pos_ < s_.size() && s_[pos_] == c) return ++pos_, true;
        return false;
    }
    bool Word(std::string_view w) {
        if (s_.substr(pos_, w.size()) != w) return false;
        pos_ += w.size();
        return true;
    }
    static void AppendUtf8(std::string& out, std::uint32_t cp) {
        if (cp < 0x80) out += static_cast<char>(cp);
        else if (cp < 0x800) out += static_cast<char>(0xC0 | (cp >> 6)), out += static_cast<char>(0x80 | (cp & 0x3F));
        else if (cp < 0x10000)
            out += static_cast<char>(0xE0 | (cp >> 12)), out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                out += static_cast<char>(0x80 | (cp & 0x3F));
        else
            out += static_cast<char>(0xF0 | (cp >> 18)), out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F)),
                out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F)), out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    bool Hex4(std::uint32_t& v) {
        if (pos_ + 4 > s_.size()) return false;
        v = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = s_[pos_++];
            v <<= 4;
            if (c >= '0' && c <= '9') v |= c - '0';
            else if (c >= 'a' && c <= 'f') v |= c - 'a' + 10;
            else if (c >= 'A' && c <= 'F') v |= c - 'A' + 10;
            else return false;
        }
        return true;
    }
    bool String(std::string& out) {
        if (!Eat('"')) return false;
        while (pos_ < s_.size()) {
            const unsigned char c = static_cast<unsigned char>(s_[pos_]);
            if (c == '"') return ++pos_, true;
            if (c < 0x20) return false;
            if (c == '\\') {
                if (++pos_ >= s_.size()) return false;
                const char e = s_[pos_++];
                switch (e) {
                    case '"': out += '"'; break;
                    case '\\': out += '\\'; break;
                    case '/': out += '/'; break;
                    case 'b': out += '\b'; break;
                    case 'f': out += '\f'; break;
                    case 'n': out += '\n'; break;
                    case 'r': out += '\r'; break;
                    case 't': out += '\t'; break;
                    case 'u': {
                        std::uint32_t cp = 0;
                        if (!Hex4(cp)) return false;
                        if (cp >= 0xD800 && cp <= 0xDBFF) {
                            std::uint32_t low = 0;
                            if (!Word("\\u") || !Hex4(low) || low < 0xDC00 || low > 0xDFFF) return false;
                            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                        } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
                            return false;
                        }
                        AppendUtf8(out, cp);
                        break;
                    }
                    default: return false;
                }
                continue;
            }
            // Raw UTF-8 must be well formed.
            std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
            if (n == 0 || pos_ + n > s_.size()) return false;
            std::uint32_t cp = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
            for (std::size_t i = 1; i < n; ++i) {
                const unsigned char k = static_cast<unsigned char>(s_[pos_ + i]);
                if ((k & 0xC0) != 0x80) return false;
                cp = (cp << 6) | (k & 0x3F);
            }
            const std::uint32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
            if (cp < minimum[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
            out.append(s_.substr(pos_, n));
            pos_ += n;
        }
        return false;
    }
    bool Value(JsonValue& v) {
        Blank();
        if (pos_ >= s_.size()) return false;
        const char c = s_[pos_];
        if (c == '"') {
            v.type = JsonValue::Type::String;
            return String(v.text);
        }
        if (c == '[') {
            ++pos_;
            v.type = JsonValue::Type::Array;
            if (Eat(']')) return true;
            do {
                v.items.emplace_back();
                if (!Value(v.items.back())) return false;
            } while (Eat(','));
            return Eat(']');
        }
        if (c == '{') {
            ++pos_;
            v.type = JsonValue::Type::Object;
            if (Eat('}')) return true;
            do {
                std::string key;
                Blank();
                if (!String(key) || !Eat(':')) return false;
                v.members.emplace_back(key, JsonValue{});
                if (!Value(v.members.back().second)) return false;
            } while (Eat(','));
            return Eat('}');
        }
        if (Word("true")) return v.type = JsonValue::Type::Bool, v.boolean = true, true;
        if (Word("false")) return v.type = JsonValue::Type::Bool, true;
        if (Word("null")) return true;
        const std::size_t start = pos_;
        while (pos_ < s_.size() && std::string_view("+-0123456789.eE").find(s_[pos_]) != std::string_view::npos) ++pos_;
        if (pos_ == start) return false;
        v.type = JsonValue::Type::Number;
        v.number = std::stod(std::string(s_.substr(start, pos_ - start)));
        return true;
    }

    std::string_view s_;
    std::size_t pos_ = 0;
};

}  // namespace lab
