// scoutrel-devsim: behaves like one or more of the portable devices on the
// network namespace it runs in. It answers the broadcast search on UDP 68,
// answers SSDP searches on the devices' multicast group, announces itself
// (ssdp:alive at start and at an interval, ssdp:byebye when stopped with
// SIGINT or SIGTERM), and can send any datagram from a file for tests of
// malformed input. Meant for the network lab (tests/lab/netlab.sh): it binds
// the ports 68 and 1900, which needs root or CAP_NET_BIND_SERVICE.
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "discovery/SearchProtocol.h"
#include "tools/devsim/DeviceMessages.h"

namespace {

using devsim::SimDevice;
using Clock = std::chrono::steady_clock;

void PrintUsage(std::FILE* out) {
    std::fputs(
        "Usage: scoutrel-devsim [OPTION]...\n"
        "Behaves like one or more Scoutrel devices on this network namespace: answers the\n"
        "broadcast search (UDP 68) and SSDP searches on 239.143.255.250:1900, announces\n"
        "itself with ssdp:alive, and says ssdp:byebye when stopped (SIGINT, SIGTERM).\n"
        "\n"
        "Device fields (with --count N, \"{n}\" in a text stands for the device's number,\n"
        "1 to N; an id or host name without \"{n}\" gets \"-N\" appended):\n"
        "  --id TEXT --host TEXT --vendor TEXT --product TEXT --extra TEXT --firmware TEXT\n"
        "  --os TEXT --os-version TEXT --ssid TEXT --mac0 TEXT --mac1 TEXT\n"
        "  --cache-control TEXT      CACHE-CONTROL value (max-age=1800)\n"
        "  --st TEXT                 search target answered and announced\n"
        "  --location URL            whole LOCATION value\n"
        "  --location-address ADDR   host of the LOCATION URL (default: the device's address)\n"
        "  --location-port PORT      port of the LOCATION URL (80)\n"
        "  --location-path PATH      path of the LOCATION URL (/rootDesc.xml)\n"
        "  --server TEXT --ssidinfo TEXT --usn TEXT   whole header values\n"
        "  --no-location --no-server --no-ssidinfo --no-usn   leave the header out\n"
        "  --bc-type N               type byte of the broadcast reply (1)\n"
        "  --bc-text TEXT            text area of the broadcast reply, as given\n"
        "\n"
        "Devices:\n"
        "  --count N                 simulate N devices (1)\n"
        "  --address ADDR            local IPv4 address of the next device (repeatable);\n"
        "                            default: the IPv4 addresses of this namespace, in order\n"
        "\n"
        "Behaviour:\n"
        "  --only broadcast|ssdp     speak only this protocol\n"
        "  --no-alive                send no ssdp:alive\n"
        "  --alive-interval SECONDS  repeat ssdp:alive (30; 0: only at start)\n"
        "  --no-byebye               send no ssdp:byebye when stopped\n"
        "  --byebye-count N          copies of each ssdp:byebye (2)\n"
        "  --delay MS                wait before answering a search (0)\n"
        "  --spread MS               spread the devices' answers evenly over MS (0: all at once)\n"
        "  --ttl N                   multicast time-to-live (4)\n"
        "  --bc-reply-raw FILE       answer a broadcast search with the bytes of FILE\n"
        "  --ssdp-reply-raw FILE     answer an M-SEARCH with the bytes of FILE\n"
        "  --duration SECONDS        stop (with ssdp:byebye) after this time\n"
        "  --ready-file FILE         written (with the process id) once every socket is ready\n"
        "  -v, --verbose             one line on stderr per datagram received or sent\n"
        "\n"
        "One shot:\n"
        "  --send-raw FILE --to ADDR:PORT [--from-port PORT] [--repeat N]\n"
        "                            send the bytes of FILE as one datagram (an empty file\n"
        "                            sends an empty datagram) and exit\n"
        "  --help                    show this text\n",
        out);
}

struct Options {
    SimDevice base;
    int count = 1;
    std::vector<std::string> addresses;
    bool broadcast = true;
    bool ssdp = true;
    bool alive = true;
    double aliveInterval = 30;
    bool byebye = true;
    int byebyeCount = 2;
    int delayMs = 0;
    int spreadMs = 0;
    int ttl = 4;
    std::optional<std::vector<std::uint8_t>> bcReplyRaw;
    std::optional<std::vector<std::uint8_t>> ssdpReplyRaw;
    double duration = 0;
    std::string readyFile;
    bool verbose = false;
    // One shot.
    std::optional<std::vector<std::uint8_t>> sendRaw;
    std::string to;
    int fromPort = 0;
    int repeat = 1;
};

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "scoutrel-devsim: %s\n", message.c_str());
    std::exit(2);
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) Fail("cannot read " + path);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int ParseInt(const std::string& option, const std::string& text, int min, int max) {
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (errno || end == text.c_str() || *end || v < min || v > max)
        Fail(option + " needs a whole number from " + std::to_string(min) + " to " + std::to_string(max));
    return static_cast<int>(v);
}

double ParseSeconds(const std::string& option, const std::string& text) {
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end || !(v >= 0) || v > 86400) Fail(option + " needs a number of seconds");
    return v;
}

Options ParseOptions(int argc, char** argv) {
    Options o;
    SimDevice& d = o.base;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) Fail(a + " needs a value");
            return argv[++i];
        };
        if (a == "--help" || a == "-h") {
            PrintUsage(stdout);
            std::exit(0);
        } else if (a == "--id") d.id = value();
        else if (a == "--host") d.host = value();
        else if (a == "--vendor") d.vendor = value();
        else if (a == "--product") d.product = value();
        else if (a == "--extra") d.extra = value();
        else if (a == "--firmware") d.firmware = value();
        else if (a == "--os") d.os = value();
        else if (a == "--os-version") d.osVersion = value();
        else if (a == "--ssid") d.ssid = value();
        else if (a == "--mac0") d.mac0 = value();
        else if (a == "--mac1") d.mac1 = value();
        else if (a == "--cache-control") d.cacheControl = value();
        else if (a == "--st") d.searchTarget = value();
        else if (a == "--location") d.location = value();
        else if (a == "--location-address") d.locationAddress = value();
        else if (a == "--location-port") d.locationPort = ParseInt(a, value(), 0, 65535);
        else if (a == "--location-path") d.locationPath = value();
        else if (a == "--server") d.server = value();
        else if (a == "--ssidinfo") d.ssidInfo = value();
        else if (a == "--usn") d.usn = value();
        else if (a == "--no-location") d.noLocation = true;
        else if (a == "--no-server") d.noServer = true;
        else if (a == "--no-ssidinfo") d.noSsidInfo = true;
        else if (a == "--no-usn") d.noUsn = true;
        else if (a == "--bc-type") d.broadcastType = static_cast<std::uint8_t>(ParseInt(a, value(), 0, 255));
        else if (a == "--bc-text") d.broadcastText = value();
        else if (a == "--count") o.count = ParseInt(a, value(), 1, 4096);
        else if (a == "--address") o.addresses.push_back(value());
        else if (a == "--only") {
            const std::string v = value();
            if (v == "broadcast") o.ssdp = false;
            else if (v == "ssdp") o.broadcast = false;
            else Fail("--only takes broadcast or ssdp");
        } else if (a == "--no-alive") o.alive = false;
        else if (a == "--alive-interval") o.aliveInterval = ParseSeconds(a, value());
        else if (a == "--no-byebye") o.byebye = false;
        else if (a == "--byebye-count") o.byebyeCount = ParseInt(a, value(), 1, 100);
        else if (a == "--delay") o.delayMs = ParseInt(a, value(), 0, 600000);
        else if (a == "--spread") o.spreadMs = ParseInt(a, value(), 0, 600000);
        else if (a == "--ttl") o.ttl = ParseInt(a, value(), 1, 255);
        else if (a == "--bc-reply-raw") o.bcReplyRaw = ReadBytes(value());
        else if (a == "--ssdp-reply-raw") o.ssdpReplyRaw = ReadBytes(value());
        else if (a == "--duration") o.duration = ParseSeconds(a, value());
        else if (a == "--ready-file") o.readyFile = value();
        else if (a == "-v" || a == "--verbose") o.verbose = true;
        else if (a == "--send-raw") o.sendRaw = ReadBytes(value());
        else if (a == "--to") o.to = value();
        else if (a == "--from-port") o.fromPort = ParseInt(a, value(), 0, 65535);
        else if (a == "--repeat") o.repeat = ParseInt(a, value(), 1, 100000);
        else {
            std::fprintf(stderr, "scoutrel-devsim: unknown option '%s'\n", a.c_str());
            PrintUsage(stderr);
            std::exit(2);
        }
    }
    if (o.sendRaw && o.to.empty()) Fail("--send-raw needs --to ADDR:PORT");
    if (!o.sendRaw && !o.to.empty()) Fail("--to goes with --send-raw");
    return o;
}

sockaddr_in MakeAddress(const std::string& ip, int port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    if (ip.empty()) a.sin_addr.s_addr = htonl(INADDR_ANY);
    else if (inet_pton(AF_INET, ip.c_str(), &a.sin_addr) != 1) Fail("not an IPv4 address: " + ip);
    return a;
}

std::string AddressText(const sockaddr_in& a) {
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &a.sin_addr, text, sizeof text);
    return std::string(text) + ":" + std::to_string(ntohs(a.sin_port));
}

sockaddr_in ParseEndpoint(const std::string& text) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos) Fail("--to needs ADDR:PORT");
    return MakeAddress(text.substr(0, colon), ParseInt("--to", text.substr(colon + 1), 0, 65535));
}

// The IPv4 addresses of the interfaces that are up, loopback left out, in
// interface order.
std::vector<std::string> LocalAddresses() {
    std::vector<std::string> out;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return out;
    for (ifaddrs* i = list; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET) continue;
        if (!(i->ifa_flags & IFF_UP) || (i->ifa_flags & IFF_LOOPBACK)) continue;
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(i->ifa_addr)->sin_addr, text, sizeof text);
        out.emplace_back(text);
    }
    freeifaddrs(list);
    return out;
}

int OpenUdp(const sockaddr_in& bindTo, bool reuse, std::string* error) {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        *error = std::strerror(errno);
        return -1;
    }
    const int one = 1;
    if (reuse) setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &one, sizeof one);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&bindTo), sizeof bindTo) != 0) {
        *error = std::strerror(errno);
        close(fd);
        return -1;
    }
    return fd;
}

int OpenUdpOrFail(const sockaddr_in& bindTo, bool reuse) {
    std::string error;
    const int fd = OpenUdp(bindTo, reuse, &error);
    if (fd < 0) {
        std::fprintf(stderr, "scoutrel-devsim: cannot bind %s: %s\n", AddressText(bindTo).c_str(), error.c_str());
        std::exit(1);
    }
    return fd;
}

void SetMulticastSending(int fd, const std::string& address, int ttl) {
    const unsigned char t = static_cast<unsigned char>(ttl);
    setsockopt(fd, IPPROTO_IP, IP_MULTICAST_TTL, &t, sizeof t);
    if (!address.empty()) {
        in_addr a{};
        inet_pton(AF_INET, address.c_str(), &a);
        setsockopt(fd, IPPROTO_IP, IP_MULTICAST_IF, &a, sizeof a);
    }
}

volatile std::sig_atomic_t gStop = 0;
void OnStopSignal(int) { gStop = 1; }

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

class Simulator {
public:
    explicit Simulator(Options options) : o_(std::move(options)) {}

    int Run();

private:
    struct Device {
        SimDevice sim;
        int bcFd = -1;    // answers from ADDRESS:68
        int ssdpFd = -1;  // answers and announces from ADDRESS:1900
    };
    enum class Kind { BroadcastReply, SearchResponse };
    struct Pending {
        Kind kind;
        std::size_t device;
        sockaddr_in to;
        std::vector<std::uint8_t> request;
    };

    void Log(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void SetUpDevices();
    void OpenSockets();
    void Send(int fd, const sockaddr_in& to, const void* data, std::size_t size, const char* what);
    void Announce(devsim::NotifyKind kind, int copies);
    void Receive(int fd, std::optional<std::size_t> onlyDevice);
    void Schedule(Kind kind, std::optional<std::size_t> onlyDevice, const sockaddr_in& from,
                  const std::uint8_t* data, std::size_t size);
    void Answer(const Pending& p);
    void WriteReadyFile();

    Options o_;
    std::vector<Device> devices_;
    int bcListen_ = -1;
    int ssdpListen_ = -1;
    std::multimap<Clock::time_point, Pending> pending_;
    Clock::time_point start_ = Clock::now();
};

void Simulator::Log(const char* format, ...) {
    if (!o_.verbose) return;
    char message[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);
    std::fprintf(stderr, "scoutrel-devsim [%8.3f] %s\n", SecondsSince(start_), message);
}

void Simulator::SetUpDevices() {
    std::vector<std::string> addresses = o_.addresses;
    if (addresses.empty()) {
        addresses = LocalAddresses();
        if (addresses.size() > static_cast<std::size_t>(o_.count)) addresses.resize(o_.count);
        // One device on a namespace without addresses answers from any address.
        if (addresses.empty() && o_.count == 1) addresses.emplace_back();
    }
    if (addresses.size() < static_cast<std::size_t>(o_.count))
        Fail(std::to_string(o_.count) + " devices need as many addresses (--address, or IPv4 addresses on "
             "this namespace), there are " + std::to_string(addresses.size()));

    for (int n = 1; n <= o_.count; ++n) {
        SimDevice d = o_.base;
        auto expand = [&](std::string& text, bool uniqueWhenMany) {
            if (uniqueWhenMany && o_.count > 1 && text.find("{n}") == std::string::npos) text += "-{n}";
            text = devsim::ExpandIndex(text, n);
        };
        expand(d.id, true);
        expand(d.host, true);
        for (std::string* t : {&d.vendor, &d.product, &d.extra, &d.firmware, &d.os, &d.osVersion, &d.ssid, &d.mac0,
                               &d.mac1, &d.locationAddress, &d.locationPath})
            expand(*t, false);
        for (std::optional<std::string>* t : {&d.location, &d.server, &d.ssidInfo, &d.usn, &d.broadcastText})
            if (*t) expand(**t, false);
        d.address = addresses[n - 1];
        devices_.push_back(Device{d});
    }
}

void Simulator::OpenSockets() {
    using namespace SearchProtocol;
    if (o_.broadcast) bcListen_ = OpenUdpOrFail(MakeAddress("", kBroadcastDevicePort), true);
    if (o_.ssdp) {
        ssdpListen_ = OpenUdpOrFail(MakeAddress("", kMulticastPort), true);
        ip_mreq join{};
        inet_pton(AF_INET, kMulticastGroup, &join.imr_multiaddr);
        // Join on the interface of the first device's address.
        if (!devices_.front().sim.address.empty())
            inet_pton(AF_INET, devices_.front().sim.address.c_str(), &join.imr_interface);
        if (setsockopt(ssdpListen_, IPPROTO_IP, IP_ADD_MEMBERSHIP, &join, sizeof join) != 0) {
            std::fprintf(stderr, "scoutrel-devsim: cannot join %s: %s\n", kMulticastGroup, std::strerror(errno));
            std::exit(1);
        }
    }
    for (Device& d : devices_) {
        // A device answers from its own address and the protocol's port; when
        // that port cannot be had next to the listening socket, from any port.
        std::string error;
        if (o_.broadcast && !d.sim.address.empty()) {
            d.bcFd = OpenUdp(MakeAddress(d.sim.address, kBroadcastDevicePort), true, &error);
            if (d.bcFd < 0) d.bcFd = OpenUdpOrFail(MakeAddress(d.sim.address, 0), false);
        }
        if (o_.ssdp) {
            if (!d.sim.address.empty()) d.ssdpFd = OpenUdp(MakeAddress(d.sim.address, kMulticastPort), true, &error);
            if (d.ssdpFd < 0) d.ssdpFd = OpenUdpOrFail(MakeAddress(d.sim.address, 0), false);
            SetMulticastSending(d.ssdpFd, d.sim.address, o_.ttl);
        }
    }
}

void Simulator::Send(int fd, const sockaddr_in& to, const void* data, std::size_t size, const char* what) {
    const ssize_t n = sendto(fd, data, size, 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    if (n < 0)
        std::fprintf(stderr, "scoutrel-devsim: sending %s to %s failed: %s\n", what, AddressText(to).c_str(),
                     std::strerror(errno));
    else
        Log("sent %s, %zu bytes, to %s", what, size, AddressText(to).c_str());
}

void Simulator::Announce(devsim::NotifyKind kind, int copies) {
    if (!o_.ssdp) return;
    const sockaddr_in group = MakeAddress(SearchProtocol::kMulticastGroup, SearchProtocol::kMulticastPort);
    for (int c = 0; c < copies; ++c) {
        for (Device& d : devices_) {
            const std::string m = devsim::Notify(d.sim, kind);
            Send(d.ssdpFd, group, m.data(), m.size(),
                 kind == devsim::NotifyKind::Alive ? "ssdp:alive" : "ssdp:byebye");
        }
    }
}

void Simulator::Schedule(Kind kind, std::optional<std::size_t> onlyDevice, const sockaddr_in& from,
                         const std::uint8_t* data, std::size_t size) {
    const Clock::time_point now = Clock::now();
    for (std::size_t i = 0; i < devices_.size(); ++i) {
        if (onlyDevice && *onlyDevice != i) continue;
        long long delayUs = 1000LL * o_.delayMs;
        if (o_.spreadMs > 0) delayUs += 1000LL * o_.spreadMs * static_cast<long long>(i) / devices_.size();
        Pending p{kind, i, from, std::vector<std::uint8_t>(data, data + size)};
        if (delayUs == 0) Answer(p);
        else pending_.emplace(now + std::chrono::microseconds(delayUs), std::move(p));
    }
}

void Simulator::Answer(const Pending& p) {
    Device& d = devices_[p.device];
    if (p.kind == Kind::BroadcastReply) {
        // The reply goes to the requester's address, on the engine's port.
        sockaddr_in to = p.to;
        to.sin_port = htons(SearchProtocol::kBroadcastLocalPort);
        const int fd = d.bcFd >= 0 ? d.bcFd : bcListen_;
        if (o_.bcReplyRaw) Send(fd, to, o_.bcReplyRaw->data(), o_.bcReplyRaw->size(), "raw broadcast reply");
        else {
            const std::vector<std::uint8_t> reply = devsim::BroadcastReply(d.sim, p.request.data(), p.request.size());
            Send(fd, to, reply.data(), reply.size(), "broadcast reply");
        }
    } else {
        if (o_.ssdpReplyRaw) Send(d.ssdpFd, p.to, o_.ssdpReplyRaw->data(), o_.ssdpReplyRaw->size(), "raw search response");
        else {
            const std::string m = devsim::SearchResponse(d.sim);
            Send(d.ssdpFd, p.to, m.data(), m.size(), "search response");
        }
    }
}

void Simulator::Receive(int fd, std::optional<std::size_t> onlyDevice) {
    std::uint8_t buffer[2048];
    sockaddr_in from{};
    socklen_t fromLength = sizeof from;
    const ssize_t n = recvfrom(fd, buffer, sizeof buffer, MSG_DONTWAIT, reinterpret_cast<sockaddr*>(&from), &fromLength);
    if (n < 0) return;
    const std::size_t size = static_cast<std::size_t>(n);
    if (o_.broadcast && devsim::IsBroadcastRequest(buffer, size)) {
        Log("broadcast search from %s", AddressText(from).c_str());
        Schedule(Kind::BroadcastReply, onlyDevice, from, buffer, size);
        return;
    }
    if (o_.ssdp) {
        const std::string_view message(reinterpret_cast<const char*>(buffer), size);
        if (const auto st = devsim::MSearchTarget(message)) {
            const bool answer = devsim::AnswersSearchTarget(o_.base.searchTarget, *st);
            Log("M-SEARCH for %s from %s%s", st->c_str(), AddressText(from).c_str(), answer ? "" : " (not ours)");
            if (answer) Schedule(Kind::SearchResponse, onlyDevice, from, buffer, size);
            return;
        }
    }
    // Our own announcements come back through the group; anything else is
    // not for a device.
    Log("ignored %zu bytes from %s", size, AddressText(from).c_str());
}

void Simulator::WriteReadyFile() {
    if (o_.readyFile.empty()) return;
    const std::string temp = o_.readyFile + ".tmp";
    {
        std::ofstream out(temp);
        out << getpid() << "\n";
        for (const Device& d : devices_) out << d.sim.address << " " << d.sim.id << "\n";
    }
    std::rename(temp.c_str(), o_.readyFile.c_str());
}

int Simulator::Run() {
    SetUpDevices();
    OpenSockets();
    if (o_.alive) Announce(devsim::NotifyKind::Alive, 1);
    Clock::time_point nextAlive = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                     std::chrono::duration<double>(o_.aliveInterval));
    const bool repeatAlive = o_.alive && o_.ssdp && o_.aliveInterval > 0;
    const bool hasEnd = o_.duration > 0;
    const Clock::time_point end =
        start_ + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(o_.duration));
    WriteReadyFile();
    std::fprintf(stderr, "scoutrel-devsim: %zu device(s) ready%s%s\n", devices_.size(),
                 o_.broadcast ? ", broadcast" : "", o_.ssdp ? ", ssdp" : "");

    sigset_t blocked, empty;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGINT);
    sigaddset(&blocked, SIGTERM);
    sigprocmask(SIG_BLOCK, &blocked, nullptr);
    sigemptyset(&empty);

    std::vector<pollfd> fds;
    std::vector<std::optional<std::size_t>> owner;  // device of a socket; none: every device
    auto add = [&](int fd, std::optional<std::size_t> device) {
        if (fd < 0) return;
        fds.push_back(pollfd{fd, POLLIN, 0});
        owner.push_back(device);
    };
    add(bcListen_, std::nullopt);
    add(ssdpListen_, std::nullopt);
    for (std::size_t i = 0; i < devices_.size(); ++i) {
        add(devices_[i].bcFd, i);
        add(devices_[i].ssdpFd, i);
    }

    while (!gStop) {
        const Clock::time_point now = Clock::now();
        while (!pending_.empty() && pending_.begin()->first <= now) {
            Answer(pending_.begin()->second);
            pending_.erase(pending_.begin());
        }
        if (repeatAlive && now >= nextAlive) {
            Announce(devsim::NotifyKind::Alive, 1);
            nextAlive += std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(o_.aliveInterval));
        }
        if (hasEnd && now >= end) break;

        Clock::time_point wake = now + std::chrono::seconds(1);
        if (!pending_.empty() && pending_.begin()->first < wake) wake = pending_.begin()->first;
        if (repeatAlive && nextAlive < wake) wake = nextAlive;
        if (hasEnd && end < wake) wake = end;
        const auto wait = std::chrono::duration_cast<std::chrono::nanoseconds>(wake - now);
        timespec timeout{static_cast<time_t>(wait.count() / 1000000000), static_cast<long>(wait.count() % 1000000000)};
        const int ready = ppoll(fds.data(), fds.size(), &timeout, &empty);
        if (ready < 0) {
            if (errno == EINTR) continue;
            std::perror("scoutrel-devsim: poll");
            return 1;
        }
        for (std::size_t i = 0; i < fds.size(); ++i)
            if (fds[i].revents & POLLIN) Receive(fds[i].fd, owner[i]);
    }
    if (o_.byebye) Announce(devsim::NotifyKind::Byebye, o_.byebyeCount);
    std::fprintf(stderr, "scoutrel-devsim: stopped\n");
    return 0;
}

int SendRawDatagram(const Options& o) {
    std::string error;
    const int fd = OpenUdp(MakeAddress("", o.fromPort), o.fromPort != 0, &error);
    if (fd < 0) {
        std::fprintf(stderr, "scoutrel-devsim: cannot bind port %d: %s\n", o.fromPort, error.c_str());
        return 1;
    }
    const sockaddr_in to = ParseEndpoint(o.to);
    SetMulticastSending(fd, "", o.ttl);
    for (int i = 0; i < o.repeat; ++i) {
        if (sendto(fd, o.sendRaw->data(), o.sendRaw->size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0) {
            std::fprintf(stderr, "scoutrel-devsim: sending to %s failed: %s\n", o.to.c_str(), std::strerror(errno));
            close(fd);
            return 1;
        }
    }
    if (o.verbose)
        std::fprintf(stderr, "scoutrel-devsim: sent %d datagram(s) of %zu bytes to %s\n", o.repeat, o.sendRaw->size(),
                     o.to.c_str());
    close(fd);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options = ParseOptions(argc, argv);
    if (options.sendRaw) return SendRawDatagram(options);

    struct sigaction stop {};
    stop.sa_handler = OnStopSignal;
    sigemptyset(&stop.sa_mask);
    sigaction(SIGINT, &stop, nullptr);
    sigaction(SIGTERM, &stop, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    return Simulator(std::move(options)).Run();
}
