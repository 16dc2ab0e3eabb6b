#pragma once
// How the command line shows device records: as JSON (the texts exactly as
// received, always valid JSON) and as an aligned table for people.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/DeviceRecord.h"

namespace DeviceListing {

// Length of a well-formed UTF-8 sequence at the start of `s` (shortest form,
// no surrogates, at most U+10FFFF), 0 when the first byte does not begin one.
inline std::size_t Utf8SequenceLength(std::string_view s) {
    if (s.empty()) return 0;
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = b(0);
    if (c < 0x80) return 1;
    std::size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) n = 2;
    else if (c == 0xE0) n = 3, lo = 0xA0;
    else if (c >= 0xE1 && c <= 0xEC) n = 3;
    else if (c == 0xED) n = 3, hi = 0x9F;
    else if (c >= 0xEE && c <= 0xEF) n = 3;
    else if (c == 0xF0) n = 4, lo = 0x90;
    else if (c >= 0xF1 && c <= 0xF3) n = 4;
    else if (c == 0xF4) n = 4, hi = 0x8F;
    else return 0;
    if (s.size() < n) return 0;
    if (b(1) < lo || b(1) > hi) return 0;
    for (std::size_t i = 2; i < n; ++i)
        if (b(i) < 0x80 || b(i) > 0xBF) return 0;
    return n;
}

// A JSON string literal of `text`. Well-formed UTF-8 is kept as it is; every
// byte that is not part of it is written as \u00XX with the byte's value,
// so the output is valid JSON whatever a device sent.
inline std::string JsonString(std::string_view text) {
    static const char digits[] = "0123456789abcdef";
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const auto escapeByte = [&] {
            out += "\\u00";
            out += digits[c >> 4];
            out += digits[c & 15];
        };
        if (c == '"') out += "\\\"";
        else if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\t') out += "\\t";
        else if (c < 0x20 || c == 0x7F) escapeByte();
        else if (c < 0x80) out += static_cast<char>(c);
        else if (const std::size_t n = Utf8SequenceLength(text.substr(i))) {
            out.append(text.substr(i, n));
            i += n;
            continue;
        } else {
            escapeByte();
        }
        ++i;
    }
    out += '"';
    return out;
}

// The record's ten texts under their JSON keys, in record order.
inline std::vector<std::pair<const char*, std::string_view>> RecordFields(const DeviceRecord& r) {
    return {{"id", DeviceRecord::View(r.szDeviceID)},
            {"ip", DeviceRecord::View(r.szIP)},
            {"host", DeviceRecord::View(r.szHostName)},
            {"product", DeviceRecord::View(r.szProduct)},
            {"extra", DeviceRecord::View(r.szExtraInfo)},
            {"firmware", DeviceRecord::View(r.szFirmwareVersion)},
            {"vendor", DeviceRecord::View(r.szVendor)},
            {"ssid", DeviceRecord::View(r.szSSID)},
            {"mac0", DeviceRecord::View(r.szMAC0)},
            {"mac1", DeviceRecord::View(r.szMAC1)}};
}

inline std::string RecordJson(const DeviceRecord& r) {
    std::string out = "{";
    bool first = true;
    for (const auto& [key, value] : RecordFields(r)) {
        if (!first) out += ", ";
        first = false;
        out += JsonString(key);
        out += ": ";
        out += JsonString(value);
    }
    out += "}";
    return out;
}

// One JSON array, one device per line, ending with a line break.
inline std::string ListJson(const std::vector<DeviceRecord>& devices) {
    if (devices.empty()) return "[]\n";
    std::string out = "[\n";
    for (std::size_t i = 0; i < devices.size(); ++i) {
        out += "  " + RecordJson(devices[i]);
        out += i + 1 < devices.size() ? ",\n" : "\n";
    }
    out += "]\n";
    return out;
}

// A text cell for a terminal: control characters become '?', so that a
// device cannot move the cursor or end a line; an empty text shows as "-".
inline std::string DisplayText(std::string_view text) {
    if (text.empty()) return "-";
    std::string out;
    for (char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        out += (c < 0x20 || c == 0x7F) ? '?' : ch;
    }
    return out;
}

// Columns a text takes on a terminal: one per character of UTF-8 (bytes
// that continue a character take none).
inline std::size_t DisplayWidth(std::string_view text) {
    std::size_t n = 0;
    for (char ch : text)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++n;
    return n;
}

// Host name, IP address, product, vendor and firmware, aligned, with a
// header line; "No devices found." when there are none.
inline std::string Table(const std::vector<DeviceRecord>& devices) {
    if (devices.empty()) return "No devices found.\n";
    std::vector<std::vector<std::string>> rows = {{"HOST NAME", "IP ADDRESS", "PRODUCT", "VENDOR", "FIRMWARE"}};
    for (const DeviceRecord& r : devices)
        rows.push_back({DisplayText(DeviceRecord::View(r.szHostName)), DisplayText(DeviceRecord::View(r.szIP)),
                        DisplayText(DeviceRecord::View(r.szProduct)), DisplayText(DeviceRecord::View(r.szVendor)),
                        DisplayText(DeviceRecord::View(r.szFirmwareVersion))});
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], DisplayWidth(row[c]));
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) line.append(widths[c] - DisplayWidth(row[c]) + 2, ' ');
        }
        out += line + "\n";
    }
    return out;
}

}  // namespace DeviceListing
