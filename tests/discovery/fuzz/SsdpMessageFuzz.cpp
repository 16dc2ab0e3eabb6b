// Arbitrary datagrams through the SSDP parser: once on exactly the received
// bytes (no terminating zero, so a read past the end shows), once the way
// the worker hands them over.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "discovery/FoundDeviceHandoff.h"
#include "discovery/SearchDeviceMulticastThread.h"
#include "discovery/SearchParsers.h"

namespace {
std::int32_t IgnoreRecord(const DeviceRecord&, std::int32_t) { return 0; }

bool Terminated(const RecordText& field) { return field[31] == '\0'; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static CSearchDeviceMulticastThread* thread = [] {
        SetFoundDeviceTarget(&IgnoreRecord);
        return new CSearchDeviceMulticastThread();
    }();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto record = ParseSsdpMessage(bytes, "198.18.0.1")) {
        const RecordText* fields[] = {&record->szDeviceID, &record->szIP,     &record->szHostName,
                                      &record->szProduct,  &record->szExtraInfo, &record->szFirmwareVersion,
                                      &record->szVendor,   &record->szSSID,   &record->szMAC0,
                                      &record->szMAC1};
        for (const RecordText* field : fields) {
            if (!Terminated(*field)) __builtin_trap();
        }
        if (record->nType != 0 && record->nType != 1 && record->nType != 2 && record->nType != 4) __builtin_trap();
    }
    const std::size_t received = size < 1024 ? size : 1024;
    std::vector<char> buffer(received + 1, '\0');
    if (received) std::memcpy(buffer.data(), data, received);
    thread->HandleReceiveInfo(buffer.data(), static_cast<std::int32_t>(received), "198.18.0.1");
    return 0;
}
