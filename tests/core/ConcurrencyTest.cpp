#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "core/DeviceRegistry.h"
#include "core/LogSystem.h"
#include "discovery/FoundDeviceHandoff.h"
#include "RecordFixtures.h"

namespace {

// Target for the hand-off tests: counts the calls, and throws on request.
std::atomic<int> targetCalls{0};
std::atomic<bool> targetThrows{false};
std::atomic<int> insideTarget{0};
std::atomic<bool> overlapSeen{false};

std::int32_t CountingTarget(const DeviceRecord& record, std::int32_t n) {
    if (insideTarget.fetch_add(1) != 0) overlapSeen = true;
    ++targetCalls;
    std::int32_t result = DeviceRegistry::DispatchToInstance(record, n);
    insideTarget.fetch_sub(1);
    if (targetThrows) throw std::runtime_error("target failed");
    return result;
}

TEST(FoundDeviceHandoff, ManyWorkersAtOnceLoseNothing) {
    DeviceRegistry::Instance().Clear();
    SetFoundDeviceTarget(&CountingTarget);
    targetCalls = 0;
    constexpr int kThreads = 8;
    constexpr int kPerThread = 200;
    std::vector<std::thread> workers;
    for (int t = 0; t < kThreads; ++t) {
        workers.emplace_back([t] {
            DeviceRecord record;
            for (int i = 0; i < kPerThread; ++i) {
                const std::string ip = "198.18." + std::to_string(t) + "." + std::to_string(i);
                record = MakeRecord(ip, "host-" + ip);
                OnDeviceFound(record, 1530 + 20 * t);
                // The worker reuses its record at once; the hand-off copied it.
                SetRecordText(record.szIP, "reused");
            }
        });
    }
    // The user-interface thread reads at the same time.
    std::size_t lastSize = 0;
    for (int i = 0; i < 200; ++i) {
        const std::size_t size = DeviceRegistry::Instance().Snapshot().size();
        EXPECT_GE(size, lastSize);
        lastSize = size;
    }
    for (auto& w : workers) w.join();

    EXPECT_EQ(targetCalls.load(), kThreads * kPerThread);
    EXPECT_FALSE(overlapSeen.load());
    const auto entries = DeviceRegistry::Instance().Snapshot();
    ASSERT_EQ(entries.size(), static_cast<std::size_t>(kThreads * kPerThread));
    std::set<std::string> addresses;
    for (const auto& e : entries) addresses.emplace(DeviceRecord::View(e.szIP));
    EXPECT_EQ(addresses.size(), entries.size());
    EXPECT_EQ(addresses.count("reused"), 0u);
    DeviceRegistry::Instance().Clear();
}

TEST(FoundDeviceHandoff, ThrowingTargetLeavesTheMutexFree) {
    SetFoundDeviceTarget(&CountingTarget);
    targetCalls = 0;
    targetThrows = true;
    EXPECT_THROW(OnDeviceFound(MakeRecord("198.18.1.1"), 67), std::runtime_error);
    targetThrows = false;
    // A second worker gets through: the first left the mutex unlocked.
    std::thread other([] { OnDeviceFound(MakeRecord("198.18.1.2"), 1900); });
    other.join();
    EXPECT_EQ(targetCalls.load(), 2);
    DeviceRegistry::Instance().Clear();
}

TEST(FoundDeviceHandoff, LogsTheFourLinesInOrder) {
    const std::string path = ::testing::TempDir() + "scoutrel-handoff-log.txt";
    std::remove(path.c_str());
    LogSystem::EnableLog(path);
    SetFoundDeviceTarget(&DeviceRegistry::DispatchToInstance);
    ::testing::internal::CaptureStdout();
    OnDeviceFound(MakeRecord("198.18.2.2", "h", "Zelvo", 1, "dev-7"), 1550);
    const std::string out = ::testing::internal::GetCapturedStdout();
    LogSystem::ResetLogSettings();
    std::remove(path.c_str());
    const char* expected[] = {
        "Handle 1550 : Search 1550 Thread Find Device and wait for mutex  *[",
        "Handle 1550 : Search 1550 Thread Find Device have Mutex  *[",
        "Handle 1550 : Search 1550 Thread Find Device ID : dev-7, IP : 198.18.2.2  *[",
        "Handle 1550 : Search 1550 Thread Find Device Success Handle  *[",
    };
    std::size_t at = 0;
    for (const char* line : expected) {
        const std::size_t found = out.find(line, at);
        ASSERT_NE(found, std::string::npos) << line << "\n" << out;
        at = found + 1;
    }
    DeviceRegistry::Instance().Clear();
}

TEST(LogSystemConcurrency, LinesFromManyThreadsComeOutWhole) {
    const std::string path = ::testing::TempDir() + "scoutrel-concurrent-log.txt";
    std::remove(path.c_str());
    LogSystem::EnableLog(path);
    ::testing::internal::CaptureStdout();
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t] {
            for (int i = 0; i < 100; ++i) LogSystem::WriteLog("thread %d line %d %s", t, i, std::string(80, 'x').c_str());
        });
    for (auto& th : threads) th.join();
    ::testing::internal::GetCapturedStdout();
    LogSystem::ResetLogSettings();
    std::ifstream in(path, std::ios::binary);
    std::string line;
    int count = 0;
    const std::regex whole(R"(thread \d line \d+ x{80}\*\[\d\d::\d\d:\d\d:\d\d\]\r)");
    while (std::getline(in, line)) {
        EXPECT_TRUE(std::regex_match(line, whole)) << line;
        ++count;
    }
    EXPECT_EQ(count, 400);
    std::remove(path.c_str());
}

}  // namespace
