// bench_lab: figures of the search engine on the lab's network, printed as
// text (not a test). Run it through bench/lab-bench.sh, which builds a lab
// (one device namespace with one address, one with 200) and starts this
// program inside the computer's namespace.
//
//  1. Latency: time from SearchDevices() until the device is in the
//     registry's Snapshot, for each protocol, over repeated searches.
//  2. Burst: 200 simulated devices answer one search at the same instant;
//     how many reach the registry, and where the others were lost (the UDP
//     counters of the computer's namespace and the sockets' drop counts).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/DeviceRegistry.h"
#include "discovery/SearchManager.h"
#include "tests/lab/LabHarness.h"

namespace {

using namespace lab;
using Clock = std::chrono::steady_clock;

// "Udp:" counters of /proc/net/snmp, by name.
std::map<std::string, long long> UdpCounters() {
    std::ifstream in("/proc/net/snmp");
    std::vector<std::string> names, values;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("Udp: ", 0) != 0) continue;
        std::istringstream fields(line.substr(5));
        std::vector<std::string>& into = names.empty() ? names : values;
        for (std::string f; fields >> f;) into.push_back(f);
    }
    std::map<std::string, long long> out;
    for (std::size_t i = 0; i < names.size() && i < values.size(); ++i) out[names[i]] = std::stoll(values[i]);
    return out;
}

// Drop counts of the UDP sockets bound to the given local ports
// (/proc/net/udp, last column), summed per port.
std::map<int, long long> SocketDrops(const std::vector<int>& ports) {
    std::map<int, long long> out;
    std::ifstream in("/proc/net/udp");
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::istringstream f(line);
        std::string sl, local, remote, st, queues, tr, retr, uid, timeout, inode, ref, pointer;
        long long drops = 0;
        if (!(f >> sl >> local >> remote >> st >> queues >> tr >> retr >> uid >> timeout >> inode >> ref >> pointer >>
              drops))
            continue;
        const int port = std::stoi(local.substr(local.find(':') + 1), nullptr, 16);
        if (std::find(ports.begin(), ports.end(), port) != ports.end()) out[port] += drops;
    }
    return out;
}

long long ReadNumber(const std::string& path) {
    std::ifstream in(path);
    long long v = -1;
    in >> v;
    return v;
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void Latency(const LabDevice& device, const char* protocol, int rounds) {
    Simulator sim = StartSimulator(device, {"--only", protocol, "--no-alive", "--no-byebye"});
    DeviceRegistry& registry = DeviceRegistry::Instance();
    std::vector<double> times;
    int missed = 0;
    for (int i = 0; i < rounds; ++i) {
        registry.Clear();
        const auto start = Clock::now();
        SearchDevices();
        bool found = false;
        while (Clock::now() - start < std::chrono::seconds(2)) {
            if (!registry.Snapshot().empty()) {
                found = true;
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
        if (found) times.push_back(Ms(Clock::now() - start));
        else ++missed;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));  // let late duplicates settle
    }
    std::sort(times.begin(), times.end());
    auto at = [&](double q) { return times.empty() ? 0.0 : times[static_cast<std::size_t>(q * (times.size() - 1))]; };
    std::printf("  %-9s  rounds %3d  found %3zu  min %7.3f  median %7.3f  p90 %7.3f  max %7.3f ms\n", protocol, rounds,
                times.size(), times.empty() ? 0.0 : times.front(), at(0.5), at(0.9),
                times.empty() ? 0.0 : times.back());
    if (missed) std::printf("  %-9s  %d searches found nothing within 2 s\n", "", missed);
    sim.Stop();
}

void Burst(const LabDevice& device, const char* protocol, int spreadMs) {
    const int count = static_cast<int>(device.ips.size());
    std::vector<std::string> args = {"--count", std::to_string(count), "--no-alive", "--no-byebye",
                                     "--spread", std::to_string(spreadMs)};
    if (std::string(protocol) != "both") args.insert(args.end(), {"--only", protocol});
    Simulator sim = StartSimulator(device, args);
    DeviceRegistry& registry = DeviceRegistry::Instance();
    registry.Clear();
    const auto udpBefore = UdpCounters();
    const auto dropsBefore = SocketDrops({67, 1900, 1530});
    const auto start = Clock::now();
    SearchDevices();
    // Wait until the registry stops growing (or 4 s).
    std::size_t last = 0;
    auto lastChange = Clock::now();
    while (Clock::now() - start < std::chrono::seconds(4)) {
        const std::size_t n = registry.Snapshot().size();
        if (n != last) last = n, lastChange = Clock::now();
        if (n == static_cast<std::size_t>(count) || Clock::now() - lastChange > std::chrono::milliseconds(500)) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const double took = Ms(lastChange - start);
    // The counters once the duplicates (the same device through the other
    // threads) are in too.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const auto udpAfter = UdpCounters();
    const auto dropsAfter = SocketDrops({67, 1900, 1530});
    auto delta = [&](const char* name) { return udpAfter.at(name) - udpBefore.at(name); };
    std::printf("  %-9s spread %4d ms: %3zu of %d devices in the registry (last after %.1f ms); "
                "datagrams received %lld, receive-buffer drops %lld (port 67: %lld, 1900: %lld, 1530: %lld)\n",
                protocol, spreadMs, last, count, took, delta("InDatagrams"), delta("RcvbufErrors"),
                dropsAfter.count(67) ? dropsAfter.at(67) - (dropsBefore.count(67) ? dropsBefore.at(67) : 0) : 0,
                dropsAfter.count(1900) ? dropsAfter.at(1900) - (dropsBefore.count(1900) ? dropsBefore.at(1900) : 0) : 0,
                dropsAfter.count(1530) ? dropsAfter.at(1530) - (dropsBefore.count(1530) ? dropsBefore.at(1530) : 0) : 0);
    std::fflush(stdout);
    sim.Stop();
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 50;
    try {
        const Lab& lab = CurrentLab();
        if (lab.devices.size() < 2) {
            std::fputs("bench_lab: needs a lab with two device namespaces (run bench/lab-bench.sh)\n", stderr);
            return 1;
        }
        StartSearchEngine(DeviceRegistry::Instance());
        std::printf("Search to Snapshot, one device (%d searches per protocol):\n", rounds);
        Latency(lab.Device(1), "broadcast", rounds);
        Latency(lab.Device(1), "ssdp", rounds);

        const LabDevice& many = lab.Device(2);
        std::printf("\nBurst: %zu simulated devices answering one search (net.core.rmem_default %lld bytes):\n",
                    many.ips.size(), ReadNumber("/proc/sys/net/core/rmem_default"));
        for (const char* protocol : {"broadcast", "ssdp", "both"}) Burst(many, protocol, 0);
        std::printf("\nThe same devices answering within 100 ms (as devices spread answers over MX):\n");
        for (const char* protocol : {"broadcast", "ssdp", "both"}) Burst(many, protocol, 100);
        StopSearchEngine();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_lab: %s\n", e.what());
        return 1;
    }
    return 0;
}
