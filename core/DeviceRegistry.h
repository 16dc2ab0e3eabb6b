#pragma once
// The process-wide list of devices that are known right now, in order of
// first arrival, with its own lock.
#include <cstdint>
#include <mutex>
#include <string_view>
#include <vector>

#include "core/DeviceRecord.h"

class DeviceRegistry {
public:
    // The one registry of the process, created on the first call.
    static DeviceRegistry& Instance();

    // Applies the vendor filter, then updates the matching entry or appends.
    void AddOrUpdate(const DeviceRecord& record);
    // Removes the first entry with exactly this identifier; no vendor filter.
    void RemoveById(std::string_view deviceId);
    void Clear();
    // A copy of all entries, in list order, taken under the lock.
    std::vector<DeviceRecord> Snapshot() const;
    // Applies one found record according to its type; always returns 0.
    std::int32_t DispatchDeviceRecord(const DeviceRecord& record, std::int32_t threadNumber);

    static bool IsAcceptedVendor(const DeviceRecord& record);

    // The found-device target: dispatches into the process-wide registry.
    static std::int32_t DispatchToInstance(const DeviceRecord& record, std::int32_t threadNumber);

    DeviceRegistry() = default;
    DeviceRegistry(const DeviceRegistry&) = delete;
    DeviceRegistry& operator=(const DeviceRegistry&) = delete;

private:
    mutable std::mutex lock_;
    std::vector<DeviceRecord> entries_;
};
