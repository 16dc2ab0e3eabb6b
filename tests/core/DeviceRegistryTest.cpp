#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/DeviceRegistry.h"
#include "RecordFixtures.h"

namespace {

std::vector<std::string> Hosts(const DeviceRegistry& r) {
    std::vector<std::string> out;
    for (const DeviceRecord& e : r.Snapshot()) out.emplace_back(DeviceRecord::View(e.szHostName));
    return out;
}

TEST(DeviceRegistry, VendorFilter) {
    struct Case {
        const char* vendor;
        bool accepted;
    } cases[] = {
        {"TALVEN", true}, {"talven", true}, {"Zelvo", true},   {"zElVo", true},  {"QUENO", true},
        {"ZELVOX", false}, {"ZELV", false}, {"", false},       {"Other", false}, {" ZELVO", false},
        {"QUENO ", false}, {"TALVE", false},
    };
    for (const Case& c : cases) {
        DeviceRegistry registry;
        registry.AddOrUpdate(MakeRecord("198.18.0.10", "h", c.vendor));
        EXPECT_EQ(DeviceRegistry::IsAcceptedVendor(MakeRecord("x", "h", c.vendor)), c.accepted) << c.vendor;
        EXPECT_EQ(registry.Snapshot().size(), c.accepted ? 1u : 0u) << c.vendor;
    }
}

TEST(DeviceRegistry, EqualRecordOnlyRefreshesTheCarriedNumbers) {
    DeviceRegistry registry;
    registry.AddOrUpdate(MakeRecord("198.18.0.1", "first"));
    registry.AddOrUpdate(MakeRecord("198.18.0.2", "second"));
    DeviceRecord again = MakeRecord("198.18.0.1", "first");
    again.nRefreshTime = 5;
    again.nRefreshCount = 2;
    again.nType = RECORD_TYPE_ALIVE;
    registry.AddOrUpdate(again);

    const auto entries = registry.Snapshot();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(DeviceRecord::View(entries[0].szHostName), "first");
    EXPECT_EQ(entries[0].nRefreshTime, 5u);
    EXPECT_EQ(entries[0].nRefreshCount, 2u);
    EXPECT_EQ(entries[0].nType, RECORD_TYPE_RESPONSE);  // the type is not rewritten
}

TEST(DeviceRegistry, SameAddressReplacesInPlace) {
    DeviceRegistry registry;
    registry.AddOrUpdate(MakeRecord("198.18.0.1", "a"));
    registry.AddOrUpdate(MakeRecord("198.18.0.2", "b"));
    registry.AddOrUpdate(MakeRecord("198.18.0.3", "c"));
    registry.AddOrUpdate(MakeRecord("198.18.0.2", "renamed", "QUENO", RECORD_TYPE_ALIVE, "new-id"));
    EXPECT_EQ(Hosts(registry), (std::vector<std::string>{"a", "renamed", "c"}));
    EXPECT_EQ(DeviceRecord::View(registry.Snapshot()[1].szDeviceID), "new-id");
}

TEST(DeviceRegistry, FirstMatchingEntryDecides) {
    // Two entries can share an address when the first was equal-matched
    // before; the first entry in list order that matches either rule decides.
    DeviceRegistry registry;
    registry.AddOrUpdate(MakeRecord("198.18.0.1", "a"));
    registry.AddOrUpdate(MakeRecord("198.18.0.9", "b"));
    DeviceRecord equalToSecond = MakeRecord("198.18.0.9", "b");
    equalToSecond.nRefreshCount = 42;
    registry.AddOrUpdate(equalToSecond);
    const auto entries = registry.Snapshot();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].nRefreshCount, 0u);
    EXPECT_EQ(entries[1].nRefreshCount, 42u);
}

TEST(DeviceRegistry, FirstArrivalOrder) {
    DeviceRegistry registry;
    for (const char* ip : {"198.18.0.5", "198.18.0.3", "198.18.0.4"}) registry.AddOrUpdate(MakeRecord(ip, ip));
    EXPECT_EQ(Hosts(registry), (std::vector<std::string>{"198.18.0.5", "198.18.0.3", "198.18.0.4"}));
}

TEST(DeviceRegistry, DispatchByType) {
    struct Case {
        std::uint32_t type;
        std::size_t entriesAfter;
    } cases[] = {
        {RECORD_TYPE_NONE, 1}, {RECORD_TYPE_RESPONSE, 2}, {RECORD_TYPE_ALIVE, 2},
        {3, 1},                {RECORD_TYPE_BYEBYE, 1},   {5, 1},
        {0xFFFFFFFFu, 1},
    };
    for (const Case& c : cases) {
        DeviceRegistry registry;
        registry.AddOrUpdate(MakeRecord("198.18.0.1", "kept", "Zelvo", 1, "keep-id"));
        EXPECT_EQ(registry.DispatchDeviceRecord(MakeRecord("198.18.0.2", "new", "Zelvo", c.type), 67), 0);
        EXPECT_EQ(registry.Snapshot().size(), c.entriesAfter) << c.type;
    }
}

TEST(DeviceRegistry, ByebyeRemovesByIdentifierWhateverTheVendor) {
    DeviceRegistry registry;
    registry.AddOrUpdate(MakeRecord("198.18.0.1", "a", "Zelvo", 1, "dup"));
    registry.AddOrUpdate(MakeRecord("198.18.0.2", "b", "Zelvo", 1, "other"));
    registry.AddOrUpdate(MakeRecord("198.18.0.3", "c", "Zelvo", 1, "dup"));

    registry.DispatchDeviceRecord(MakeRecord("0.0.0.0", "", "NotAVendor", RECORD_TYPE_BYEBYE, "dup"), 1900);
    EXPECT_EQ(Hosts(registry), (std::vector<std::string>{"b", "c"}));  // only the first is removed

    registry.DispatchDeviceRecord(MakeRecord("0.0.0.0", "", "", RECORD_TYPE_BYEBYE, "unknown"), 1900);
    registry.DispatchDeviceRecord(MakeRecord("0.0.0.0", "", "", RECORD_TYPE_BYEBYE, "DUP"), 1900);
    EXPECT_EQ(Hosts(registry), (std::vector<std::string>{"b", "c"}));
}

TEST(DeviceRegistry, ClearAndSnapshotOfEmpty) {
    DeviceRegistry registry;
    EXPECT_TRUE(registry.Snapshot().empty());
    registry.Clear();
    registry.AddOrUpdate(MakeRecord("198.18.0.1"));
    auto copy = registry.Snapshot();
    registry.Clear();
    EXPECT_TRUE(registry.Snapshot().empty());
    EXPECT_EQ(copy.size(), 1u);  // a snapshot is a copy, unaffected by later changes
}

TEST(DeviceRegistry, InstanceIsProcessWide) {
    EXPECT_EQ(&DeviceRegistry::Instance(), &DeviceRegistry::Instance());
}

}  // namespace
