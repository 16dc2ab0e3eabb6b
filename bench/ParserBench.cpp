// Throughput of the two answer parsers, in messages per second: the bare
// parse functions and the threads' HandleReceiveInfo (parse, last-device
// check, hand-off to a target that does nothing, log switched off).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "discovery/FoundDeviceHandoff.h"
#include "discovery/SearchDeviceBroadcastThread.h"
#include "discovery/SearchDeviceMulticastThread.h"
#include "discovery/SearchParsers.h"
#include "discovery/SearchProtocol.h"

namespace {

const std::string kSearchTarget(SearchProtocol::kSearchTarget);

// A complete search answer as a device sends it (about 400 bytes).
std::string Answer(int i) {
    return "HTTP/1.1 200 OK\r\nCACHE-CONTROL: max-age=1800\r\nEXT:\r\nLOCATION: http://198.18.1." +
           std::to_string(i % 250 + 1) +
           ":8080/rootDesc.xml\r\nSERVER: Linux/3.10.14 KYMO/2.1.7, UPnP/1.0, ZELVO/travel-" + std::to_string(i) +
           "/R1/rev-b\r\nSSIDINFO: SSID/TravelNet,MAC0/00:11:22:33:44:55,MAC1/00:11:22:33:44:56\r\nST: " +
           kSearchTarget + "\r\nUSN: uuid:device-" + std::to_string(i) + "::" + kSearchTarget + "\r\n\r\n";
}

std::string Notify(int i) {
    return "NOTIFY * HTTP/1.1\r\nHOST: 239.143.255.250:1900\r\nCACHE-CONTROL: max-age=1800\r\nLOCATION: "
           "http://198.18.1." +
           std::to_string(i % 250 + 1) +
           ":8080/rootDesc.xml\r\nNT: upnp:rootdevice\r\nNTS: ssdp:alive\r\nSERVER: Linux/3.10.14 KYMO/2.1.7, "
           "UPnP/1.0, ZELVO/travel-" +
           std::to_string(i) + "/R1/rev-b\r\nUSN: uuid:device-" + std::to_string(i) + "::upnp:rootdevice\r\n\r\n";
}

std::string Reply(int i) {
    const SearchPacket packet = SearchProtocol::MakeSearchReply(
        1, "id=device-" + std::to_string(i) + "&host=travel-" + std::to_string(i) + "&vendor=ZELVO&product=R1");
    return std::string(reinterpret_cast<const char*>(&packet), sizeof packet);
}

// 64 different messages, so that the last-device check passes each on.
std::vector<std::string> Messages(std::string (*make)(int)) {
    std::vector<std::string> messages;
    for (int i = 0; i < 64; ++i) messages.push_back(make(i));
    return messages;
}

void BM_ParseBroadcastReply(benchmark::State& state) {
    const auto messages = Messages(&Reply);
    std::size_t i = 0;
    for (auto _ : state) {
        auto result = ParseBroadcastReply(messages[i++ % messages.size()], "198.18.1.9");
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_ParseSsdpAnswer(benchmark::State& state) {
    const auto messages = Messages(&Answer);
    std::size_t i = 0;
    for (auto _ : state) {
        auto record = ParseSsdpMessage(messages[i++ % messages.size()], "198.18.1.9");
        benchmark::DoNotOptimize(record);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_ParseSsdpNotify(benchmark::State& state) {
    const auto messages = Messages(&Notify);
    std::size_t i = 0;
    for (auto _ : state) {
        auto record = ParseSsdpMessage(messages[i++ % messages.size()], "198.18.1.9");
        benchmark::DoNotOptimize(record);
    }
    state.SetItemsProcessed(state.iterations());
}

// A message without the firmware token: the cheapest way out.
void BM_ParseSsdpForeignMessage(benchmark::State& state) {
    const std::string message(SearchProtocol::kSearchMessage);
    for (auto _ : state) {
        auto record = ParseSsdpMessage(message, "198.18.1.9");
        benchmark::DoNotOptimize(record);
    }
    state.SetItemsProcessed(state.iterations());
}

std::int32_t IgnoreRecord(const DeviceRecord&, std::int32_t) { return 0; }

template <typename Thread>
void HandleAll(benchmark::State& state, std::string (*make)(int)) {
    SetFoundDeviceTarget(&IgnoreRecord);
    Thread thread;  // never started: no socket
    const auto messages = Messages(make);
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& m = messages[i++ % messages.size()];
        thread.HandleReceiveInfo(m.c_str(), static_cast<std::int32_t>(m.size()), "198.18.1.9");
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_BroadcastHandleReceiveInfo(benchmark::State& state) {
    HandleAll<CSearchDeviceBroadcastThread>(state, &Reply);
}
void BM_MulticastHandleReceiveInfo(benchmark::State& state) {
    HandleAll<CSearchDeviceMulticastThread>(state, &Answer);
}

}  // namespace

BENCHMARK(BM_ParseBroadcastReply);
BENCHMARK(BM_ParseSsdpAnswer);
BENCHMARK(BM_ParseSsdpNotify);
BENCHMARK(BM_ParseSsdpForeignMessage);
BENCHMARK(BM_BroadcastHandleReceiveInfo);
BENCHMARK(BM_MulticastHandleReceiveInfo);

BENCHMARK_MAIN();
