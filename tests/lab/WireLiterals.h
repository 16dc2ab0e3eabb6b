#pragma once
// The two search messages as bytes, written out here by hand rather than
// taken from the engine's own constants, so that the lab checks the wire
// against an independent statement of it.
#include <string>

namespace lab {

// 11, 1, 0, 0, 255, 255, 255, 255, then 140 zero bytes.
inline std::string BroadcastRequestBytes() {
    std::string bytes(148, '\0');
    bytes[0] = 11;
    bytes[1] = 1;
    for (int i = 4; i < 8; ++i) bytes[i] = static_cast<char>(0xFF);
    return bytes;
}

inline const std::string kMSearchBytes =
    "M-SEARCH * HTTP/1.1\r\n"
    "HOST: 239.143.255.250:1900\r\n"
    "ST: urn:schemas-upnp-org:device:VezoDovOdezer:1\r\n"
    "MAN: \"ssdp:discover\"\r\n"
    "MX: 3\r\n"
    "\r\n";

inline const std::string kGroup = "239.143.255.250";

}  // namespace lab
