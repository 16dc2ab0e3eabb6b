#pragma once
// The SSDP search: a socket on local port 1900, member of the devices' own
// group 239.143.255.250, sending the M-SEARCH to the group and reading both
// the answers and the devices' announcements.
#include "discovery/SearchDeviceThread.h"

class CSearchDeviceMulticastThread : public CSearchDeviceThread {
public:
    CSearchDeviceMulticastThread() = default;
    ~CSearchDeviceMulticastThread() override;

    void InitSearchThread() override;
    void ExitSearchThread() override;
    // Sends the 129-byte M-SEARCH to the group; the packet is not used.
    std::int32_t SendSearchCommand(const SearchPacket* packet) override;
    // The SSDP parser, with the every-second-time rule for repeats.
    void HandleReceiveInfo(const char* data, std::int32_t length, const char* senderIp) override;
    // Joins (TRUE) or leaves (FALSE) the group on the default interface.
    // Never throws: a failure is logged.
    void AlterMulticastGroup(BOOL join);
};
