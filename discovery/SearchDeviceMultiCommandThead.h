#pragma once
// The per-interface search: a socket bound to one local IPv4 address and a
// port of its own, sending the same M-SEARCH as the multicast thread out of
// that address's interface and reading the unicast answers with the same
// parser. It joins no group.
#include "discovery/SearchDeviceMulticastThread.h"

class CSearchDeviceMultiCommandThead : public CSearchDeviceMulticastThread {
public:
    CSearchDeviceMultiCommandThead() = default;
    ~CSearchDeviceMultiCommandThead() override;

    // Binds to strIP (any address when empty) and nPort, makes multicast
    // leave through strIP's interface, and on failure moves to the next port.
    void InitSearchThread() override;
    void ExitSearchThread() override;
};
