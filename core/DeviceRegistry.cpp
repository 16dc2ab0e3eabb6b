#include "core/DeviceRegistry.h"

#include <array>
#include <cstring>

DeviceRegistry& DeviceRegistry::Instance() {
    // Never destroyed: search workers may still report while the process
    // exits, and the registry must outlive them.
    static DeviceRegistry* registry = new DeviceRegistry();
    return *registry;
}

bool DeviceRegistry::IsAcceptedVendor(const DeviceRecord& record) {
    char upper[kRecordTextSize] = {};
    const std::string_view vendor = DeviceRecord::View(record.szVendor);
    for (std::size_t i = 0; i < vendor.size() && i < kRecordTextMax; ++i) {
        const char c = vendor[i];
        upper[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    static constexpr std::array<std::string_view, 3> kAccepted = {"TALVEN", "ZELVO", "QUENO"};
    const std::string_view name(upper, ::strnlen(upper, kRecordTextSize));
    for (std::string_view accepted : kAccepted) {
        if (name == accepted) return true;
    }
    return false;
}

void DeviceRegistry::AddOrUpdate(const DeviceRecord& record) {
    if (!IsAcceptedVendor(record)) return;
    std::lock_guard<std::mutex> guard(lock_);
    for (DeviceRecord& entry : entries_) {
        if (entry == record) {
            entry.nRefreshTime = record.nRefreshTime;
            entry.nRefreshCount = record.nRefreshCount;
            return;
        }
        if (RecordTextEquals(entry.szIP, record.szIP)) {
            entry = record;
            return;
        }
    }
    entries_.push_back(record);
}

void DeviceRegistry::RemoveById(std::string_view deviceId) {
    std::lock_guard<std::mutex> guard(lock_);
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (DeviceRecord::View(it->szDeviceID) == deviceId) {
            entries_.erase(it);
            return;
        }
    }
}

void DeviceRegistry::Clear() {
    std::lock_guard<std::mutex> guard(lock_);
    entries_.clear();
}

std::vector<DeviceRecord> DeviceRegistry::Snapshot() const {
    std::lock_guard<std::mutex> guard(lock_);
    return entries_;
}

std::int32_t DeviceRegistry::DispatchDeviceRecord(const DeviceRecord& record, std::int32_t /*threadNumber*/) {
    const DeviceRecord copy = record;
    switch (copy.nType) {
    case RECORD_TYPE_RESPONSE:
    case RECORD_TYPE_ALIVE:
        AddOrUpdate(copy);
        break;
    case RECORD_TYPE_BYEBYE:
        RemoveById(DeviceRecord::View(copy.szDeviceID));
        break;
    default:
        break;
    }
    return 0;
}

std::int32_t DeviceRegistry::DispatchToInstance(const DeviceRecord& record, std::int32_t threadNumber) {
    return Instance().DispatchDeviceRecord(record, threadNumber);
}
