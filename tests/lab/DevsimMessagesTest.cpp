// The simulator's messages read by the engine's own parsers, without a
// network: what the simulator says is what the engine accepts, field by
// field, and its byebye carries what removes the device.
#include <gtest/gtest.h>

#include <string>

#include "discovery/SearchParsers.h"
#include "tools/devsim/DeviceMessages.h"

namespace {

using devsim::SimDevice;

std::string Field(const RecordText& f) { return std::string(DeviceRecord::View(f)); }

SimDevice Sample() {
    SimDevice d;
    d.address = "198.18.1.1";
    d.id = "sim-42";
    d.host = "atlas";
    d.vendor = "TALVEN";
    d.product = "TR9";
    d.extra = "rev2";
    d.firmware = "4.1.7";
    d.ssid = "Cafe";
    d.mac0 = "aa:00";
    d.mac1 = "aa:01";
    return d;
}

TEST(DevsimMessages, SearchResponseAndAliveGiveEveryField) {
    const SimDevice d = Sample();
    for (const auto& [message, type] : {std::pair{devsim::SearchResponse(d), RECORD_TYPE_RESPONSE},
                                        std::pair{devsim::Notify(d, devsim::NotifyKind::Alive), RECORD_TYPE_ALIVE}}) {
        SCOPED_TRACE(message);
        const auto r = ParseSsdpMessage(message, "198.18.9.9");
        ASSERT_TRUE(r);
        EXPECT_EQ(r->nType, type);
        EXPECT_EQ(Field(r->szDeviceID), "sim-42");
        EXPECT_EQ(Field(r->szIP), "198.18.1.1");  // from LOCATION, not the sender
        EXPECT_EQ(Field(r->szHostName), "atlas");
        EXPECT_EQ(Field(r->szVendor), "TALVEN");
        EXPECT_EQ(Field(r->szProduct), "TR9");
        EXPECT_EQ(Field(r->szExtraInfo), "rev2");
        EXPECT_EQ(Field(r->szFirmwareVersion), "4.1.7");
        EXPECT_EQ(Field(r->szSSID), "Cafe");
        EXPECT_EQ(Field(r->szMAC0), "aa:00");
        EXPECT_EQ(Field(r->szMAC1), "aa:01");
    }
}

TEST(DevsimMessages, ByebyeNamesTheDevice) {
    const auto r = ParseSsdpMessage(devsim::Notify(Sample(), devsim::NotifyKind::Byebye), "198.18.1.1");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->nType, RECORD_TYPE_BYEBYE);
    EXPECT_EQ(Field(r->szDeviceID), "sim-42");
    EXPECT_EQ(Field(r->szIP), "198.18.1.1");  // no LOCATION: the sender
}

TEST(DevsimMessages, BroadcastReplyGivesItsFourTexts) {
    SimDevice d = Sample();
    d.broadcastType = 2;
    const std::vector<std::uint8_t> bytes = devsim::BroadcastReply(d, nullptr, 0);
    ASSERT_EQ(bytes.size(), 148u);
    const auto result = ParseBroadcastReply(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), "198.18.1.1");
    ASSERT_EQ(result.status, BroadcastReplyStatus::Accepted);
    EXPECT_EQ(result.record.nType, 2u);
    EXPECT_EQ(Field(result.record.szDeviceID), "sim-42");
    EXPECT_EQ(Field(result.record.szHostName), "atlas");
    EXPECT_EQ(Field(result.record.szVendor), "TALVEN");
    EXPECT_EQ(Field(result.record.szProduct), "TR9");
    EXPECT_EQ(Field(result.record.szIP), "198.18.1.1");
}

TEST(DevsimMessages, RecognisesSearches) {
    EXPECT_EQ(devsim::MSearchTarget("M-SEARCH * HTTP/1.1\r\nHOST: x\r\nst:  urn:a:b \r\n\r\n"), "urn:a:b");
    EXPECT_FALSE(devsim::MSearchTarget("NOTIFY * HTTP/1.1\r\nST: urn:a:b\r\n\r\n"));
    EXPECT_FALSE(devsim::MSearchTarget("M-SEARCH * HTTP/1.1\r\nHOST: x\r\n\r\n"));
    EXPECT_EQ(devsim::ExpandIndex("box-{n}/{n}", 7), "box-7/7");
}

}  // namespace
