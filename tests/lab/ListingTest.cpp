// The command line's device output without a network: JSON that stays valid
// whatever bytes a device sends, the aligned table, what --watch reports, and
// the exit code of bad arguments.
#include <gtest/gtest.h>

#include "app/DeviceListing.h"
#include "app/DeviceWatch.h"
#include "tests/lab/JsonReader.h"
#include "tests/lab/LabHarness.h"

namespace {

using lab::JsonReader;
using namespace std::chrono_literals;

DeviceRecord Device(const std::string& ip, const std::string& host, const std::string& id = "id-1") {
    DeviceRecord r;
    SetRecordText(r.szIP, ip);
    SetRecordText(r.szHostName, host);
    SetRecordText(r.szDeviceID, id);
    SetRecordText(r.szVendor, "ZELVO");
    SetRecordText(r.szProduct, "R1");
    return r;
}

TEST(Listing, JsonStringsStayValidAndKeepWellFormedText) {
    struct Case {
        std::string bytes;
        std::string json;     // what is written
        std::string decoded;  // what a JSON reader gets back
    };
    const std::vector<Case> cases = {
        {"plain", "\"plain\"", "plain"},
        {"a\"b\\c", "\"a\\\"b\\\\c\"", "a\"b\\c"},
        {"tab\tnl\n\x01\x7f", "\"tab\\tnl\\n\\u0001\\u007f\"", "tab\tnl\n\x01\x7f"},
        {"caf\xc3\xa9 \xe6\x97\x85", "\"caf\xc3\xa9 \xe6\x97\x85\"", "caf\xc3\xa9 \xe6\x97\x85"},  // UTF-8 kept
        // Bytes outside UTF-8 appear with their value: a lone Latin-1 byte,
        // a cut sequence, an overlong form, a surrogate.
        {"caf\xe9", "\"caf\\u00e9\"", "caf\xc3\xa9"},
        {"x\xe6\x97", "\"x\\u00e6\\u0097\"", "x\xc3\xa6\xc2\x97"},
        {"\xc0\xaf", "\"\\u00c0\\u00af\"", "\xc3\x80\xc2\xaf"},
        {"\xed\xa0\x80", "\"\\u00ed\\u00a0\\u0080\"", "\xc3\xad\xc2\xa0\xc2\x80"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(lab::Hex(c.bytes));
        const std::string json = DeviceListing::JsonString(c.bytes);
        EXPECT_EQ(json, c.json);
        const auto value = JsonReader::Parse(json);
        ASSERT_TRUE(value);
        EXPECT_EQ(value->text, c.decoded);
    }
}

TEST(Listing, JsonArrayHasTheTenKeysInOrder) {
    DeviceRecord a = Device("198.18.1.1", "box\xff");
    SetRecordText(a.szFirmwareVersion, "2.0.1");
    SetRecordText(a.szMAC1, "m1");
    const std::string json = DeviceListing::ListJson({a, Device("198.18.1.2", "two", "id-2")});
    const auto value = JsonReader::Parse(json);
    ASSERT_TRUE(value) << json;
    ASSERT_EQ(value->items.size(), 2u);
    std::vector<std::string> keys;
    for (const auto& [k, v] : value->items[0].members) keys.push_back(k);
    EXPECT_EQ(keys, (std::vector<std::string>{"id", "ip", "host", "product", "extra", "firmware", "vendor", "ssid",
                                              "mac0", "mac1"}));
    EXPECT_EQ(value->items[0].Text("host"), "box\xc3\xbf");
    EXPECT_EQ(value->items[0].Text("firmware"), "2.0.1");
    EXPECT_EQ(value->items[0].Text("mac1"), "m1");
    EXPECT_EQ(value->items[1].Text("id"), "id-2");
    EXPECT_EQ(DeviceListing::ListJson({}), "[]\n");
}

TEST(Listing, TableAlignsColumnsAndDefusesControlCharacters) {
    DeviceRecord a = Device("198.18.1.10", "caf\xc3\xa9-box");
    SetRecordText(a.szFirmwareVersion, "2.0.1");
    const DeviceRecord b = Device("198.18.1.2", "evil\x1b[2J\n");
    const std::string table = DeviceListing::Table({a, b});
    EXPECT_EQ(table,
              "HOST NAME  IP ADDRESS   PRODUCT  VENDOR  FIRMWARE\n"
              "caf\xc3\xa9-box   198.18.1.10  R1       ZELVO   2.0.1\n"
              "evil?[2J?  198.18.1.2   R1       ZELVO   -\n");
    EXPECT_EQ(DeviceListing::Table({}), "No devices found.\n");
}

TEST(Watch, ReportsAppearChangeAndLeave) {
    DeviceWatch watch;
    using K = DeviceWatch::Kind;
    auto kinds = [](const std::vector<DeviceWatch::Event>& events) {
        std::vector<K> out;
        for (const auto& e : events) out.push_back(e.kind);
        return out;
    };
    DeviceRecord full = Device("198.18.1.1", "box");
    SetRecordText(full.szFirmwareVersion, "2.0.1");
    SetRecordText(full.szSSID, "net");
    const DeviceRecord broadcast = Device("198.18.1.1", "box");  // five of the ten texts

    watch.BeginCycle();
    EXPECT_EQ(kinds(watch.Update({full})), std::vector<K>{K::Appeared});
    // The broadcast reply replaces the entry in the registry: no change.
    EXPECT_TRUE(watch.Update({broadcast}).empty());
    EXPECT_TRUE(watch.Update({full}).empty());
    DeviceRecord renamed = full;
    SetRecordText(renamed.szHostName, "atlas");
    const auto changed = watch.Update({renamed});
    ASSERT_EQ(kinds(changed), std::vector<K>{K::Changed});
    EXPECT_EQ(DeviceRecord::View(changed[0].device.szHostName), "atlas");
    EXPECT_EQ(DeviceRecord::View(changed[0].device.szSSID), "net");

    // Removed from the registry during the cycle: its goodbye.
    const DeviceRecord other = Device("198.18.1.2", "two", "id-2");
    EXPECT_EQ(kinds(watch.Update({renamed, other})), std::vector<K>{K::Appeared});
    const auto left = watch.Update({other});
    ASSERT_EQ(kinds(left), std::vector<K>{K::Left});
    EXPECT_EQ(DeviceRecord::View(left[0].device.szIP), "198.18.1.1");
    EXPECT_TRUE(watch.EndCycle().empty());

    // The next cycle starts from an empty registry; a device that does not
    // answer the whole cycle has left, one that answers stays.
    watch.BeginCycle();
    EXPECT_TRUE(watch.Update({}).empty());
    EXPECT_TRUE(watch.EndCycle().size() == 1);
    EXPECT_TRUE(watch.Known().empty());
    // Another device at a known address is a change, not a merge.
    watch.BeginCycle();
    watch.Update({Device("198.18.1.3", "a", "id-a")});
    DeviceRecord replacement = Device("198.18.1.3", "", "id-b");
    const auto replaced = watch.Update({replacement});
    ASSERT_EQ(kinds(replaced), std::vector<K>{K::Changed});
    EXPECT_EQ(DeviceRecord::View(replaced[0].device.szHostName), "");
}

TEST(CommandLine, BadArgumentsPrintUsageAndExitWith2) {
    // None of these starts the engine: the arguments are refused first.
    const std::vector<std::vector<std::string>> cases = {
        {"--list", "--wait"}, {"--list", "--wait", "soon"}, {"--list", "--wait", "-1"},
        {"--list", "--log"},  {"--list", "--bogus"},         {"--watch", "--wait", "3"},
    };
    for (const auto& args : cases) {
        std::vector<std::string> argv = {lab::BinaryPath("scoutrel")};
        argv.insert(argv.end(), args.begin(), args.end());
        const std::string err = "/tmp/scoutrel-usage-" + std::to_string(getpid());
        lab::Process p = lab::Process::Start(argv, "/dev/null", err);
        EXPECT_EQ(p.Wait(5s), 2) << args.back();
        const std::string text = lab::ReadFile(err);
        EXPECT_NE(text.find("Usage: scoutrel --"), std::string::npos) << text;
        std::remove(err.c_str());
    }
}

}  // namespace
