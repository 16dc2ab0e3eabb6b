// Arbitrary datagrams through the broadcast thread's parser: once on exactly
// the received bytes, once the way the worker hands them over.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "discovery/FoundDeviceHandoff.h"
#include "discovery/SearchDeviceBroadcastThread.h"
#include "discovery/SearchParsers.h"

namespace {
std::int32_t IgnoreRecord(const DeviceRecord&, std::int32_t) { return 0; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Never started: the object only parses.
    static CSearchDeviceBroadcastThread* thread = [] {
        SetFoundDeviceTarget(&IgnoreRecord);
        return new CSearchDeviceBroadcastThread();
    }();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const BroadcastReplyResult result = ParseBroadcastReply(bytes, "198.18.0.1");
    if (result.status == BroadcastReplyStatus::Accepted) {
        // Every field is terminated within its 32 bytes.
        if (result.record.szDeviceID[31] || result.record.szHostName[31] || result.record.szVendor[31] ||
            result.record.szProduct[31] || result.record.szIP[31]) {
            __builtin_trap();
        }
    }
    const std::size_t received = size < 1024 ? size : 1024;
    std::vector<char> buffer(received + 1, '\0');
    if (received) std::memcpy(buffer.data(), data, received);
    thread->HandleReceiveInfo(buffer.data(), static_cast<std::int32_t>(received), "198.18.0.1");
    return 0;
}
