#pragma once
// Helpers of the discovery tests: a found-device target that records what
// the search threads report, a log file of the test's own, and messages.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

#include "core/DeviceRecord.h"
#include "core/LogSystem.h"
#include "discovery/FoundDeviceHandoff.h"
#include "discovery/SearchProtocol.h"

namespace discovery_test {

// Records every hand-off; installed as the found-device target.
class Reports {
public:
    static Reports& Get() {
        static Reports reports;
        return reports;
    }
    static std::int32_t Target(const DeviceRecord& record, std::int32_t threadNumber) {
        Reports& r = Get();
        std::lock_guard<std::mutex> guard(r.lock_);
        r.records_.push_back(record);
        r.threadNumbers_.push_back(threadNumber);
        return 0;
    }
    void Install() {
        Clear();
        SetFoundDeviceTarget(&Reports::Target);
    }
    void Clear() {
        std::lock_guard<std::mutex> guard(lock_);
        records_.clear();
        threadNumbers_.clear();
    }
    std::vector<DeviceRecord> Records() const {
        std::lock_guard<std::mutex> guard(lock_);
        return records_;
    }
    std::vector<std::int32_t> ThreadNumbers() const {
        std::lock_guard<std::mutex> guard(lock_);
        return threadNumbers_;
    }
    std::size_t Count() const {
        std::lock_guard<std::mutex> guard(lock_);
        return records_.size();
    }

private:
    mutable std::mutex lock_;
    std::vector<DeviceRecord> records_;
    std::vector<std::int32_t> threadNumbers_;
};

// Switches the log on into a file of this test process, and off again.
class TestLog {
public:
    TestLog() {
        path_ = std::filesystem::temp_directory_path() /
                ("scoutrel-discovery-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++) + ".log");
        std::filesystem::remove(path_);
        LogSystem::EnableLog(path_.string());
    }
    ~TestLog() {
        LogSystem::ResetLogSettings();
        std::error_code ec;
        std::filesystem::remove(path_, ec);
    }
    std::string Text() const {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool Contains(const std::string& needle) const { return Text().find(needle) != std::string::npos; }
    std::size_t CountOf(const std::string& needle) const {
        const std::string text = Text();
        std::size_t n = 0;
        for (std::size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) ++n;
        return n;
    }

private:
    static inline int counter_ = 0;
    std::filesystem::path path_;
};

inline std::string SsdpAnswer(const std::string& id, const std::string& host = "box") {
    return "HTTP/1.1 200 OK\r\nCACHE-CONTROL: max-age=1800\r\nLOCATION: http://198.18.4.4:80/d.xml\r\n"
           "SERVER: Linux/4 KYMO/1.2, UPnP/1.0, Zelvo/" +
           host + "/R1/x\r\nSSIDINFO: SSID/n,MAC0/a,MAC1/b\r\nST: " + std::string(SearchProtocol::kSearchTarget) +
           "\r\nUSN: uuid:" + id + "::" + std::string(SearchProtocol::kSearchTarget) + "\r\n\r\n";
}

inline std::string SsdpNotify(const std::string& id, const std::string& nts) {
    return "NOTIFY * HTTP/1.1\r\nHOST: 239.143.255.250:1900\r\nLOCATION: http://198.18.4.5:80/d.xml\r\n"
           "SERVER: Linux/4 KYMO/1.2, UPnP/1.0, Zelvo/box/R1/x\r\nNT: upnp:rootdevice\r\nNTS: " +
           nts + "\r\nUSN: uuid:" + id + "::upnp:rootdevice\r\n\r\n";
}

inline std::string BroadcastReply(const std::string& text, std::uint8_t type = 1) {
    const SearchPacket packet = SearchProtocol::MakeSearchReply(type, text);
    return std::string(reinterpret_cast<const char*>(&packet), sizeof packet);
}

// Polls `condition` every few milliseconds until it holds or `timeout` ends.
template <typename Condition>
bool WaitFor(Condition condition, std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace discovery_test
