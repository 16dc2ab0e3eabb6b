// The device simulator on the wire, seen from the computer's namespace with
// plain sockets (no engine): what it answers, what it announces, and its
// one-shot mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "tests/lab/LabHarness.h"
#include "tests/lab/WireLiterals.h"

namespace {

using namespace lab;

std::string TextArea(const std::string& reply) {
    const std::string area = reply.substr(20);
    return area.substr(0, area.find('\0'));
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(Devsim, AnswersBroadcastSearch) {
    const Lab& lab = CurrentLab();
    const LabDevice& device = lab.Device(1);
    // Three devices, one per address of the namespace.
    Simulator sim = StartSimulator(device, {"--count", "3", "--id", "dev{n}", "--host", "box{n}", "--vendor", "Queno",
                                            "--product", "R{n}", "--no-alive"});
    UdpSocket engine("", 67);
    engine.SendTo(BroadcastRequestBytes(), "255.255.255.255", 68);
    std::set<std::string> senders;
    for (int i = 0; i < 3; ++i) {
        auto reply = engine.Receive(2s);
        ASSERT_TRUE(reply) << "reply " << i << " missing; simulator log:\n" << sim.Log();
        ASSERT_EQ(reply->bytes.size(), 148u);
        EXPECT_EQ(reply->bytes[0], 12);
        EXPECT_EQ(reply->bytes[1], 1);
        const int n = static_cast<int>(std::find(device.ips.begin(), device.ips.end(), reply->from) - device.ips.begin()) + 1;
        ASSERT_LE(n, 3) << reply->from;
        EXPECT_EQ(reply->fromPort, 68);
        const std::string k = std::to_string(n);
        EXPECT_EQ(TextArea(reply->bytes), "id=dev" + k + "&host=box" + k + "&vendor=Queno&product=R" + k);
        senders.insert(reply->from);
    }
    EXPECT_EQ(senders.size(), 3u);
}

TEST(Devsim, AnswersSsdpSearch) {
    const Lab& lab = CurrentLab();
    const LabDevice& device = lab.Device(1);
    Simulator sim = StartSimulator(device, {"--no-alive", "--id", "abc-1", "--host", "box", "--location-port", "8080"});
    UdpSocket engine(lab.computerIp, 1530);
    // A search for another target goes unanswered.
    std::string other = kMSearchBytes;
    other.replace(other.find("VezoDovOdezer"), 13, "SomethingElse");
    engine.SendTo(other, kGroup, 1900);
    engine.SendTo(kMSearchBytes, kGroup, 1900);
    auto answer = engine.Receive(2s);
    ASSERT_TRUE(answer) << sim.Log();
    EXPECT_EQ(answer->from, device.ip);
    const std::string& m = answer->bytes;
    EXPECT_EQ(m.rfind("HTTP/1.1 200 OK\r\n", 0), 0u) << m;
    for (const std::string& header :
         {std::string("CACHE-CONTROL: max-age=1800\r\n"), "LOCATION: http://" + device.ip + ":8080/rootDesc.xml\r\n",
          std::string("SERVER: Linux/3.10 KYMO/2.0.1, UPnP/1.0, ZELVO/box/R1/sim\r\n"),
          std::string("SSIDINFO: SSID/scoutrel-lab,MAC0/02:00:5e:00:00:01,MAC1/02:00:5e:00:00:02\r\n"),
          std::string("ST: urn:schemas-upnp-org:device:VezoDovOdezer:1\r\n"),
          std::string("USN: uuid:abc-1::urn:schemas-upnp-org:device:VezoDovOdezer:1\r\n")})
        EXPECT_TRUE(Contains(m, header)) << header << " missing in\n" << m;
    EXPECT_EQ(m.substr(m.size() - 4), "\r\n\r\n");
    EXPECT_FALSE(engine.Receive(300ms)) << "the search for another target was answered";
}

TEST(Devsim, AnnouncesAliveAndByebye) {
    const Lab& lab = CurrentLab();
    UdpSocket group("", 1900);
    group.JoinGroup(kGroup);
    Simulator sim = StartSimulator(lab.Device(1), {"--id", "abc-2", "--alive-interval", "0.3"});
    std::vector<std::string> seen;
    auto next = [&] {
        auto d = group.Receive(2s);
        return d ? d->bytes : std::string();
    };
    for (int i = 0; i < 2; ++i) {  // at start and after the interval
        const std::string m = next();
        ASSERT_EQ(m.rfind("NOTIFY * HTTP/1.1\r\n", 0), 0u) << m << sim.Log();
        EXPECT_TRUE(Contains(m, "NTS: ssdp:alive\r\n")) << m;
        EXPECT_TRUE(Contains(m, "NT: upnp:rootdevice\r\n")) << m;
        EXPECT_TRUE(Contains(m, "USN: uuid:abc-2::upnp:rootdevice\r\n")) << m;
        EXPECT_TRUE(Contains(m, "SERVER: Linux/3.10 KYMO/2.0.1")) << m;
        EXPECT_TRUE(Contains(m, "LOCATION: http://")) << m;
    }
    ASSERT_EQ(sim.Stop(), 0);
    int byebyes = 0;
    while (auto d = group.Receive(500ms))
        if (Contains(d->bytes, "NTS: ssdp:byebye\r\n")) {
            EXPECT_TRUE(Contains(d->bytes, "USN: uuid:abc-2::upnp:rootdevice\r\n")) << d->bytes;
            EXPECT_TRUE(Contains(d->bytes, "KYMO/")) << d->bytes;
            ++byebyes;
        }
    EXPECT_EQ(byebyes, 2);
}

TEST(Devsim, SpeaksOnlyTheChosenProtocol) {
    const Lab& lab = CurrentLab();
    UdpSocket broadcast("", 67);
    UdpSocket ssdp(lab.computerIp, 1530);
    {
        Simulator sim = StartSimulator(lab.Device(1), {"--only", "ssdp", "--no-alive"});
        broadcast.SendTo(BroadcastRequestBytes(), "255.255.255.255", 68);
        ssdp.SendTo(kMSearchBytes, kGroup, 1900);
        EXPECT_TRUE(ssdp.Receive(2s));
        EXPECT_FALSE(broadcast.Receive(300ms));
    }
    {
        Simulator sim = StartSimulator(lab.Device(1), {"--only", "broadcast"});
        broadcast.SendTo(BroadcastRequestBytes(), "255.255.255.255", 68);
        ssdp.SendTo(kMSearchBytes, kGroup, 1900);
        EXPECT_TRUE(broadcast.Receive(2s));
        EXPECT_FALSE(ssdp.Receive(300ms));
    }
}

TEST(Devsim, SendsRawDatagrams) {
    const Lab& lab = CurrentLab();
    UdpSocket engine("", 4000);
    const std::string bytes("\x0c\x01zz\0tail", 8);
    ASSERT_TRUE(SendFromDevice(lab.Device(1), bytes, lab.computerIp + ":4000", 4001));
    auto d = engine.Receive(2s);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->bytes, bytes);
    EXPECT_EQ(d->fromPort, 4001);
    ASSERT_TRUE(SendFromDevice(lab.Device(1), "", lab.computerIp + ":4000"));
    d = engine.Receive(2s);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->bytes, "");

    // Raw answers to a search.
    const std::string file = ScratchPath("raw-reply");
    WriteFile(file, std::string(147, 'x'));
    UdpSocket broadcast("", 67);
    Simulator sim = StartSimulator(lab.Device(1), {"--bc-reply-raw", file, "--only", "broadcast"});
    broadcast.SendTo(BroadcastRequestBytes(), "255.255.255.255", 68);
    d = broadcast.Receive(2s);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->bytes, std::string(147, 'x'));
}

}  // namespace
