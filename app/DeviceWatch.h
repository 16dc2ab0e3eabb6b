#pragma once
// What `scoutrel --watch` reports: it compares the registry's snapshots
// during a search cycle (the registry is emptied and a search sent at the
// start of each) and tells when a device appears, changes or leaves.
//
// - A device is known by its address, as in the registry.
// - The broadcast reply carries five of the ten texts and an SSDP answer all
//   ten; both arrive for the same device and replace each other in the
//   registry. So a device's texts are merged: a text that an answer leaves
//   empty keeps its earlier value. A change is a text that gets a new,
//   non-empty value (or another identifier: another device took the address).
// - A device leaves when it is removed from the registry during a cycle (its
//   byebye), or when a whole cycle passes without an answer from it.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/DeviceRecord.h"

class DeviceWatch {
public:
    enum class Kind { Appeared, Changed, Left };
    struct Event {
        Kind kind;
        DeviceRecord device;
    };

    static const char* KindName(Kind kind) {
        switch (kind) {
            case Kind::Appeared: return "appeared";
            case Kind::Changed: return "changed";
            case Kind::Left: return "left";
        }
        return "";
    }

    // A new cycle: the registry has just been emptied.
    void BeginCycle() {
        seen_.clear();
        inRegistry_.clear();
    }

    // One snapshot of the registry, in registry order.
    std::vector<Event> Update(const std::vector<DeviceRecord>& snapshot) {
        std::vector<Event> events;
        std::vector<std::string> present;
        for (const DeviceRecord& record : snapshot) {
            const std::string ip(DeviceRecord::View(record.szIP));
            present.push_back(ip);
            if (!Contains(seen_, ip)) seen_.push_back(ip);
            DeviceRecord* known = Find(ip);
            if (!known) {
                known_.push_back(record);
                events.push_back({Kind::Appeared, record});
                continue;
            }
            const DeviceRecord merged = Merge(*known, record);
            if (!(merged == *known)) {
                *known = merged;
                events.push_back({Kind::Changed, merged});
            }
        }
        // Gone from the registry after being in it during this cycle: removed
        // by its goodbye.
        for (const std::string& ip : inRegistry_)
            if (!Contains(present, ip)) Leave(ip, events);
        inRegistry_ = present;
        return events;
    }

    // The end of a cycle: known devices that did not answer it have left.
    std::vector<Event> EndCycle() {
        std::vector<Event> events;
        std::vector<std::string> silent;
        for (const DeviceRecord& r : known_) {
            const std::string ip(DeviceRecord::View(r.szIP));
            if (!Contains(seen_, ip)) silent.push_back(ip);
        }
        for (const std::string& ip : silent) Leave(ip, events);
        return events;
    }

    const std::vector<DeviceRecord>& Known() const { return known_; }

    // `latest` over `earlier`, keeping earlier texts that `latest` leaves
    // empty; a different identifier means another device: no merging.
    static DeviceRecord Merge(const DeviceRecord& earlier, const DeviceRecord& latest) {
        if (latest.szDeviceID[0] && !RecordTextEquals(latest.szDeviceID, earlier.szDeviceID)) return latest;
        DeviceRecord merged = latest;
        auto keep = [](RecordText& into, const RecordText& from) {
            if (!into[0]) SetRecordText(into, DeviceRecord::View(from));
        };
        keep(merged.szDeviceID, earlier.szDeviceID);
        keep(merged.szHostName, earlier.szHostName);
        keep(merged.szProduct, earlier.szProduct);
        keep(merged.szExtraInfo, earlier.szExtraInfo);
        keep(merged.szFirmwareVersion, earlier.szFirmwareVersion);
        keep(merged.szVendor, earlier.szVendor);
        keep(merged.szSSID, earlier.szSSID);
        keep(merged.szMAC0, earlier.szMAC0);
        keep(merged.szMAC1, earlier.szMAC1);
        return merged;
    }

private:
    static bool Contains(const std::vector<std::string>& list, const std::string& ip) {
        return std::find(list.begin(), list.end(), ip) != list.end();
    }
    DeviceRecord* Find(const std::string& ip) {
        for (DeviceRecord& r : known_)
            if (DeviceRecord::View(r.szIP) == ip) return &r;
        return nullptr;
    }
    void Leave(const std::string& ip, std::vector<Event>& events) {
        for (auto it = known_.begin(); it != known_.end(); ++it) {
            if (DeviceRecord::View(it->szIP) == ip) {
                events.push_back({Kind::Left, *it});
                known_.erase(it);
                break;
            }
        }
        seen_.erase(std::remove(seen_.begin(), seen_.end(), ip), seen_.end());
    }

    std::vector<DeviceRecord> known_;     // in order of appearance, merged texts
    std::vector<std::string> seen_;       // addresses that answered this cycle
    std::vector<std::string> inRegistry_; // addresses in the last snapshot
};
