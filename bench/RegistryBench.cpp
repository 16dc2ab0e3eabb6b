// How AddOrUpdate and Snapshot scale with the number of known devices.
#include <benchmark/benchmark.h>

#include <string>

#include "core/DeviceRegistry.h"

namespace {

DeviceRecord Device(int i) {
    DeviceRecord r;
    const std::string ip = "198.18." + std::to_string(i / 250) + "." + std::to_string(i % 250 + 1);
    SetRecordText(r.szIP, ip);
    SetRecordText(r.szDeviceID, "id-" + std::to_string(i));
    SetRecordText(r.szHostName, "travel-" + std::to_string(i));
    SetRecordText(r.szVendor, "Zelvo");
    r.nType = RECORD_TYPE_RESPONSE;
    return r;
}

void Fill(DeviceRegistry& registry, int n) {
    for (int i = 0; i < n; ++i) registry.AddOrUpdate(Device(i));
}

// A device seen again: the walk runs to the matching entry (the last one,
// the worst case) and refreshes it.
void BM_AddOrUpdateKnownDevice(benchmark::State& state) {
    DeviceRegistry registry;
    const int n = static_cast<int>(state.range(0));
    Fill(registry, n);
    const DeviceRecord last = Device(n - 1);
    for (auto _ : state) registry.AddOrUpdate(last);
}

// A device not known yet: the whole list is walked and the record appended.
void BM_AddOrUpdateNewDevice(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    DeviceRegistry registry;
    Fill(registry, n);
    const DeviceRecord fresh = Device(n);
    for (auto _ : state) {
        registry.AddOrUpdate(fresh);
        state.PauseTiming();
        registry.RemoveById(DeviceRecord::View(fresh.szDeviceID));
        state.ResumeTiming();
    }
}

void BM_Snapshot(benchmark::State& state) {
    DeviceRegistry registry;
    Fill(registry, static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(registry.Snapshot());
    state.SetBytesProcessed(state.iterations() * state.range(0) * static_cast<int64_t>(sizeof(DeviceRecord)));
}

BENCHMARK(BM_AddOrUpdateKnownDevice)->Arg(10)->Arg(1000)->Arg(10000);
BENCHMARK(BM_AddOrUpdateNewDevice)->Arg(10)->Arg(1000)->Arg(10000);
BENCHMARK(BM_Snapshot)->Arg(10)->Arg(1000)->Arg(10000);

}  // namespace

BENCHMARK_MAIN();
