#include "discovery/SearchManager.h"

#include "core/DeviceRegistry.h"
#include "core/LogSystem.h"
#include "discovery/FoundDeviceHandoff.h"
#include "discovery/LocalAddresses.h"
#include "discovery/SearchDeviceBroadcastThread.h"
#include "discovery/SearchDeviceMultiCommandThead.h"
#include "discovery/SearchDeviceMulticastThread.h"

namespace {

// The engine's process-wide state. All of it is used on the main thread
// only, apart from `registry`, which the workers read through the hand-off
// target after the engine start has written it.
struct SearchEngineState {
    std::vector<SearchThreadEntry> threads;
    bool bRefreshInterfaces = false;
    std::int32_t nNextInterfacePort = SearchProtocol::kInterfacePortBase;
    DeviceRegistry* registry = nullptr;
};

// Never destroyed: detached workers may still run while the process exits,
// and their objects must outlive them.
SearchEngineState& State() {
    static SearchEngineState* state = new SearchEngineState();
    return *state;
}

std::int32_t DispatchToEngineRegistry(const DeviceRecord& record, std::int32_t threadNumber) {
    DeviceRegistry* registry = State().registry;
    return registry ? registry->DispatchDeviceRecord(record, threadNumber) : 0;
}

void AddThread(std::unique_ptr<CSearchDeviceThread> thread, const std::string& ip, std::int32_t port, BOOL retry) {
    CSearchDeviceThread& started = *thread;
    State().threads.push_back(SearchThreadEntry{ip, std::move(thread)});
    started.InitSearchThreadValue(ip.c_str(), port, retry);
}

}  // namespace

std::int32_t StartSearchEngine(DeviceRegistry& registry) {
    LogSystem::ResetLogSettings();
    State().registry = &registry;
    SetFoundDeviceTarget(&DispatchToEngineRegistry);
    State().bRefreshInterfaces = true;
    AddThread(std::make_unique<CSearchDeviceBroadcastThread>(), "", SearchProtocol::kBroadcastLocalPort, FALSE);
    AddThread(std::make_unique<CSearchDeviceMulticastThread>(), "", SearchProtocol::kMulticastPort, FALSE);
    RefreshInterfaceThreads();
    return 0;
}

std::int32_t SearchDevices() {
    const SearchPacket request = SearchProtocol::MakeSearchRequest();
    SendSearchRequest(&request);
    return 0;
}

std::int32_t SendSearchRequest(const SearchPacket* packet) {
    if (State().bRefreshInterfaces) RefreshInterfaceThreads();
    for (SearchThreadEntry& entry : State().threads) {
        entry.thread->ResetLastDevice();
        entry.thread->SendSearchCommand(packet);
    }
    return 0;
}

void StopAllSearchThreads() {
    for (SearchThreadEntry& entry : State().threads) entry.thread->ExitSearchThread();
}

void StopSearchEngine() {
    StopAllSearchThreads();
    LogSystem::WriteClosingLine();
}

void RefreshInterfaceThreads() {
    std::vector<std::string> addresses;
    GetLocalIPv4Addresses(addresses);
    RefreshInterfaceThreadsFor(addresses);
}

void RefreshInterfaceThreadsFor(const std::vector<std::string>& addresses) {
    SearchEngineState& state = State();
    for (const std::string& address : addresses) {
        bool known = false;
        for (const SearchThreadEntry& entry : state.threads) {
            if (entry.strIP == address) {
                known = true;
                break;
            }
        }
        if (known) continue;
        AddThread(std::make_unique<CSearchDeviceMultiCommandThead>(), address, state.nNextInterfacePort, TRUE);
        // The counter moves on whatever happened to the thread's start.
        state.nNextInterfacePort += SearchProtocol::kInterfacePortStep;
    }
}

const std::vector<SearchThreadEntry>& GetSearchThreadList() { return State().threads; }

std::int32_t GetNextInterfacePort() { return State().nNextInterfacePort; }
