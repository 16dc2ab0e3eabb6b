#pragma once
// The wire formats of both discovery protocols, in one place: the 148-byte
// broadcast search datagram, the SSDP search message, the ports and
// addresses, and the header and token texts the parsers look for. The
// engine, its tests and the device simulator all take them from here.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// The fixed-size broadcast datagram, request and reply. Every multi-byte
// field is either all zero or all ones, so there is no byte order to mind.
//
//   offset  size  request          reply
//   0       1     11               operation code, must be 12
//   1       1     1                record type, copied unchecked
//   2       1     0                not read
//   3       1     0                not read
//   4       4     255 255 255 255  not read
//   8       12    0                not read
//   20      128   0                "key=value&key=value..." zero-terminated
struct SearchPacket {
    std::uint8_t byOperation = 0;
    std::uint8_t byType = 0;
    std::uint8_t byReserved[2] = {};
    std::uint8_t byMask[4] = {};
    std::uint8_t byUnused[12] = {};
    char szText[128] = {};
};
static_assert(sizeof(SearchPacket) == 148);
static_assert(offsetof(SearchPacket, byType) == 1);
static_assert(offsetof(SearchPacket, byMask) == 4);
static_assert(offsetof(SearchPacket, szText) == 20);

namespace SearchProtocol {

// ---- Broadcast search ------------------------------------------------------
inline constexpr std::size_t kPacketSize = sizeof(SearchPacket);  // 148
inline constexpr std::size_t kPacketTextOffset = offsetof(SearchPacket, szText);  // 20
inline constexpr std::size_t kPacketTextSize = sizeof(SearchPacket::szText);  // 128
inline constexpr std::uint8_t kRequestOperation = 11;
inline constexpr std::uint8_t kReplyOperation = 12;
inline constexpr std::uint8_t kRequestType = 1;
// The engine's broadcast socket is bound to this port; devices reply to it.
inline constexpr int kBroadcastLocalPort = 67;
// The request goes to this port of the limited broadcast address; devices
// listen on it.
inline constexpr int kBroadcastDevicePort = 68;
inline constexpr const char* kBroadcastAddress = "255.255.255.255";

// Keys of the reply's text area, in the order they are looked up.
inline constexpr std::string_view kKeyId = "id=";
inline constexpr std::string_view kKeyHost = "host=";
inline constexpr std::string_view kKeyVendor = "vendor=";
inline constexpr std::string_view kKeyProduct = "product=";
inline constexpr char kPairSeparator = '&';

// The request every search sends: 11, 1, 0, 0, 255 x4, then 140 zeros.
inline SearchPacket MakeSearchRequest() noexcept {
    SearchPacket packet;
    packet.byOperation = kRequestOperation;
    packet.byType = kRequestType;
    std::memset(packet.byMask, 0xFF, sizeof packet.byMask);
    return packet;
}

// A device's reply: operation code 12, the type byte, and the text (cut so
// that it stays zero-terminated within the 128-byte area).
inline SearchPacket MakeSearchReply(std::uint8_t type, std::string_view text) noexcept {
    SearchPacket packet;
    packet.byOperation = kReplyOperation;
    packet.byType = type;
    const std::size_t n = text.size() < kPacketTextSize - 1 ? text.size() : kPacketTextSize - 1;
    if (n) std::memcpy(packet.szText, text.data(), n);
    return packet;
}

// ---- SSDP search -----------------------------------------------------------
inline constexpr const char* kMulticastGroup = "239.143.255.250";
inline constexpr int kMulticastPort = 1900;
inline constexpr std::string_view kSearchTarget = "urn:schemas-upnp-org:device:VezoDovOdezer:1";

// The search message, sent as exactly these 129 bytes (no terminating zero).
inline constexpr std::string_view kSearchMessage =
    "M-SEARCH * HTTP/1.1\r\n"
    "HOST: 239.143.255.250:1900\r\n"
    "ST: urn:schemas-upnp-org:device:VezoDovOdezer:1\r\n"
    "MAN: \"ssdp:discover\"\r\n"
    "MX: 3\r\n"
    "\r\n";
static_assert(kSearchMessage.size() == 129);

// Tokens of the SSDP parser: case-sensitive, matched as plain substrings.
inline constexpr std::string_view kTokenFirmwareMark = "KYMO";  // must occur somewhere
inline constexpr std::string_view kTokenLocation = "LOCATION:";
inline constexpr std::string_view kTokenUrlHostStart = "//";
inline constexpr std::string_view kTokenUrlHostEnd = ":";
inline constexpr std::string_view kTokenServer = "SERVER:";
inline constexpr std::string_view kTokenFirmware = "KYMO/";
inline constexpr std::string_view kTokenComma = ",";
inline constexpr std::string_view kTokenSlash = "/";
inline constexpr std::string_view kTokenSsidInfo = "SSIDINFO";
inline constexpr std::string_view kTokenSsid = "SSID/";
inline constexpr std::string_view kTokenMac0 = "MAC0/";
inline constexpr std::string_view kTokenMac1 = "MAC1/";
inline constexpr std::string_view kTokenUsn = "USN:";
inline constexpr std::string_view kTokenUuid = "uuid:";
inline constexpr std::string_view kTokenUuidEnd = "::";
inline constexpr std::string_view kTokenResponse = "HTTP";    // start of a search answer
inline constexpr std::string_view kTokenNotify = "NOTIFY";    // start of an announcement
inline constexpr std::string_view kTokenRootDevice = "rootdevice";
inline constexpr std::string_view kTokenNts = "NTS:";
inline constexpr std::string_view kNtsAlive = "ssdp:alive";
inline constexpr std::string_view kNtsByebye = "ssdp:byebye";
inline constexpr char kLineEnd = '\r';
// The product part of SERVER starts this many bytes after its comma
// (the comma and the space that follows it).
inline constexpr std::size_t kProductPartSkip = 2;
inline constexpr std::size_t kProductPartSize = 64;  // at most 63 characters

// ---- Receiving -------------------------------------------------------------
// A worker receives into a 1025-byte zeroed buffer, at most 1024 bytes, so
// every datagram it hands to a parser is zero-terminated.
inline constexpr std::size_t kReceiveMax = 1024;
inline constexpr std::size_t kReceiveBufferSize = kReceiveMax + 1;

// ---- Local ports -----------------------------------------------------------
// The per-interface threads take 1530, 1550, 1570, ...; each may move up one
// port per failed start, at most 20 times over its life.
inline constexpr int kInterfacePortBase = 1530;
inline constexpr int kInterfacePortStep = 20;
inline constexpr int kMaxPortRetries = 20;

}  // namespace SearchProtocol
