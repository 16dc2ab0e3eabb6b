#include "tools/devsim/DeviceMessages.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "discovery/SearchProtocol.h"

namespace devsim {

namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string Host() {
    return std::string(SearchProtocol::kMulticastGroup) + ":" + std::to_string(SearchProtocol::kMulticastPort);
}

void AddHeader(std::string& message, std::string_view name, std::string_view value) {
    message.append(name);
    message.append(": ");
    message.append(value);
    message.append(kCrLf);
}

std::string Usn(const SimDevice& device, std::string_view suffix) {
    if (device.usn) return *device.usn;
    return "uuid:" + device.id + "::" + std::string(suffix);
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::string BroadcastReplyText(const SimDevice& device) {
    if (device.broadcastText) return *device.broadcastText;
    return "id=" + device.id + "&host=" + device.host + "&vendor=" + device.vendor + "&product=" + device.product;
}

std::vector<std::uint8_t> BroadcastReply(const SimDevice& device, const std::uint8_t* request,
                                         std::size_t requestLength) {
    const SearchPacket packet = SearchProtocol::MakeSearchReply(device.broadcastType, BroadcastReplyText(device));
    std::vector<std::uint8_t> bytes(sizeof packet);
    std::memcpy(bytes.data(), &packet, sizeof packet);
    // Bytes 2 to 19 are not read by the engine; a device echoes the request's.
    if (request && requestLength >= SearchProtocol::kPacketTextOffset)
        std::memcpy(bytes.data() + 2, request + 2, SearchProtocol::kPacketTextOffset - 2);
    return bytes;
}

std::string LocationUrl(const SimDevice& device) {
    if (device.location) return *device.location;
    const std::string& address = device.locationAddress.empty() ? device.address : device.locationAddress;
    return "http://" + (address.empty() ? std::string("127.0.0.1") : address) + ":" +
           std::to_string(device.locationPort) + device.locationPath;
}

std::string ServerValue(const SimDevice& device) {
    if (device.server) return *device.server;
    std::string value = device.os + "/" + device.osVersion + " KYMO/" + device.firmware + ", UPnP/1.0, " +
                        device.vendor + "/" + device.host + "/" + device.product;
    if (!device.extra.empty()) value += "/" + device.extra;
    return value;
}

std::string SsidInfoValue(const SimDevice& device) {
    if (device.ssidInfo) return *device.ssidInfo;
    return "SSID/" + device.ssid + ",MAC0/" + device.mac0 + ",MAC1/" + device.mac1;
}

std::string SearchResponse(const SimDevice& device) {
    std::string m = "HTTP/1.1 200 OK\r\n";
    AddHeader(m, "CACHE-CONTROL", device.cacheControl);
    AddHeader(m, "EXT", "");
    if (!device.noLocation) AddHeader(m, "LOCATION", LocationUrl(device));
    if (!device.noServer) AddHeader(m, "SERVER", ServerValue(device));
    if (!device.noSsidInfo) AddHeader(m, "SSIDINFO", SsidInfoValue(device));
    AddHeader(m, "ST", device.searchTarget);
    if (!device.noUsn) AddHeader(m, "USN", Usn(device, device.searchTarget));
    m.append(kCrLf);
    return m;
}

std::string Notify(const SimDevice& device, NotifyKind kind) {
    std::string m = "NOTIFY * HTTP/1.1\r\n";
    AddHeader(m, "HOST", Host());
    if (kind == NotifyKind::Alive) {
        AddHeader(m, "CACHE-CONTROL", device.cacheControl);
        if (!device.noLocation) AddHeader(m, "LOCATION", LocationUrl(device));
    }
    AddHeader(m, "NT", "upnp:rootdevice");
    AddHeader(m, "NTS", kind == NotifyKind::Alive ? "ssdp:alive" : "ssdp:byebye");
    if (!device.noServer) AddHeader(m, "SERVER", ServerValue(device));
    if (kind == NotifyKind::Alive && !device.noSsidInfo) AddHeader(m, "SSIDINFO", SsidInfoValue(device));
    if (!device.noUsn) AddHeader(m, "USN", Usn(device, "upnp:rootdevice"));
    m.append(kCrLf);
    return m;
}

bool IsBroadcastRequest(const std::uint8_t* data, std::size_t length) {
    return length == SearchProtocol::kPacketSize && data[0] == SearchProtocol::kRequestOperation;
}

std::optional<std::string> MSearchTarget(std::string_view message) {
    if (message.substr(0, 9) != "M-SEARCH ") return std::nullopt;
    std::size_t pos = message.find('\n');
    while (pos != std::string_view::npos && pos + 1 < message.size()) {
        const std::size_t start = pos + 1;
        const std::size_t end = message.find('\n', start);
        std::string_view line = message.substr(start, end == std::string_view::npos ? end : end - start);
        const std::size_t colon = line.find(':');
        if (colon != std::string_view::npos && EqualsNoCase(Trim(line.substr(0, colon)), "ST"))
            return std::string(Trim(line.substr(colon + 1)));
        pos = end;
    }
    return std::nullopt;
}

bool AnswersSearchTarget(std::string_view own, std::string_view st) {
    return st == own || st == "ssdp:all" || st == "upnp:rootdevice";
}

std::string ExpandIndex(std::string_view pattern, int index) {
    std::string out;
    const std::string n = std::to_string(index);
    for (std::size_t i = 0; i < pattern.size();) {
        if (pattern.compare(i, 3, "{n}") == 0) {
            out += n;
            i += 3;
        } else {
            out += pattern[i++];
        }
    }
    return out;
}

}  // namespace devsim
