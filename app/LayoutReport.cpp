#include "app/LayoutReport.h"

#include <cinttypes>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

namespace {

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08" PRIX32, value);
    return text;
}

std::string RectText(const LayoutRect& rect) {
    return std::to_string(rect.left) + ", " + std::to_string(rect.top) + ", " + std::to_string(rect.right) +
           ", " + std::to_string(rect.bottom);
}

std::string PointText(const LayoutPoint& point) {
    return std::to_string(point.x) + ", " + std::to_string(point.y);
}

// Length of the well-formed UTF-8 sequence at the front of the text, or 0.
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
    if (length == 0 || text.size() < length) return 0;
    const auto second = static_cast<unsigned char>(text[1]);
    // Reject overlong forms, surrogates and values above U+10FFFF.
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0;
    }
    return length;
}

// A JSON string. The texts come from a file anyone may have written, so bytes
// that are not well-formed UTF-8 become U+FFFD and the output stays valid.
std::string JsonString(std::string_view text) {
    std::string out = "\"";
    while (!text.empty()) {
        const char c = text.front();
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            const std::size_t length = Utf8SequenceLength(text);
            if (length == 0) {
                out += "\xEF\xBF\xBD";
                text.remove_prefix(1);
            } else {
                out.append(text.substr(0, length));
                text.remove_prefix(length);
            }
            continue;
        }
        text.remove_prefix(1);
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (byte < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(byte));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

std::string JsonRect(const LayoutRect& rect) { return "[" + RectText(rect) + "]"; }
std::string JsonPoint(const LayoutPoint& point) { return "[" + PointText(point) + "]"; }

// Builds "key": value members, separated by commas.
class JsonObject {
public:
    explicit JsonObject(std::string indent) : indent_(std::move(indent)) {}
    JsonObject& Add(std::string_view key, const std::string& rawValue) {
        text_ += first_ ? "{\n" : ",\n";
        first_ = false;
        text_ += indent_ + "  " + JsonString(key) + ": " + rawValue;
        return *this;
    }
    JsonObject& Add(std::string_view key, std::int64_t number) { return Add(key, std::to_string(number)); }
    JsonObject& AddText(std::string_view key, std::string_view value) { return Add(key, JsonString(value)); }
    std::string Close() const { return first_ ? "{}" : text_ + "\n" + indent_ + "}"; }

private:
    std::string indent_;
    std::string text_;
    bool first_ = true;
};

std::string ControlAsJson(const ControlLayout& control, const std::string& indent) {
    JsonObject object(indent);
    object.Add("nCtrlID", control.nCtrlID)
        .AddText("strBGPath", control.strBGPath)
        .Add("nBGStatusCount", control.nBGStatusCount)
        .AddText("strBGColor", control.strBGColor)
        .Add("clrBG", control.clrBG)
        .AddText("strBorderColor", control.strBorderColor)
        .Add("clrBorder", control.clrBorder)
        .Add("nPaintMode", control.nPaintMode)
        .AddText("strClass", control.strClass)
        .Add("dwStyle", control.dwStyle)
        .AddText("strDiscrip", control.strDiscrip)
        .AddText("strText", control.strText)
        .AddText("strTextColor", control.strTextColor)
        .Add("clrText", control.clrText)
        .Add("ptTextOffset", JsonPoint(control.ptTextOffset))
        .AddText("strFont", control.strFont)
        .Add("nFontSize", control.nFontSize)
        .Add("nPosType", control.nPosType)
        .Add("rcPos", JsonRect(control.rcPos))
        .Add("nShow", control.nShow);
    return object.Close();
}

void AppendLine(std::string& out, std::string_view indent, std::string_view name, const std::string& value) {
    out.append(indent).append(name).append(": ").append(value).append("\n");
}

// Texts are shown in quotes so that empty values and blanks can be seen.
std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string ColorText(const std::string& text, LayoutColor value) { return Quoted(text) + " = " + Hex(value); }

}  // namespace

std::string FormatLayoutAsText(const DialogLayout& layout) {
    std::string out;
    AppendLine(out, "", "nDialogID", std::to_string(layout.nDialogID));
    AppendLine(out, "", "strText", Quoted(layout.strText));
    AppendLine(out, "", "strDiscrip", Quoted(layout.strDiscrip));
    AppendLine(out, "", "strBGPath", Quoted(layout.strBGPath));
    AppendLine(out, "", "strBGColor", ColorText(layout.strBGColor, layout.clrBG));
    AppendLine(out, "", "nPaintMode", std::to_string(layout.nPaintMode));
    AppendLine(out, "", "rcPos", RectText(layout.rcPos));
    AppendLine(out, "", "strTextColor", ColorText(layout.strTextColor, layout.clrText));
    AppendLine(out, "", "ptTextOffset", PointText(layout.ptTextOffset));
    AppendLine(out, "", "strFont", Quoted(layout.strFont));
    AppendLine(out, "", "nFontSize", std::to_string(layout.nFontSize));

    out += "mapCtrlLayouts: " + std::to_string(layout.mapCtrlLayouts.size()) + " control(s)\n";
    for (const auto& [id, control] : layout.mapCtrlLayouts) {
        out += "  control " + std::to_string(id) + "\n";
        const std::string_view indent = "    ";
        AppendLine(out, indent, "strClass", Quoted(control.strClass));
        AppendLine(out, indent, "dwStyle", Hex(control.dwStyle));
        AppendLine(out, indent, "rcPos", RectText(control.rcPos));
        AppendLine(out, indent, "nPosType", std::to_string(control.nPosType));
        AppendLine(out, indent, "nShow", std::to_string(control.nShow));
        AppendLine(out, indent, "strBGPath", Quoted(control.strBGPath));
        AppendLine(out, indent, "nBGStatusCount", std::to_string(control.nBGStatusCount));
        AppendLine(out, indent, "strBGColor", ColorText(control.strBGColor, control.clrBG));
        AppendLine(out, indent, "strBorderColor", ColorText(control.strBorderColor, control.clrBorder));
        AppendLine(out, indent, "nPaintMode", std::to_string(control.nPaintMode));
        AppendLine(out, indent, "strText", Quoted(control.strText));
        AppendLine(out, indent, "ptTextOffset", PointText(control.ptTextOffset));
        AppendLine(out, indent, "strTextColor", ColorText(control.strTextColor, control.clrText));
        AppendLine(out, indent, "strFont", Quoted(control.strFont));
        AppendLine(out, indent, "nFontSize", std::to_string(control.nFontSize));
        AppendLine(out, indent, "strDiscrip", Quoted(control.strDiscrip));
    }

    out += "mapStrings: " + std::to_string(layout.mapStrings.size()) + " string(s)\n";
    for (const auto& [key, value] : layout.mapStrings) AppendLine(out, "  ", key, Quoted(value));
    return out;
}

std::string FormatLayoutAsJson(const DialogLayout& layout, const LayoutReadProblem* problem) {
    std::string controls = "[";
    bool firstControl = true;
    for (const auto& [id, control] : layout.mapCtrlLayouts) {
        controls += firstControl ? "\n    " : ",\n    ";
        firstControl = false;
        controls += ControlAsJson(control, "    ");
    }
    controls += firstControl ? "]" : "\n  ]";

    JsonObject strings("  ");
    for (const auto& [key, value] : layout.mapStrings) strings.AddText(key, value);

    JsonObject object("");
    object.Add("nDialogID", layout.nDialogID)
        .AddText("strBGPath", layout.strBGPath)
        .AddText("strBGColor", layout.strBGColor)
        .Add("clrBG", layout.clrBG)
        .Add("nPaintMode", layout.nPaintMode)
        .AddText("strText", layout.strText)
        .AddText("strDiscrip", layout.strDiscrip)
        .Add("rcPos", JsonRect(layout.rcPos))
        .AddText("strTextColor", layout.strTextColor)
        .Add("clrText", layout.clrText)
        .Add("ptTextOffset", JsonPoint(layout.ptTextOffset))
        .AddText("strFont", layout.strFont)
        .Add("nFontSize", layout.nFontSize)
        .Add("mapCtrlLayouts", controls)
        .Add("mapStrings", strings.Close());
    if (problem) {
        JsonObject error("  ");
        error.AddText("element", problem->element).AddText("attribute", problem->attribute);
        if (problem->line > 0) error.Add("line", problem->line);
        object.Add("error", error.Close());
    }
    return object.Close() + "\n";
}
