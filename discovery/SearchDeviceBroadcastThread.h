#pragma once
// The broadcast search: a socket on local port 67 with broadcasting allowed,
// sending the 148-byte request to 255.255.255.255:68 and reading the
// 148-byte replies that come back to port 67.
#include "discovery/SearchDeviceThread.h"

class CSearchDeviceBroadcastThread : public CSearchDeviceThread {
public:
    CSearchDeviceBroadcastThread() = default;
    ~CSearchDeviceBroadcastThread() override;

    void InitSearchThread() override;
    std::int32_t SendSearchCommand(const SearchPacket* packet) override;
    void HandleReceiveInfo(const char* data, std::int32_t length, const char* senderIp) override;
};
