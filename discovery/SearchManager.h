#pragma once
// The engine's front: starts the search threads, sends a search through
// every one of them, and stops them. All of it runs on the main thread.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "discovery/SearchDeviceThread.h"
#include "discovery/SearchProtocol.h"

class DeviceRegistry;

struct SearchThreadEntry {
    std::string strIP;  // empty for the broadcast and the multicast thread
    // Owned by the thread list, which lives until the process ends.
    std::unique_ptr<CSearchDeviceThread> thread;
};

// Switches the log off, points the found-device hand-off at `registry`
// (which must outlive the engine), and starts the broadcast thread (67),
// the multicast thread (1900) and one thread per local IPv4 address
// (1530, 1550, ...). Sends nothing. Returns 0.
std::int32_t StartSearchEngine(DeviceRegistry& registry);
// Builds the request packet and sends one search through every thread.
std::int32_t SearchDevices();
// Adds threads for new local addresses (when enabled), then resets every
// thread's last device and makes it send. Returns 0.
std::int32_t SendSearchRequest(const SearchPacket* packet);
// Stops every thread and writes the log's closing line. Waits for nothing.
void StopSearchEngine();
void StopAllSearchThreads();
// Starts a per-interface thread for every local address that has none.
void RefreshInterfaceThreads();
// The same for a given address list (what RefreshInterfaceThreads does
// after reading the local addresses).
void RefreshInterfaceThreadsFor(const std::vector<std::string>& addresses);

// Read-only views of the engine state, for diagnostics and tests.
const std::vector<SearchThreadEntry>& GetSearchThreadList();
std::int32_t GetNextInterfacePort();
