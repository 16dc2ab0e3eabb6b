#pragma once
// The two answer parsers, apart from the sockets so that tests, fuzzers and
// benchmarks can call them on bytes. The search threads' HandleReceiveInfo
// call these and add the logging and the last-device check.
#include <optional>
#include <string_view>

#include "core/DeviceRecord.h"

enum class BroadcastReplyStatus {
    Accepted,     // a 148-byte reply with operation code 12: `record` is filled
    WrongLength,  // not exactly 148 bytes: dropped without a log line
    NotDevice,    // 148 bytes but another operation code: dropped, logged
};

struct BroadcastReplyResult {
    BroadcastReplyStatus status = BroadcastReplyStatus::WrongLength;
    DeviceRecord record;  // meaningful only when status is Accepted
};

// One datagram received on the broadcast socket (`datagram` is exactly the
// received bytes) from `senderIp` (dotted text). Reads nothing outside the
// view: the key/value text ends at the first zero of the 128-byte area or at
// the end of the packet.
BroadcastReplyResult ParseBroadcastReply(std::string_view datagram, std::string_view senderIp);

// One SSDP message (a search answer or a NOTIFY), as received; the message
// is read up to its first zero byte or the end of the view, whichever comes
// first. Returns the record, or nothing when the message is dropped.
std::optional<DeviceRecord> ParseSsdpMessage(std::string_view message, std::string_view senderIp);
