// Every golden datagram under packets/ through its parser, against the
// record (or the drop) written beside it in NAME.expect.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "discovery/SearchParsers.h"

namespace {

namespace fs = std::filesystem;

struct GoldenCase {
    std::string name;
    fs::path packet;
    bool broadcast = false;
};

std::vector<GoldenCase> ListCases() {
    std::vector<GoldenCase> cases;
    for (const auto& entry : fs::directory_iterator(SCOUTREL_PACKET_DIR)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".ssdp" && ext != ".bcast") continue;
        cases.push_back({entry.path().stem().string() + (ext == ".bcast" ? "_bcast" : "_ssdp"), entry.path(),
                         ext == ".bcast"});
    }
    std::sort(cases.begin(), cases.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return cases;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// "key: value" lines; the value may be empty.
std::map<std::string, std::string> ReadExpectation(const fs::path& path) {
    std::map<std::string, std::string> values;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t colon = line.find(": ");
        if (colon == std::string::npos) {
            if (!line.empty() && line.back() == ':') values[line.substr(0, line.size() - 1)] = "";
            continue;
        }
        values[line.substr(0, colon)] = line.substr(colon + 2);
    }
    return values;
}

void ExpectRecord(const DeviceRecord& r, std::map<std::string, std::string>& e) {
    EXPECT_EQ(DeviceRecord::View(r.szDeviceID), e["id"]);
    EXPECT_EQ(DeviceRecord::View(r.szIP), e["ip"]);
    EXPECT_EQ(DeviceRecord::View(r.szHostName), e["host"]);
    EXPECT_EQ(DeviceRecord::View(r.szProduct), e["product"]);
    EXPECT_EQ(DeviceRecord::View(r.szExtraInfo), e["extra"]);
    EXPECT_EQ(DeviceRecord::View(r.szFirmwareVersion), e["firmware"]);
    EXPECT_EQ(DeviceRecord::View(r.szVendor), e["vendor"]);
    EXPECT_EQ(DeviceRecord::View(r.szSSID), e["ssid"]);
    EXPECT_EQ(DeviceRecord::View(r.szMAC0), e["mac0"]);
    EXPECT_EQ(DeviceRecord::View(r.szMAC1), e["mac1"]);
    EXPECT_EQ(std::to_string(r.nType), e["type"]);
    // Built from a default record: the carried-over numbers keep their
    // defaults and the reserved byte stays zero.
    EXPECT_EQ(r.nRefreshTime, 60u);
    EXPECT_EQ(r.nRefreshCount, 0u);
    EXPECT_EQ(r.bReserved, 0);
}

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.packet.filename().string(); }

class PacketGolden : public testing::TestWithParam<GoldenCase> {};

TEST_P(PacketGolden, ParsesAsExpected) {
    const GoldenCase& c = GetParam();
    const std::string bytes = ReadBytes(c.packet);
    fs::path expectPath = c.packet;
    expectPath.replace_extension(".expect");
    ASSERT_TRUE(fs::exists(expectPath)) << expectPath;
    auto expect = ReadExpectation(expectPath);
    const std::string& result = expect["result"];

    if (c.broadcast) {
        const BroadcastReplyResult parsed = ParseBroadcastReply(bytes, expect["sender"]);
        if (result == "accepted") {
            ASSERT_EQ(parsed.status, BroadcastReplyStatus::Accepted);
            ExpectRecord(parsed.record, expect);
        } else if (result == "wrong-length") {
            EXPECT_EQ(parsed.status, BroadcastReplyStatus::WrongLength);
        } else {
            ASSERT_EQ(result, "not-device");
            EXPECT_EQ(parsed.status, BroadcastReplyStatus::NotDevice);
        }
    } else {
        const std::optional<DeviceRecord> parsed = ParseSsdpMessage(bytes, expect["sender"]);
        if (result == "accepted") {
            ASSERT_TRUE(parsed.has_value());
            ExpectRecord(*parsed, expect);
        } else {
            ASSERT_EQ(result, "dropped");
            EXPECT_FALSE(parsed.has_value());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Packets, PacketGolden, testing::ValuesIn(ListCases()),
                         [](const testing::TestParamInfo<GoldenCase>& info) { return info.param.name; });

}  // namespace
