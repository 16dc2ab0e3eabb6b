#pragma once
// What a simulated device says on the wire: its broadcast reply, its answer to
// an SSDP search and its announcements. Pure functions of the device's
// description, so that they can be checked without a network.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace devsim {

// One simulated device. Every text is sent as given (8-bit, unconverted).
struct SimDevice {
    std::string address;  // local IPv4 address the device answers from; empty: any
    std::string id = "5ca1ab1e-0000-4000-8000-000000000001";
    std::string host = "travelbox";
    std::string vendor = "ZELVO";
    std::string product = "R1";
    std::string extra = "sim";
    std::string firmware = "2.0.1";
    std::string os = "Linux";
    std::string osVersion = "3.10";
    std::string ssid = "scoutrel-lab";
    std::string mac0 = "02:00:5e:00:00:01";
    std::string mac1 = "02:00:5e:00:00:02";
    std::string cacheControl = "max-age=1800";
    std::string searchTarget = "urn:schemas-upnp-org:device:VezoDovOdezer:1";

    // LOCATION: the whole URL when `location` is set, else
    // http://LOCATIONADDRESS:PORT/PATH with the device's address by default.
    std::optional<std::string> location;
    std::string locationAddress;  // empty: `address`
    int locationPort = 80;
    std::string locationPath = "/rootDesc.xml";

    // Whole-header overrides (the value after "NAME: "); unset: built from the
    // fields above.
    std::optional<std::string> server;
    std::optional<std::string> ssidInfo;
    std::optional<std::string> usn;

    // Headers left out of every message.
    bool noLocation = false;
    bool noServer = false;
    bool noSsidInfo = false;
    bool noUsn = false;

    // Broadcast reply: the type byte and, when set, the text area as given.
    std::uint8_t broadcastType = 1;
    std::optional<std::string> broadcastText;
};

enum class NotifyKind { Alive, Byebye };

// "id=ID&host=HOST&vendor=VENDOR&product=PRODUCT"
std::string BroadcastReplyText(const SimDevice& device);
// The 148-byte reply: operation code 12, the type byte, bytes 2 to 19 as in the
// request (zero when there is none), the text area zero-terminated (cut to
// 127 bytes).
std::vector<std::uint8_t> BroadcastReply(const SimDevice& device, const std::uint8_t* request,
                                         std::size_t requestLength);

std::string LocationUrl(const SimDevice& device);
// "OS/VERSION KYMO/FIRMWARE, UPnP/1.0, VENDOR/HOST/PRODUCT/EXTRA"
// (without "/EXTRA" when the extra text is empty).
std::string ServerValue(const SimDevice& device);
// "SSID/NAME,MAC0/MAC,MAC1/MAC"
std::string SsidInfoValue(const SimDevice& device);

// "HTTP/1.1 200 OK" answer to a search; ST and USN name the device's own
// search target.
std::string SearchResponse(const SimDevice& device);
// NOTIFY ssdp:alive (all headers) or ssdp:byebye (no LOCATION, no SSIDINFO:
// the identifier is what counts).
std::string Notify(const SimDevice& device, NotifyKind kind);

// A broadcast search request: 148 bytes with operation code 11.
bool IsBroadcastRequest(const std::uint8_t* data, std::size_t length);
// The ST value of an M-SEARCH (header name in any case, blanks trimmed);
// nothing when the datagram is not an M-SEARCH or has no ST.
std::optional<std::string> MSearchTarget(std::string_view message);
// Whether a device with search target `own` answers a search for `st`.
bool AnswersSearchTarget(std::string_view own, std::string_view st);

// Replaces every "{n}" in `pattern` by `index`.
std::string ExpandIndex(std::string_view pattern, int index);

}  // namespace devsim
