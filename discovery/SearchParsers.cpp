#include "discovery/SearchParsers.h"

#include <algorithm>
#include <cstddef>

#include "discovery/SearchProtocol.h"

namespace {

using namespace SearchProtocol;
constexpr std::size_t npos = std::string_view::npos;

// The text up to the first zero byte: received datagrams are treated as
// zero-terminated texts.
std::string_view UpToZero(std::string_view bytes) {
    const std::size_t zero = bytes.find('\0');
    return zero == npos ? bytes : bytes.substr(0, zero);
}

// Text between two positions of the same view; both are checked by the
// callers to lie within it with from <= to.
std::string_view Between(std::string_view text, std::size_t from, std::size_t to) {
    return text.substr(from, to - from);
}

// The position just past `token`, searched from `from`; npos when absent.
std::size_t FindAfter(std::string_view text, std::string_view token, std::size_t from) {
    if (from > text.size()) return npos;
    const std::size_t at = text.find(token, from);
    return at == npos ? npos : at + token.size();
}

// The value of `key` in a "key=value&key=value" text: the first occurrence
// of the key anywhere, up to the next '&' or the end of the text.
std::string_view KeyValue(std::string_view text, std::string_view key) {
    const std::size_t start = FindAfter(text, key, 0);
    if (start == npos) return {};
    const std::size_t end = text.find(kPairSeparator, start);
    return end == npos ? text.substr(start) : Between(text, start, end);
}

}  // namespace

BroadcastReplyResult ParseBroadcastReply(std::string_view datagram, std::string_view senderIp) {
    BroadcastReplyResult result;
    if (datagram.size() != kPacketSize) {
        result.status = BroadcastReplyStatus::WrongLength;
        return result;
    }
    if (static_cast<std::uint8_t>(datagram[0]) != kReplyOperation) {
        result.status = BroadcastReplyStatus::NotDevice;
        return result;
    }
    DeviceRecord& record = result.record;
    SetRecordText(record.szIP, senderIp);
    record.nType = static_cast<std::uint8_t>(datagram[1]);

    // The text area ends at its first zero and never beyond the packet.
    const std::string_view text = UpToZero(datagram.substr(kPacketTextOffset, kPacketTextSize));
    SetRecordText(record.szDeviceID, KeyValue(text, kKeyId));
    SetRecordText(record.szHostName, KeyValue(text, kKeyHost));
    SetRecordText(record.szVendor, KeyValue(text, kKeyVendor));
    SetRecordText(record.szProduct, KeyValue(text, kKeyProduct));
    result.status = BroadcastReplyStatus::Accepted;
    return result;
}

namespace {

// The work fields of the SSDP parser. Each is cut to 31 characters when it
// is stored in the record.
struct SsdpFields {
    std::string_view id, ip, host, product, extra, firmware, vendor, ssid, mac0, mac1;
};

// The SSIDINFO part: "SSID/name,MAC0/text,MAC1/text\r". Each step needs the
// one before it; a missing piece ends the part with what was found.
void ParseWirelessInfo(std::string_view msg, SsdpFields& f) {
    const std::size_t info = msg.find(kTokenSsidInfo);
    if (info == npos) return;
    const std::size_t ssid = FindAfter(msg, kTokenSsid, info);
    if (ssid == npos) return;
    const std::size_t ssidEnd = msg.find(kTokenComma, ssid);
    if (ssidEnd == npos) return;
    f.ssid = Between(msg, ssid, ssidEnd);

    const std::size_t mac0 = FindAfter(msg, kTokenMac0, ssidEnd);
    if (mac0 == npos) return;
    const std::size_t mac0End = msg.find(kTokenComma, mac0);
    if (mac0End == npos) return;
    f.mac0 = Between(msg, mac0, mac0End);

    const std::size_t mac1 = FindAfter(msg, kTokenMac1, mac0End);
    if (mac1 == npos) return;
    const std::size_t mac1End = msg.find(kLineEnd, mac1);
    if (mac1End == npos) return;
    f.mac1 = Between(msg, mac1, mac1End);
}

// The SERVER header: "SERVER: OS/VERSION KYMO/FIRMWARE, UPnP/1.0,
// VENDOR/HOST/PRODUCT/EXTRA\r". Returns true when the wireless part is to
// be read next (the product part had a third '/'). `productPart` is the
// 64-byte work buffer that the vendor, host, product and extra views point
// into.
bool ParseServer(std::string_view msg, std::size_t server, SsdpFields& f, char (&productPart)[kProductPartSize]) {
    const std::size_t firmware = FindAfter(msg, kTokenFirmware, server);
    if (firmware == npos) return false;
    const std::size_t firmwareEnd = msg.find(kTokenComma, firmware);
    if (firmwareEnd == npos) return false;
    f.firmware = Between(msg, firmware, firmwareEnd);

    const std::size_t secondComma = msg.find(kTokenComma, firmwareEnd + 1);
    if (secondComma == npos) return false;
    // The product part starts after the comma and the space behind it; a
    // message that ends right there has an empty rest.
    const std::size_t start = std::min(secondComma + kProductPartSkip, msg.size());
    const std::size_t end = msg.find(kLineEnd, start);
    if (end == npos) return false;
    const std::string_view whole = Between(msg, start, end);
    const std::size_t kept = std::min(whole.size(), kProductPartSize - 1);
    whole.copy(productPart, kept);
    productPart[kept] = '\0';
    const std::string_view part(productPart, kept);

    const std::size_t slash1 = part.find(kTokenSlash);
    if (slash1 == npos) return false;
    f.vendor = part.substr(0, slash1);
    const std::size_t slash2 = part.find(kTokenSlash, slash1 + 1);
    if (slash2 == npos) return false;
    f.host = Between(part, slash1 + 1, slash2);
    const std::size_t slash3 = part.find(kTokenSlash, slash2 + 1);
    if (slash3 == npos) {
        f.product = part.substr(slash2 + 1);
        return false;
    }
    f.product = Between(part, slash2 + 1, slash3);
    f.extra = part.substr(slash3 + 1);
    return true;
}

// The value of NTS after the spaces and tabs that may precede it.
std::uint32_t AnnouncementType(std::string_view msg, std::size_t ntsValue) {
    const std::size_t value = msg.find_first_not_of(" \t", ntsValue);
    if (value == npos) return RECORD_TYPE_NONE;
    const std::string_view rest = msg.substr(value);
    if (rest.starts_with(kNtsAlive)) return RECORD_TYPE_ALIVE;
    if (rest.starts_with(kNtsByebye)) return RECORD_TYPE_BYEBYE;
    return RECORD_TYPE_NONE;
}

}  // namespace

std::optional<DeviceRecord> ParseSsdpMessage(std::string_view bytes, std::string_view senderIp) {
    const std::string_view msg = UpToZero(bytes);
    if (msg.find(kTokenFirmwareMark) == npos) return std::nullopt;

    SsdpFields f;
    char productPart[kProductPartSize] = {};

    // Address: the host of the LOCATION URL, else the sender. The host is
    // looked for within the LOCATION line only: a URL without a port must not
    // borrow the ':' of a later header and make the address of a piece of it.
    const std::size_t location = msg.find(kTokenLocation);
    if (location != npos) {
        const std::string_view upToLineEnd = msg.substr(0, msg.find(kLineEnd, location));
        const std::size_t host = FindAfter(upToLineEnd, kTokenUrlHostStart, location + kTokenLocation.size());
        if (host == npos) return std::nullopt;
        const std::size_t hostEnd = upToLineEnd.find(kTokenUrlHostEnd, host);
        if (hostEnd == npos) return std::nullopt;
        f.ip = Between(msg, host, hostEnd);
    } else {
        f.ip = senderIp;
    }

    // Without a SERVER header the wireless part is still read; with one, only
    // when its product part is complete.
    const std::size_t server = msg.find(kTokenServer);
    if (server == npos || ParseServer(msg, server + kTokenServer.size(), f, productPart)) {
        ParseWirelessInfo(msg, f);
    }

    // Identifier: "USN: uuid:ID::...". The end mark is looked for behind
    // "uuid:", so that "uuid::" does not give a negative length.
    const std::size_t usn = FindAfter(msg, kTokenUsn, 0);
    if (usn == npos) return std::nullopt;
    const std::size_t id = FindAfter(msg, kTokenUuid, usn);
    if (id == npos) return std::nullopt;
    const std::size_t idEnd = msg.find(kTokenUuidEnd, id);
    if (idEnd == npos) return std::nullopt;
    f.id = Between(msg, id, idEnd);

    std::uint32_t type = RECORD_TYPE_NONE;
    if (msg.starts_with(kTokenResponse)) {
        type = RECORD_TYPE_RESPONSE;
    } else if (msg.starts_with(kTokenNotify)) {
        if (msg.find(kTokenRootDevice) == npos) return std::nullopt;
        const std::size_t nts = FindAfter(msg, kTokenNts, 0);
        if (nts == npos) return std::nullopt;
        type = AnnouncementType(msg, nts);
    } else {
        return std::nullopt;
    }

    DeviceRecord record;
    SetRecordText(record.szDeviceID, f.id);
    SetRecordText(record.szIP, f.ip);
    SetRecordText(record.szHostName, f.host);
    SetRecordText(record.szProduct, f.product);
    SetRecordText(record.szExtraInfo, f.extra);
    SetRecordText(record.szFirmwareVersion, f.firmware);
    SetRecordText(record.szVendor, f.vendor);
    SetRecordText(record.szSSID, f.ssid);
    SetRecordText(record.szMAC0, f.mac0);
    SetRecordText(record.szMAC1, f.mac1);
    record.nType = type;
    return record;
}
