// The search threads' workers on real sockets, unicast on the loopback
// interface only: stopping a blocked worker, the restart after an empty
// datagram, port retries and the per-interface port plan.
#include <gtest/gtest.h>

#include <fcntl.h>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/udp.hpp>

#include "DiscoveryTestSupport.h"
#include "discovery/SearchDeviceBroadcastThread.h"
#include "discovery/SearchDeviceMultiCommandThead.h"
#include "discovery/SearchManager.h"

namespace {

using namespace discovery_test;
using boost::asio::ip::udp;
using namespace std::chrono_literals;

bool CanBind(boost::asio::io_context& io, const char* address, int port) {
    boost::system::error_code ec;
    udp::socket probe(io);
    probe.open(udp::v4(), ec);
    if (!ec) probe.bind(udp::endpoint(boost::asio::ip::make_address_v4(address), static_cast<unsigned short>(port)), ec);
    return !ec;
}

// The first of `count` consecutive ports that are free right now, away from
// the ports the engine itself uses.
int FindFreePorts(int count, const char* address = "127.0.0.1") {
    boost::asio::io_context io;
    std::mt19937 random(std::random_device{}());
    for (int attempt = 0; attempt < 200; ++attempt) {
        const int base = 20000 + static_cast<int>(random() % 30000);
        bool free = true;
        for (int i = 0; i < count && free; ++i) free = CanBind(io, address, base + i);
        if (free) return base;
    }
    return -1;
}

// Holds ports taken, the way another program would.
class PortHolder {
public:
    void Take(const char* address, int port) {
        auto& s = sockets_.emplace_back(std::make_unique<udp::socket>(io_, udp::v4()));
        s->bind(udp::endpoint(boost::asio::ip::make_address_v4(address), static_cast<unsigned short>(port)));
    }

private:
    boost::asio::io_context io_;
    std::vector<std::unique_ptr<udp::socket>> sockets_;
};

class Sender {
public:
    Sender() : socket_(io_, udp::v4()) {}
    void Send(const std::string& data, int port) {
        socket_.send_to(boost::asio::buffer(data.data(), data.size()),
                        udp::endpoint(boost::asio::ip::make_address_v4("127.0.0.1"), static_cast<unsigned short>(port)));
    }

private:
    boost::asio::io_context io_;
    udp::socket socket_;
};

class SearchWorker : public testing::Test {
protected:
    void SetUp() override {
        Reports::Get().Install();
        port = FindFreePorts(21);
        ASSERT_GT(port, 0);
    }
    // Starts a per-interface thread on 127.0.0.1 and waits until its worker
    // is in its receive.
    void Start(CSearchDeviceMultiCommandThead& thread, int at) {
        thread.InitSearchThreadValue("127.0.0.1", at, TRUE);
        ASSERT_TRUE(WaitFor([&] { return log.Contains("Wait Reciver Socket Protocol Info"); }));
    }
    TestLog log;
    int port = 0;
};

TEST_F(SearchWorker, StopWhileBlockedEndsTheWorkerPromptlyWithoutRestart) {
    CSearchDeviceMultiCommandThead thread;
    Start(thread, port);
    ASSERT_EQ(thread.GetBoundPort(), port);
    std::this_thread::sleep_for(50ms);  // well inside the blocking receive by now
    const auto before = std::chrono::steady_clock::now();
    thread.ExitSearchThread();
    ASSERT_TRUE(thread.WaitForWorkersToEnd(2s));
    EXPECT_LT(std::chrono::steady_clock::now() - before, 1s);
    EXPECT_FALSE(thread.IsSocketOpen());
    EXPECT_TRUE(log.Contains("SendThread " + std::to_string(port) + " : Exit Search Device Tread , bExitSock : 1  *["));
    EXPECT_TRUE(WaitFor([&] { return log.Contains("Finish Search Device Work Thread"); }));
    EXPECT_FALSE(log.Contains("Null Info"));
    EXPECT_EQ(log.CountOf("Begin Search Device Work Thread"), 1u);
    // The port is free again: nothing was re-opened.
    boost::asio::io_context io;
    EXPECT_TRUE(CanBind(io, "127.0.0.1", port));
    // A second stop is harmless.
    thread.ExitSearchThread();
}

TEST_F(SearchWorker, EmptyDatagramRestartsTheSocketOnTheSamePort) {
    CSearchDeviceMultiCommandThead thread;
    Start(thread, port);
    Sender sender;
    sender.Send("", port);
    ASSERT_TRUE(WaitFor([&] { return log.CountOf("Begin Search Device Work Thread") == 2; }));
    EXPECT_TRUE(log.Contains("SendThread " + std::to_string(port) +
                             " : Reciver Socket Protocol Null Info, bExitSock = 0, bRetartSock = 0  *["));
    EXPECT_EQ(thread.GetBoundPort(), port);
    EXPECT_EQ(thread.GetTestCount(), 0);
    // A later answer is handled by the new worker. The new socket is bound
    // before its worker starts, so the answer cannot be lost in between.
    sender.Send(SsdpAnswer("after-restart"), port);
    ASSERT_TRUE(WaitFor([] { return Reports::Get().Count() == 1; }));
    const DeviceRecord record = Reports::Get().Records().front();
    EXPECT_EQ(DeviceRecord::View(record.szDeviceID), "after-restart");
    EXPECT_EQ(Reports::Get().ThreadNumbers().front(), port);
    EXPECT_EQ(thread.RunningWorkers(), 1);
}

// Holds the restart's re-opening of the socket until the test lets it go.
class GatedRestartThread : public CSearchDeviceMultiCommandThead {
public:
    void InitSearchThread() override {
        if (starts++ > 0) {
            restarting = true;
            while (!released) std::this_thread::sleep_for(1ms);
        }
        CSearchDeviceMultiCommandThead::InitSearchThread();
    }
    std::atomic<int> starts{0};
    std::atomic<bool> restarting{false};
    std::atomic<bool> released{false};
};

TEST_F(SearchWorker, StopThatCrossesARestartStillStops) {
    GatedRestartThread thread;
    Start(thread, port);
    Sender sender;
    sender.Send("", port);
    ASSERT_TRUE(WaitFor([&] { return thread.restarting.load(); }));
    // The stop arrives while the worker is between closing and re-opening.
    thread.ExitSearchThread();
    thread.released = true;
    ASSERT_TRUE(thread.WaitForWorkersToEnd(3s));
    EXPECT_FALSE(thread.IsSocketOpen());
    EXPECT_EQ(thread.starts.load(), 2);
}

TEST_F(SearchWorker, DatagramLongerThan1024BytesIsHandledAsItsFirst1024) {
    CSearchDeviceMultiCommandThead thread;
    Start(thread, port);
    Sender sender;
    const std::string answer = SsdpAnswer("short");
    // The identifier header lies beyond byte 1024: dropped.
    std::string late = answer;
    late.insert(late.find("USN:"), std::string(1100, 'x'));
    sender.Send(late, port);
    // Padding behind a complete answer is cut away: accepted.
    sender.Send(answer + std::string(1400, 'y'), port);
    ASSERT_TRUE(WaitFor([] { return Reports::Get().Count() == 1; }));
    EXPECT_EQ(DeviceRecord::View(Reports::Get().Records().front().szDeviceID), "short");
    EXPECT_EQ(log.CountOf("nReceive = 1024  *["), 2u);
}

TEST_F(SearchWorker, TakenPortMovesToTheNextOne) {
    PortHolder holder;
    holder.Take("127.0.0.1", port);
    CSearchDeviceMultiCommandThead thread;
    Start(thread, port);
    EXPECT_EQ(thread.GetBoundPort(), port + 1);
    EXPECT_EQ(thread.GetPort(), port + 1);
    EXPECT_EQ(thread.GetTestCount(), 1);
    const std::string p = std::to_string(port), p1 = std::to_string(port + 1);
    EXPECT_TRUE(log.Contains("SendThread " + p + " : Create Search Device Work Thread Error : "));
    EXPECT_TRUE(log.Contains("SendThread " + p + " : Handle Create Search Device Work Thread Error  *["));
    EXPECT_TRUE(log.Contains("SendThread " + p1 + " : Test Create Search Device Work Thread, testCount = 1, port = " + p1));
}

TEST_F(SearchWorker, AtMostTwentyRetriesOverTheObjectsLife) {
    PortHolder holder;
    for (int i = 0; i <= 20; ++i) holder.Take("127.0.0.1", port + i);
    CSearchDeviceMultiCommandThead thread;
    thread.InitSearchThreadValue("127.0.0.1", port, TRUE);
    EXPECT_FALSE(thread.IsSocketOpen());
    EXPECT_EQ(thread.RunningWorkers(), 0);
    EXPECT_EQ(thread.GetTestCount(), 20);
    EXPECT_EQ(thread.GetPort(), port + 20);
    EXPECT_EQ(log.CountOf("Test Create Search Device Work Thread, testCount"), 20u);
    // A later start that fails again does not retry: the count is never reset.
    thread.InitSearchThread();
    EXPECT_EQ(thread.GetTestCount(), 20);
    EXPECT_EQ(thread.GetPort(), port + 20);
    EXPECT_EQ(log.CountOf("Test Create Search Device Work Thread, testCount"), 20u);
}

TEST_F(SearchWorker, BroadcastThreadOnATakenPortFailsAndItsSearchesLogAnError) {
    const int anyPort = FindFreePorts(1, "0.0.0.0");
    ASSERT_GT(anyPort, 0);
    PortHolder holder;
    holder.Take("127.0.0.1", anyPort);
    CSearchDeviceBroadcastThread thread;
    thread.InitSearchThreadValue(nullptr, anyPort, FALSE);
    EXPECT_FALSE(thread.IsSocketOpen());
    EXPECT_EQ(thread.GetPort(), anyPort);  // no retry for this thread
    const std::string p = std::to_string(anyPort);
    EXPECT_TRUE(log.Contains("SendThread " + p + " : Create Search Device Work Thread Error : "));
    EXPECT_TRUE(log.Contains("[func: CSearchDeviceBroadcastThread::InitSearchThread] * [line "));
    // With its socket closed nothing can leave; the search only logs.
    const SearchPacket request = SearchProtocol::MakeSearchRequest();
    EXPECT_EQ(thread.SendSearchCommand(&request), 0);
    EXPECT_TRUE(log.Contains("SendThread " + p + " : Send Broadcast Search Command  *["));
    EXPECT_TRUE(log.Contains("SendThread " + p + " : Send Broadcast Search Error : "));
}

TEST_F(SearchWorker, ResetWhileTheWorkerParsesIsSafe) {
    CSearchDeviceMultiCommandThead thread;
    Start(thread, port);
    std::atomic<bool> sending{true};
    std::thread feeder([&] {
        Sender sender;
        for (int i = 0; i < 300; ++i) sender.Send(SsdpAnswer("dev-" + std::to_string(i % 3)), port);
        sending = false;
    });
    while (sending) thread.ResetLastDevice();
    feeder.join();
    EXPECT_TRUE(WaitFor([] { return Reports::Get().Count() > 0; }));
    thread.ExitSearchThread();
    EXPECT_TRUE(thread.WaitForWorkersToEnd(2s));
}

TEST_F(SearchWorker, SocketsAreClosedOnExec) {
    // Programs the application starts must not inherit the search sockets.
    CSearchDeviceMultiCommandThead thread;
    Start(thread, port);
    int sockets = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        const std::string target = std::filesystem::read_symlink(entry.path(), ec).string();
        if (ec || !target.starts_with("socket:")) continue;
        ++sockets;
        const int fd = std::stoi(entry.path().filename().string());
        EXPECT_TRUE(::fcntl(fd, F_GETFD) & FD_CLOEXEC) << "descriptor " << fd;
    }
    // The thread's socket and its worker's duplicate.
    EXPECT_GE(sockets, 2);
}

TEST_F(SearchWorker, DestroyingARunningThreadWaitsForItsWorker) {
    {
        CSearchDeviceMultiCommandThead thread;
        Start(thread, port);
    }
    EXPECT_TRUE(log.Contains("Finish Search Device Work Thread"));
    boost::asio::io_context io;
    EXPECT_TRUE(CanBind(io, "127.0.0.1", port));
}

// The port plan of the per-interface threads: 1530, then steps of 20, one
// thread per address, also when a thread had to move up a port.
TEST(SearchManagerPorts, OneThreadPerAddressOnPortsInStepsOfTwenty) {
    TestLog log;
    boost::asio::io_context io;
    if (!CanBind(io, "127.0.0.1", 1530) || !CanBind(io, "127.0.0.2", 1550) || !CanBind(io, "127.0.0.3", 1571)) {
        GTEST_SKIP() << "a port of the plan is in use on this computer";
    }
    PortHolder holder;
    holder.Take("127.0.0.3", 1570);

    RefreshInterfaceThreadsFor({"127.0.0.1", "127.0.0.2", "127.0.0.1"});
    const auto& list = GetSearchThreadList();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].strIP, "127.0.0.1");
    EXPECT_EQ(list[0].thread->GetBoundPort(), 1530);
    EXPECT_EQ(list[1].strIP, "127.0.0.2");
    EXPECT_EQ(list[1].thread->GetBoundPort(), 1550);
    EXPECT_EQ(GetNextInterfacePort(), 1570);

    // Unchanged addresses add nothing; a new one takes the next step and,
    // its port being taken, moves up one; the counter moves on by 20 anyway.
    RefreshInterfaceThreadsFor({"127.0.0.1", "127.0.0.2"});
    EXPECT_EQ(list.size(), 2u);
    RefreshInterfaceThreadsFor({"127.0.0.2", "127.0.0.3"});
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[2].strIP, "127.0.0.3");
    EXPECT_EQ(list[2].thread->GetBoundPort(), 1571);
    EXPECT_EQ(list[2].thread->GetPort(), 1571);
    EXPECT_EQ(GetNextInterfacePort(), 1590);
    EXPECT_TRUE(log.Contains("SendThread 1530 : Init Search Device Work Thread Value, strIP : 127.0.0.1, nPort : 1530  *["));

    StopAllSearchThreads();
    for (const auto& entry : list) {
        EXPECT_TRUE(entry.thread->WaitForWorkersToEnd(2s)) << entry.strIP;
        EXPECT_FALSE(entry.thread->IsSocketOpen());
    }
}

}  // namespace
