// scoutrel --list and scoutrel --watch: the search engine without a window.
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/CommandLine.h"
#include "app/DeviceListing.h"
#include "app/DeviceWatch.h"
#include "core/DeviceRegistry.h"
#include "core/LogSystem.h"
#include "discovery/SearchManager.h"

namespace {

using namespace std::chrono_literals;

constexpr const char* kListUsage = "Usage: scoutrel --list [--wait SECONDS] [--json] [--log FILE]\n";
constexpr const char* kWatchUsage = "Usage: scoutrel --watch [--json]\n";
constexpr auto kWatchCycle = 10s;
constexpr auto kWatchPoll = 200ms;

int UsageError(const char* usage, const std::string& problem) {
    std::fprintf(stderr, "scoutrel: %s\n%s", problem.c_str(), usage);
    return 2;
}

struct ListOptions {
    double waitSeconds = 3;  // the devices' MX: every answer is in by then
    bool json = false;
    std::string logPath;
};

// Parses the arguments after --list; false (with a message) on bad ones.
bool ParseListOptions(int argc, char** argv, ListOptions& options, std::string& problem) {
    for (int i = 0; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--json") {
            options.json = true;
        } else if (a == "--wait" || a == "--log") {
            if (i + 1 >= argc) {
                problem = a + " needs a value";
                return false;
            }
            const char* value = argv[++i];
            if (a == "--log") {
                if (!*value) {
                    problem = "--log needs a file name";
                    return false;
                }
                options.logPath = value;
                continue;
            }
            char* end = nullptr;
            const double seconds = std::strtod(value, &end);
            if (end == value || *end || !std::isfinite(seconds) || seconds < 0 || seconds > 3600) {
                problem = std::string("--wait takes a number of seconds from 0 to 3600, not '") + value + "'";
                return false;
            }
            options.waitSeconds = seconds;
        } else {
            problem = "unknown argument '" + a + "' for --list";
            return false;
        }
    }
    return true;
}

// Waits until every search thread's worker has ended (a stop ends them at
// once), so that the process does not exit under their feet.
void WaitForSearchWorkers() {
    for (const SearchThreadEntry& entry : GetSearchThreadList()) entry.thread->WaitForWorkersToEnd(1s);
}

// The log echoes every line to standard output. While the engine runs with
// the log on, standard output is pointed at standard error, so that the
// result alone reaches standard output (a script reading --json gets valid
// JSON) and the echo still reaches the terminal.
class LogEchoToStderr {
public:
    LogEchoToStderr() {
        std::fflush(stdout);
        saved_ = fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 0);
        if (saved_ >= 0) dup2(STDERR_FILENO, STDOUT_FILENO);
    }
    ~LogEchoToStderr() {
        std::fflush(stdout);
        if (saved_ >= 0) {
            dup2(saved_, STDOUT_FILENO);
            close(saved_);
        }
    }
    LogEchoToStderr(const LogEchoToStderr&) = delete;
    LogEchoToStderr& operator=(const LogEchoToStderr&) = delete;

private:
    int saved_ = -1;
};

std::atomic<bool> gStopWatch{false};
void OnWatchSignal(int) { gStopWatch = true; }

std::string TimeOfDay() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

void PrintEvent(const DeviceWatch::Event& e, bool json) {
    const char* kind = DeviceWatch::KindName(e.kind);
    if (json) {
        std::printf("{\"event\": \"%s\", \"device\": %s}\n", kind, DeviceListing::RecordJson(e.device).c_str());
    } else {
        using DeviceListing::DisplayText;
        const DeviceRecord& d = e.device;
        std::printf("%s %-8s %-15s %s  %s  %s  %s\n", TimeOfDay().c_str(), kind,
                    DisplayText(DeviceRecord::View(d.szIP)).c_str(), DisplayText(DeviceRecord::View(d.szHostName)).c_str(),
                    DisplayText(DeviceRecord::View(d.szProduct)).c_str(), DisplayText(DeviceRecord::View(d.szVendor)).c_str(),
                    DisplayText(DeviceRecord::View(d.szFirmwareVersion)).c_str());
    }
    std::fflush(stdout);
}

}  // namespace

int RunListCommand(int argc, char** argv) {
    ListOptions options;
    std::string problem;
    if (!ParseListOptions(argc, argv, options, problem)) return UsageError(kListUsage, problem);

    std::vector<DeviceRecord> devices;
    {
        std::optional<LogEchoToStderr> echo;
        if (!options.logPath.empty()) echo.emplace();
        StartSearchEngine(DeviceRegistry::Instance());
        // The engine start switches the log off; switch it on after it.
        if (!options.logPath.empty()) LogSystem::EnableLog(options.logPath);
        SearchDevices();
        std::this_thread::sleep_for(std::chrono::duration<double>(options.waitSeconds));
        devices = DeviceRegistry::Instance().Snapshot();
        StopSearchEngine();
        WaitForSearchWorkers();
        LogSystem::ResetLogSettings();
    }
    const std::string out = options.json ? DeviceListing::ListJson(devices) : DeviceListing::Table(devices);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return 0;
}

int RunWatchCommand(int argc, char** argv) {
    bool json = false;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0) json = true;
        else return UsageError(kWatchUsage, std::string("unknown argument '") + argv[i] + "' for --watch");
    }

    struct sigaction stop {};
    stop.sa_handler = OnWatchSignal;
    sigemptyset(&stop.sa_mask);
    sigaction(SIGINT, &stop, nullptr);
    sigaction(SIGTERM, &stop, nullptr);

    DeviceRegistry& registry = DeviceRegistry::Instance();
    StartSearchEngine(registry);
    DeviceWatch watch;
    while (!gStopWatch) {
        registry.Clear();
        watch.BeginCycle();
        SearchDevices();
        const auto cycleEnd = std::chrono::steady_clock::now() + kWatchCycle;
        while (!gStopWatch && std::chrono::steady_clock::now() < cycleEnd) {
            std::this_thread::sleep_for(kWatchPoll);
            for (const DeviceWatch::Event& e : watch.Update(registry.Snapshot())) PrintEvent(e, json);
        }
        if (gStopWatch) break;
        for (const DeviceWatch::Event& e : watch.EndCycle()) PrintEvent(e, json);
    }
    StopSearchEngine();
    WaitForSearchWorkers();
    return 0;
}
