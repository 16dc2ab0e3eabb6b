// The search engine end to end on real sockets: the engine runs in this
// process, inside the lab's computer namespace; devices are simulators in
// the device namespaces. Every test runs in a process and a lab of its own,
// since the engine is process-wide and starts once.
#include <dirent.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "core/DeviceRegistry.h"
#include "core/LogSystem.h"
#include "discovery/SearchDeviceMultiCommandThead.h"
#include "discovery/SearchManager.h"
#include "tests/lab/LabHarness.h"
#include "tests/lab/WireLiterals.h"

namespace {

using namespace lab;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

std::string Field(const RecordText& field) { return std::string(DeviceRecord::View(field)); }

// The engine of this process, with its log switched on (after the start,
// which switches it off) into the lab's scratch folder.
class Engine {
public:
    Engine() : logPath_(ScratchPath("engine-log")) {
        StartSearchEngine(DeviceRegistry::Instance());
        LogSystem::EnableLog(logPath_);
    }
    ~Engine() { StopSearchEngine(); }

    std::string Log() const { return ReadFile(logPath_); }
    bool WaitForLog(const std::string& text, std::chrono::milliseconds timeout = 3s, std::size_t times = 1) const {
        return WaitUntil([&] { return Count(Log(), text) >= times; }, timeout);
    }
    static std::vector<DeviceRecord> Devices() { return DeviceRegistry::Instance().Snapshot(); }
    static std::optional<DeviceRecord> DeviceAt(const std::string& ip) {
        for (const DeviceRecord& r : Devices())
            if (Field(r.szIP) == ip) return r;
        return std::nullopt;
    }
    static std::optional<DeviceRecord> WaitForDevice(const std::string& ip, std::chrono::milliseconds timeout = 3s) {
        std::optional<DeviceRecord> found;
        WaitUntil([&] { return (found = DeviceAt(ip)).has_value(); }, timeout);
        return found;
    }
    static const CSearchDeviceThread* ThreadOn(const std::string& ip) {
        for (const SearchThreadEntry& e : GetSearchThreadList())
            if (e.strIP == ip) return e.thread.get();
        return nullptr;
    }

private:
    std::string logPath_;
};

TEST(Engine, BroadcastReplyBecomesEntryWithSenderAddress) {
    const LabDevice& device = CurrentLab().Device(1);
    Simulator sim = StartSimulator(device, {"--only", "broadcast", "--id", "bc-1", "--host", "box", "--vendor",
                                            "Zelvo", "--product", "R1"});
    Engine engine;
    SearchDevices();
    const auto record = Engine::WaitForDevice(device.ip);
    ASSERT_TRUE(record) << engine.Log() << sim.Log();
    EXPECT_EQ(Field(record->szDeviceID), "bc-1");
    EXPECT_EQ(Field(record->szHostName), "box");
    EXPECT_EQ(Field(record->szVendor), "Zelvo");
    EXPECT_EQ(Field(record->szProduct), "R1");
    EXPECT_EQ(Field(record->szFirmwareVersion), "");
    EXPECT_EQ(record->nType, RECORD_TYPE_RESPONSE);
    EXPECT_TRUE(Contains(engine.Log(), "SendThread 67 : Handle Broadcast Recive Information Success"));
}

TEST(Engine, SsdpAnswerFillsAllFieldsAndTakesAddressFromLocation) {
    const LabDevice& device = CurrentLab().Device(1);
    // The LOCATION host differs from the address the answer comes from.
    Simulator sim = StartSimulator(
        device, {"--only", "ssdp", "--no-alive", "--id", "u-77", "--host", "atlas", "--vendor", "TALVEN", "--product",
                 "TR9", "--extra", "rev2", "--firmware", "4.1.7", "--ssid", "Cafe", "--mac0", "aa:bb:cc:00:11:22",
                 "--mac1", "aa:bb:cc:00:11:23", "--location-address", "198.18.77.7", "--location-port", "8080"});
    Engine engine;
    SearchDevices();
    const auto record = Engine::WaitForDevice("198.18.77.7");
    ASSERT_TRUE(record) << engine.Log() << sim.Log();
    EXPECT_EQ(Field(record->szDeviceID), "u-77");
    EXPECT_EQ(Field(record->szHostName), "atlas");
    EXPECT_EQ(Field(record->szVendor), "TALVEN");
    EXPECT_EQ(Field(record->szProduct), "TR9");
    EXPECT_EQ(Field(record->szExtraInfo), "rev2");
    EXPECT_EQ(Field(record->szFirmwareVersion), "4.1.7");
    EXPECT_EQ(Field(record->szSSID), "Cafe");
    EXPECT_EQ(Field(record->szMAC0), "aa:bb:cc:00:11:22");
    EXPECT_EQ(Field(record->szMAC1), "aa:bb:cc:00:11:23");
    EXPECT_EQ(record->nType, RECORD_TYPE_RESPONSE);
    EXPECT_FALSE(Engine::DeviceAt(device.ip)) << "the sender's address must not be used when LOCATION has one";
    // Both the multicast thread and the per-interface thread got the answer.
    EXPECT_TRUE(engine.WaitForLog("SendThread 1900 : Recive Socket Protocol IP : " + device.ip)) << engine.Log();
    EXPECT_TRUE(engine.WaitForLog("SendThread 1530 : Recive Socket Protocol IP : " + device.ip)) << engine.Log();
}

TEST(Engine, AliveAddsAndByebyeRemoves) {
    const LabDevice& device = CurrentLab().Device(1);
    Engine engine;
    // No search at all: the announcement alone brings the device in.
    Simulator sim = StartSimulator(device, {"--only", "ssdp", "--id", "alive-1", "--alive-interval", "0"});
    const auto record = Engine::WaitForDevice(device.ip);
    ASSERT_TRUE(record) << engine.Log() << sim.Log();
    EXPECT_EQ(record->nType, RECORD_TYPE_ALIVE);
    EXPECT_EQ(Field(record->szDeviceID), "alive-1");
    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_TRUE(WaitUntil([] { return Engine::Devices().empty(); }, 3s)) << engine.Log();
}

TEST(Engine, MalformedAnswersAreDropped) {
    const LabDevice& device = CurrentLab().Device(1);
    const std::string ip = device.ip;
    const std::string st = "urn:schemas-upnp-org:device:VezoDovOdezer:1";
    const std::string server = "SERVER: Linux/3.10 KYMO/2.0.1, UPnP/1.0, ZELVO/box/R1/x\r\n";
    auto reply = [](std::size_t size) {
        std::string b(size, '\0');
        b[0] = 12;
        b[1] = 1;
        const std::string text = "id=x&host=box&vendor=ZELVO&product=R1";
        b.replace(20, text.size(), text);
        return b;
    };
    struct Case {
        const char* name;
        const char* option;  // --bc-reply-raw or --ssdp-reply-raw
        std::string bytes;
    };
    // The simulator answers the other protocol not at all.
    auto only = [](const Case& c) { return std::string(c.option) == "--bc-reply-raw" ? "broadcast" : "ssdp"; };
    const std::vector<Case> cases = {
        {"147-byte reply", "--bc-reply-raw", reply(147)},
        {"149-byte reply", "--bc-reply-raw", reply(149)},
        {"no firmware token", "--ssdp-reply-raw",
         "HTTP/1.1 200 OK\r\nLOCATION: http://" + ip + ":80/d.xml\r\nSERVER: Linux/3.10 FW/2.0.1, UPnP/1.0, "
         "ZELVO/box/R1/x\r\nST: " + st + "\r\nUSN: uuid:m1::" + st + "\r\n\r\n"},
        {"USN without ::", "--ssdp-reply-raw",
         "HTTP/1.1 200 OK\r\nLOCATION: http://" + ip + ":80/d.xml\r\n" + server + "USN: uuid:m2\r\n\r\n"},
        {"USN without uuid:", "--ssdp-reply-raw",
         "HTTP/1.1 200 OK\r\nLOCATION: http://" + ip + ":80/d.xml\r\n" + server + "USN: m3::" + st + "\r\n\r\n"},
        {"LOCATION without port", "--ssdp-reply-raw",
         "HTTP/1.1 200 OK\r\n" + server + "USN: uuid:m4::" + st + "\r\nLOCATION: http://" + ip + "/d.xml\r\n\r\n"},
        {"LOCATION without //", "--ssdp-reply-raw",
         "HTTP/1.1 200 OK\r\n" + server + "USN: uuid:m5::" + st + "\r\nLOCATION: " + ip + "/d.xml\r\n\r\n"},
    };
    Engine engine;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = ScratchPath("malformed");
        WriteFile(file, c.bytes);
        Simulator sim = StartSimulator(device, {c.option, file, "--only", only(c), "--no-alive", "--no-byebye"});
        const std::string received =
            "Recive Socket Protocol IP : " + ip + ", nLen : " + std::to_string(c.bytes.size());
        const std::size_t before = Count(engine.Log(), received);
        DeviceRegistry::Instance().Clear();
        SearchDevices();
        // The answer did arrive (it is in the log) and left no entry.
        EXPECT_TRUE(engine.WaitForLog(received, 3s, before + 1)) << engine.Log() << sim.Log();
        std::this_thread::sleep_for(200ms);
        EXPECT_TRUE(Engine::Devices().empty()) << Field(Engine::Devices().front().szDeviceID);
        sim.Stop();
    }
    EXPECT_FALSE(Contains(engine.Log(), "Broadcast Recive Information Success"));
    EXPECT_FALSE(Contains(engine.Log(), "Mulitcast Recive Information Success"));
}

TEST(Engine, SearchRequestsOnTheWireAreExact) {
    const Lab& lab = CurrentLab();
    Capture broadcast(lab.Device(1), 68);
    Capture multicast(lab.Device(1), 1900, kGroup);
    Engine engine;
    SearchDevices();
    ASSERT_TRUE(WaitUntil([&] { return broadcast.Peek().size() >= 1 && multicast.Peek().size() >= 2; }, 3s));
    std::this_thread::sleep_for(200ms);
    const std::vector<Datagram> requests = broadcast.Finish();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].from, lab.computerIp);
    EXPECT_EQ(requests[0].fromPort, 67);
    EXPECT_EQ(requests[0].to, "255.255.255.255");
    EXPECT_EQ(requests[0].bytes, BroadcastRequestBytes()) << Hex(requests[0].bytes);

    std::set<int> ports;
    for (const Datagram& d : multicast.Finish()) {
        EXPECT_EQ(d.from, lab.computerIp);
        EXPECT_EQ(d.to, kGroup);
        EXPECT_EQ(d.bytes.size(), 129u);
        EXPECT_EQ(d.bytes, kMSearchBytes) << d.fromPort;
        ports.insert(d.fromPort);
    }
    // The multicast thread and the computer's one per-interface thread.
    EXPECT_EQ(ports, (std::set<int>{1530, 1900}));
}

TEST(Engine, TwoInterfacesSearchFromEachAddress) {
    const Lab& lab = CurrentLab();
    ASSERT_FALSE(lab.computerIp2.empty());
    const LabDevice& first = lab.Device(1);
    const LabDevice& second = lab.Device(2);
    ASSERT_EQ(second.net, 2);
    Capture onFirst(first, 1900, kGroup);
    Capture onSecond(second, 1900, kGroup);
    Simulator simFirst = StartSimulator(first, {"--only", "ssdp", "--no-alive", "--id", "net1"});
    Simulator simSecond = StartSimulator(second, {"--only", "ssdp", "--no-alive", "--id", "net2"});
    Engine engine;

    const CSearchDeviceThread* one = Engine::ThreadOn(lab.computerIp);
    const CSearchDeviceThread* two = Engine::ThreadOn(lab.computerIp2);
    ASSERT_TRUE(one && two);
    EXPECT_EQ(one->GetBoundPort(), 1530);
    EXPECT_EQ(two->GetBoundPort(), 1550);
    EXPECT_EQ(GetSearchThreadList().size(), 4u);

    SearchDevices();
    EXPECT_TRUE(Engine::WaitForDevice(first.ip)) << engine.Log();
    // The second network is reached only by the thread of the second address.
    EXPECT_TRUE(Engine::WaitForDevice(second.ip)) << engine.Log();
    std::this_thread::sleep_for(200ms);
    auto sources = [](const std::vector<Datagram>& ds) {
        std::set<std::string> out;
        for (const Datagram& d : ds)
            if (d.bytes == kMSearchBytes) out.insert(d.from + ":" + std::to_string(d.fromPort));
        return out;
    };
    const std::set<std::string> seenFirst = sources(onFirst.Finish());
    const std::set<std::string> seenSecond = sources(onSecond.Finish());
    EXPECT_TRUE(seenFirst.count(lab.computerIp + ":1530")) << testing::PrintToString(seenFirst);
    EXPECT_TRUE(seenSecond.count(lab.computerIp2 + ":1550")) << testing::PrintToString(seenSecond);
    // Each per-interface search left through its own interface only.
    EXPECT_FALSE(seenFirst.count(lab.computerIp2 + ":1550")) << testing::PrintToString(seenFirst);
    EXPECT_FALSE(seenSecond.count(lab.computerIp + ":1530")) << testing::PrintToString(seenSecond);
}

TEST(Engine, TakenPort67LeavesTheOtherThreadsSearching) {
    const LabDevice& device = CurrentLab().Device(1);
    UdpSocket blocker("", 67, false);
    Simulator sim = StartSimulator(device, {"--no-alive", "--id", "p67"});
    Engine engine;
    EXPECT_FALSE(GetSearchThreadList().at(0).thread->IsSocketOpen());
    SearchDevices();
    const auto record = Engine::WaitForDevice(device.ip);
    ASSERT_TRUE(record) << engine.Log();
    EXPECT_EQ(Field(record->szFirmwareVersion), "2.0.1");  // an SSDP answer
    EXPECT_TRUE(engine.WaitForLog("SendThread 67 : Send Broadcast Search Error : ")) << engine.Log();
    // No request went out from the closed socket, so no reply came to 67.
    EXPECT_FALSE(blocker.Receive(100ms));
}

TEST(Engine, TakenPort1900LeavesThePerInterfaceThreadSearching) {
    const LabDevice& device = CurrentLab().Device(1);
    UdpSocket blocker("", 1900, false);
    Simulator sim = StartSimulator(device, {"--only", "ssdp", "--no-alive", "--id", "p1900"});
    Engine engine;
    EXPECT_FALSE(GetSearchThreadList().at(1).thread->IsSocketOpen());
    SearchDevices();
    ASSERT_TRUE(Engine::WaitForDevice(device.ip)) << engine.Log();
    EXPECT_TRUE(engine.WaitForLog("SendThread 1900 : Send Search Device Error : ")) << engine.Log();
    EXPECT_TRUE(Contains(engine.Log(), "SendThread 1530 : Handle Mulitcast Recive Information Success"));
}

TEST(Engine, TakenPort1530MovesTheThreadTo1531) {
    const Lab& lab = CurrentLab();
    UdpSocket blocker("", 1530, false);
    {
        // A thread object of its own, with the log on from its start.
        const std::string logPath = ScratchPath("thread-log");
        LogSystem::EnableLog(logPath);
        CSearchDeviceMultiCommandThead thread;
        thread.InitSearchThreadValue(lab.computerIp.c_str(), 1530, TRUE);
        EXPECT_EQ(thread.GetBoundPort(), 1531);
        const std::string log = ReadFile(logPath);
        EXPECT_TRUE(Contains(log, "SendThread 1530 : Create Search Device Work Thread Error : ")) << log;
        EXPECT_TRUE(Contains(log, "SendThread 1530 : Handle Create Search Device Work Thread Error")) << log;
        EXPECT_TRUE(Contains(log, "SendThread 1531 : Test Create Search Device Work Thread, testCount = 1, port = 1531"))
            << log;
        LogSystem::ResetLogSettings();
    }  // its destructor stops the thread and frees 1531 again
    Capture capture(lab.Device(1), 1900, kGroup);
    Simulator sim = StartSimulator(lab.Device(1), {"--only", "ssdp", "--no-alive"});
    Engine engine;
    const CSearchDeviceThread* thread = Engine::ThreadOn(lab.computerIp);
    ASSERT_TRUE(thread);
    EXPECT_EQ(thread->GetBoundPort(), 1531);
    EXPECT_EQ(thread->GetPort(), 1531);
    EXPECT_EQ(thread->GetTestCount(), 1);
    EXPECT_EQ(GetNextInterfacePort(), 1550);
    SearchDevices();
    EXPECT_TRUE(engine.WaitForLog("SendThread 1531 : Handle Mulitcast Recive Information Success")) << engine.Log();
    EXPECT_TRUE(WaitUntil(
        [&] {
            for (const Datagram& d : capture.Peek())
                if (d.fromPort == 1531 && d.bytes == kMSearchBytes) return true;
            return false;
        },
        2s));
}

TEST(Engine, StopWhileBlockedEndsTheWorkersPromptly) {
    const int before = ThreadCount();
    Engine engine;
    const std::vector<SearchThreadEntry>& threads = GetSearchThreadList();
    ASSERT_EQ(threads.size(), 3u);
    // Every worker runs...
    ASSERT_TRUE(WaitUntil([&] { return ThreadCount() == before + 3; }, 2s)) << ThreadCount();
    // Time for each of them to reach its blocking receive.
    std::this_thread::sleep_for(300ms);
    const std::size_t logBeforeStop = engine.Log().size();
    const auto start = std::chrono::steady_clock::now();
    StopSearchEngine();
    const bool ended = WaitUntil(
        [&] {
            for (const SearchThreadEntry& e : threads)
                if (e.thread->RunningWorkers() != 0) return false;
            return ThreadCount() == before;
        },
        1s, 1ms);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    EXPECT_TRUE(ended) << "workers still running after " << took.count() << " ms:\n" << engine.Log();
    const std::string log = engine.Log().substr(logBeforeStop);
    for (int port : {67, 1900, 1530})
        EXPECT_TRUE(Contains(log, "SendThread " + std::to_string(port) + " : Finish Search Device Work Thread"))
            << port << "\n" << log;
    // A stop is no restart.
    EXPECT_FALSE(Contains(log, "Begin Search Device Work Thread")) << log;
    EXPECT_FALSE(Contains(log, "Null Info")) << log;
}

TEST(Engine, EmptyDatagramRestartsTheSocketAndLaterSearchesAreAnswered) {
    const Lab& lab = CurrentLab();
    const LabDevice& device = lab.Device(1);
    Simulator sim = StartSimulator(device, {"--no-alive", "--id", "restart-1"});
    Engine engine;
    for (int port : {67, 1900}) {
        SCOPED_TRACE(port);
        const std::string p = "SendThread " + std::to_string(port) + " : ";
        ASSERT_TRUE(SendFromDevice(device, "", lab.computerIp + ":" + std::to_string(port)));
        EXPECT_TRUE(engine.WaitForLog(p + "Reciver Socket Protocol Null Info, bExitSock = 0, bRetartSock = 0"))
            << engine.Log();
        // A new worker on a fresh socket of the same port.
        EXPECT_TRUE(engine.WaitForLog(p + "Begin Search Device Work Thread")) << engine.Log();
    }
    EXPECT_EQ(GetSearchThreadList().at(0).thread->GetBoundPort(), 67);
    EXPECT_EQ(GetSearchThreadList().at(1).thread->GetBoundPort(), 1900);
    DeviceRegistry::Instance().Clear();
    SearchDevices();
    EXPECT_TRUE(Engine::WaitForDevice(device.ip)) << engine.Log();
    EXPECT_TRUE(engine.WaitForLog("SendThread 67 : Handle Broadcast Recive Information Success")) << engine.Log();
    EXPECT_TRUE(engine.WaitForLog("SendThread 1900 : Handle Mulitcast Recive Information Success")) << engine.Log();
}

TEST(Engine, SocketsAreNotInheritedByChildProcesses) {
    Engine engine;
    // Any program the application starts (a browser, a file manager) must
    // not keep the search ports bound: a restarting thread could not bind
    // its port again, and the ports would stay taken after the program ends.
    Process child = Process::Start({"sleep", "5"}, {}, {}, false, /*closeInherited=*/false);
    int sockets = 0;
    const std::string fdDir = "/proc/" + std::to_string(child.Pid()) + "/fd";
    WaitUntil([&] { return ReadFile("/proc/" + std::to_string(child.Pid()) + "/comm") == "sleep\n"; }, 2s);
    if (DIR* d = opendir(fdDir.c_str())) {
        while (dirent* e = readdir(d)) {
            char target[256] = {};
            if (readlink((fdDir + "/" + e->d_name).c_str(), target, sizeof target - 1) > 0 &&
                std::string(target).rfind("socket:", 0) == 0)
                ++sockets;
        }
        closedir(d);
    }
    EXPECT_EQ(sockets, 0) << "a child process inherited " << sockets << " socket(s) of the engine";
}

}  // namespace
