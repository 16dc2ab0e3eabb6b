// What the two parsers pass on, and what they log, for runs of answers: the
// broadcast thread drops a repeat of the last answer it passed on (same
// texts, same type); the multicast thread drops it and forgets the last one,
// so a run of equal messages is passed on every second time. No socket is
// opened here.
#include <gtest/gtest.h>

#include "DiscoveryTestSupport.h"
#include "discovery/SearchDeviceBroadcastThread.h"
#include "discovery/SearchDeviceMultiCommandThead.h"
#include "discovery/SearchDeviceMulticastThread.h"

namespace {

using namespace discovery_test;

// Hands one datagram to the thread as the worker does: a zeroed buffer one
// byte longer than the data.
void Deliver(CSearchDeviceThread& thread, const std::string& data, const char* sender = "198.18.4.9") {
    std::vector<char> buffer(data.size() + 1, '\0');
    std::copy(data.begin(), data.end(), buffer.begin());
    thread.HandleReceiveInfo(buffer.data(), static_cast<std::int32_t>(data.size()), sender);
}

class LastDeviceRules : public testing::Test {
protected:
    void SetUp() override { Reports::Get().Install(); }
    TestLog log;
};

TEST_F(LastDeviceRules, BroadcastRepeatIsPassedOnOnceUntilReset) {
    CSearchDeviceBroadcastThread thread;  // number 1530 in the log: never started
    const std::string a = BroadcastReply("id=1&host=a&vendor=ZELVO");
    const std::string b = BroadcastReply("id=2&host=b&vendor=ZELVO");
    Deliver(thread, a);
    Deliver(thread, a);
    EXPECT_EQ(Reports::Get().Count(), 1u);
    EXPECT_EQ(log.CountOf("SendThread 1530 : Handle Broadcast Recive Information Success "), 1u);
    EXPECT_EQ(log.CountOf("SendThread 1530 : Handle Broadcast Recive Information Fail "), 1u);
    // Two devices that alternate are all passed on.
    Deliver(thread, b);
    Deliver(thread, a);
    Deliver(thread, b);
    EXPECT_EQ(Reports::Get().Count(), 4u);
    // After a reset the last answer counts as new.
    thread.ResetLastDevice();
    Deliver(thread, b);
    ASSERT_EQ(Reports::Get().Count(), 5u);
    EXPECT_EQ(DeviceRecord::View(Reports::Get().Records().back().szHostName), "b");
    EXPECT_EQ(Reports::Get().ThreadNumbers().back(), 1530);
}

TEST_F(LastDeviceRules, BroadcastDropsWrongLengthSilentlyAndOtherCodesWithALine) {
    CSearchDeviceBroadcastThread thread;
    const std::string reply = BroadcastReply("id=1&vendor=ZELVO");
    Deliver(thread, reply.substr(0, 147));
    Deliver(thread, reply + "x");
    EXPECT_EQ(log.Text(), "");  // not one line
    std::string request = reply;
    request[0] = 11;
    Deliver(thread, request, "198.18.7.7");
    EXPECT_TRUE(log.Contains("SendThread 1530 : Handle Broadcast Recive Information  *["));
    EXPECT_TRUE(log.Contains("SendThread 1530 : Recive IP : 198.18.7.7 is not Device *["));
    EXPECT_EQ(Reports::Get().Count(), 0u);
    // Same texts of another type are no repeat: the goodbye is passed on.
    Deliver(thread, reply);
    Deliver(thread, BroadcastReply("id=1&vendor=ZELVO", 4));
    Deliver(thread, BroadcastReply("id=1&vendor=ZELVO", 4));
    ASSERT_EQ(Reports::Get().Count(), 2u);
    EXPECT_EQ(Reports::Get().Records().back().nType, 4u);
}

TEST_F(LastDeviceRules, MulticastRunOfEqualMessagesIsPassedOnEverySecondTime) {
    CSearchDeviceMulticastThread thread;
    const std::string alive = SsdpNotify("dev-1", "ssdp:alive");
    for (int i = 0; i < 5; ++i) Deliver(thread, alive);
    // First, third and fifth.
    EXPECT_EQ(Reports::Get().Count(), 3u);
    EXPECT_EQ(log.CountOf("Handle Mulitcast Recive Information Success, type = 2 "), 3u);
    EXPECT_EQ(log.CountOf("SendThread 1530 : Handle Mulitcast Recive Information Fail : Old Device, type = 2 "), 2u);
    // Every message, also a dropped one, writes the parser's first line.
    Deliver(thread, "garbage");
    EXPECT_EQ(log.CountOf("SendThread 1530 : Handle Mulitcast Recive Information  *["), 6u);
}

TEST_F(LastDeviceRules, MulticastGoodbyeRightAfterAnAliveIsPassedOn) {
    // The texts of an alive and a goodbye of one device are the same; the
    // goodbye must not be taken for a repeat, or the device would stay listed.
    CSearchDeviceMulticastThread thread;
    Deliver(thread, SsdpNotify("dev-1", "ssdp:alive"));
    Deliver(thread, SsdpNotify("dev-1", "ssdp:byebye"));
    ASSERT_EQ(Reports::Get().Count(), 2u);
    EXPECT_EQ(Reports::Get().Records().back().nType, RECORD_TYPE_BYEBYE);
    // A repeated goodbye is a repeat like any other.
    Deliver(thread, SsdpNotify("dev-1", "ssdp:byebye"));
    EXPECT_EQ(Reports::Get().Count(), 2u);
    EXPECT_TRUE(log.Contains("Fail : Old Device, type = 4 "));
}

TEST_F(LastDeviceRules, PerInterfaceThreadUsesTheSameParserAndRules) {
    CSearchDeviceMultiCommandThead thread;
    Deliver(thread, SsdpAnswer("dev-2"));
    Deliver(thread, SsdpAnswer("dev-3"));
    Deliver(thread, SsdpAnswer("dev-3"));
    ASSERT_EQ(Reports::Get().Count(), 2u);
    const DeviceRecord first = Reports::Get().Records().front();
    EXPECT_EQ(DeviceRecord::View(first.szDeviceID), "dev-2");
    EXPECT_EQ(DeviceRecord::View(first.szIP), "198.18.4.4");  // from LOCATION
    EXPECT_EQ(first.nType, RECORD_TYPE_RESPONSE);
    thread.ResetLastDevice();
    Deliver(thread, SsdpAnswer("dev-3"));
    EXPECT_EQ(Reports::Get().Count(), 3u);
}

}  // namespace
