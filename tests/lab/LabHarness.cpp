#include "tests/lab/LabHarness.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace lab {

namespace {

std::string Env(const std::string& name) {
    const char* v = std::getenv(name.c_str());
    return v ? v : "";
}

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string word; in >> word;) out.push_back(word);
    return out;
}

Lab ReadLab() {
    Lab lab;
    lab.computerNs = Env("LAB_COMPUTER_NS");
    if (lab.computerNs.empty())
        throw std::runtime_error(
            "this is a network lab test: it runs only inside a lab made by tests/lab/netlab.sh "
            "(run it with ctest -L lab, as root)");
    lab.id = Env("LAB_ID");
    lab.dir = Env("LAB_DIR");
    lab.computerIp = Env("LAB_COMPUTER_IP");
    lab.computerIp2 = Env("LAB_COMPUTER_IP2");
    const int count = std::atoi(Env("LAB_DEVICE_COUNT").c_str());
    for (int i = 1; i <= count; ++i) {
        const std::string p = "LAB_DEVICE_" + std::to_string(i) + "_";
        LabDevice d;
        d.number = i;
        d.ns = Env(p + "NS");
        d.ip = Env(p + "IP");
        d.ips = Split(Env(p + "IPS"));
        d.net = std::atoi(Env(p + "NET").c_str());
        lab.devices.push_back(d);
    }
    // The engine must never run on the host's own network: insist on being
    // inside the lab's computer namespace.
    struct stat self {}, computer {};
    if (stat("/proc/self/ns/net", &self) != 0 || stat(("/run/netns/" + lab.computerNs).c_str(), &computer) != 0 ||
        self.st_ino != computer.st_ino)
        throw std::runtime_error("this lab test must run inside the lab's computer namespace " + lab.computerNs +
                                 " (netlab.sh --in-computer)");
    return lab;
}

}  // namespace

const Lab& CurrentLab() {
    static const Lab lab = ReadLab();
    return lab;
}

std::string BinaryPath(const std::string& name) {
    std::string dir = Env("SCOUTREL_BINARY_DIR");
#ifdef SCOUTREL_BINARY_DIR_DEFAULT
    if (dir.empty()) dir = SCOUTREL_BINARY_DIR_DEFAULT;
#endif
    return dir + "/bin/" + name;
}

std::string ScratchPath(const std::string& stem) {
    static std::atomic<int> counter{0};
    const std::string dir = CurrentLab().dir.empty() ? std::string("/tmp") : CurrentLab().dir;
    return dir + "/" + stem + "-" + std::to_string(getpid()) + "-" + std::to_string(++counter);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
               std::chrono::milliseconds step) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (true) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(step);
    }
}

// ---- Process ---------------------------------------------------------------

Process Process::Start(const std::vector<std::string>& argv, const std::string& stdoutPath,
                       const std::string& stderrPath, bool pipeStdout, bool closeInherited) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipeFds[2] = {-1, -1};
    if (pipeStdout) {
        if (pipe2(pipeFds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    } else if (!stdoutPath.empty()) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
    }
    if (!stderrPath.empty())
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
    if (closeInherited) posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    // Children start with the default dispositions whatever this process
    // inherited (a shell leaves SIGINT ignored for background commands).
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGTERM);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    Process p;
    const int rc = posix_spawnp(&p.pid_, args[0], &actions, &attr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    if (pipeStdout) close(pipeFds[1]);
    if (rc != 0) {
        if (pipeStdout) close(pipeFds[0]);
        throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(rc));
    }
    p.stdoutFd_ = pipeFds[0];
    return p;
}

Process::Process(Process&& other) noexcept { *this = std::move(other); }

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        this->~Process();
        pid_ = other.pid_;
        status_ = other.status_;
        stdoutFd_ = other.stdoutFd_;
        pending_ = std::move(other.pending_);
        other.pid_ = -1;
        other.stdoutFd_ = -1;
    }
    return *this;
}

Process::~Process() {
    if (pid_ > 0 && status_ < 0) {
        kill(pid_, SIGKILL);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    if (stdoutFd_ >= 0) close(stdoutFd_);
    pid_ = -1;
    stdoutFd_ = -1;
}

bool Process::Running() {
    if (pid_ <= 0 || status_ >= 0) return false;
    int status = 0;
    const pid_t r = waitpid(pid_, &status, WNOHANG);
    if (r == pid_) {
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return false;
    }
    return true;
}

std::optional<int> Process::Wait(std::chrono::milliseconds timeout) {
    if (pid_ <= 0) return std::nullopt;
    WaitUntil([&] { return !Running(); }, timeout, 5ms);
    if (status_ >= 0) return status_;
    return std::nullopt;
}

void Process::Signal(int signal) {
    if (Running()) kill(pid_, signal);
}

std::optional<int> Process::Stop(int signal, std::chrono::milliseconds timeout) {
    Signal(signal);
    std::optional<int> status = Wait(timeout);
    if (!status && Running()) {
        kill(pid_, SIGKILL);
        Wait(2s);
    }
    return status;
}

std::optional<std::string> Process::ReadLine(std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (true) {
        const std::size_t nl = pending_.find('\n');
        if (nl != std::string::npos) {
            std::string line = pending_.substr(0, nl);
            pending_.erase(0, nl + 1);
            return line;
        }
        if (stdoutFd_ < 0) return std::nullopt;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count();
        if (left <= 0) return std::nullopt;
        pollfd p{stdoutFd_, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left)) <= 0) continue;
        char buffer[4096];
        const ssize_t n = read(stdoutFd_, buffer, sizeof buffer);
        if (n <= 0) {
            close(stdoutFd_);
            stdoutFd_ = -1;
            if (pending_.empty()) return std::nullopt;
            std::string rest = std::move(pending_);
            pending_.clear();
            return rest;
        }
        pending_.append(buffer, static_cast<std::size_t>(n));
    }
}

std::string Process::ReadAll(std::chrono::milliseconds timeout) {
    std::string all;
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (auto line = ReadLine(std::chrono::duration_cast<std::chrono::milliseconds>(
               end - std::chrono::steady_clock::now()))) {
        all += *line + "\n";
    }
    return all;
}

Process StartInNamespace(const std::string& ns, std::vector<std::string> argv, const std::string& stdoutPath,
                         const std::string& stderrPath, bool pipeStdout) {
    argv.insert(argv.begin(), {"ip", "netns", "exec", ns});
    return Process::Start(argv, stdoutPath, stderrPath, pipeStdout);
}

// ---- Simulator, one-shot sender, capture -------------------------------------

std::string Simulator::Log() const { return ReadFile(logPath); }

Simulator StartSimulator(const LabDevice& device, std::vector<std::string> args) {
    Simulator sim;
    const std::string ready = ScratchPath("devsim-ready");
    sim.logPath = ScratchPath("devsim-log");
    args.insert(args.begin(), {BinaryPath("scoutrel-devsim"), "--ready-file", ready, "--verbose"});
    sim.process = StartInNamespace(device.ns, args, {}, sim.logPath);
    struct stat st {};
    if (!WaitUntil([&] { return stat(ready.c_str(), &st) == 0 || !sim.process.Running(); }, 5s) ||
        stat(ready.c_str(), &st) != 0)
        throw std::runtime_error("the device simulator did not start: " + sim.Log());
    return sim;
}

bool SendFromDevice(const LabDevice& device, const std::string& bytes, const std::string& to, int fromPort) {
    const std::string file = ScratchPath("raw");
    WriteFile(file, bytes);
    std::vector<std::string> args = {BinaryPath("scoutrel-devsim"), "--send-raw", file, "--to", to};
    if (fromPort) args.insert(args.end(), {"--from-port", std::to_string(fromPort)});
    Process p = StartInNamespace(device.ns, args);
    const std::optional<int> status = p.Wait(5s);
    return status && *status == 0;
}

namespace {

std::string FromHex(const std::string& hex) {
    std::string out;
    if (hex == "-") return out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return out;
}

std::vector<Datagram> ParseCapture(const std::string& text) {
    std::vector<Datagram> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        Datagram d;
        std::size_t length = 0;
        std::string hex;
        if (!(fields >> d.from >> d.fromPort >> d.to >> length >> hex)) continue;
        d.bytes = FromHex(hex);
        out.push_back(d);
    }
    return out;
}

}  // namespace

Capture::Capture(const LabDevice& device, int port, const std::string& group, double seconds) {
    outPath_ = ScratchPath("capture");
    const std::string ready = ScratchPath("capture-ready");
    std::vector<std::string> args = {BinaryPath("lab_listen"), "--port", std::to_string(port), "--timeout",
                                     std::to_string(seconds), "--ready-file", ready};
    if (!group.empty()) args.insert(args.end(), {"--group", group});
    process_ = StartInNamespace(device.ns, args, outPath_);
    struct stat st {};
    if (!WaitUntil([&] { return stat(ready.c_str(), &st) == 0 || !process_.Running(); }, 5s) ||
        stat(ready.c_str(), &st) != 0)
        throw std::runtime_error("the capture tool did not start on port " + std::to_string(port));
}

std::vector<Datagram> Capture::Finish() {
    process_.Stop(SIGTERM, 2s);
    return ParseCapture(ReadFile(outPath_));
}

std::vector<Datagram> Capture::Peek() const { return ParseCapture(ReadFile(outPath_)); }

// ---- UdpSocket -------------------------------------------------------------

UdpSocket::UdpSocket(const std::string& address, int port, bool reuse) {
    fd_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0) throw std::runtime_error("socket failed");
    const int one = 1;
    if (reuse) setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    setsockopt(fd_, SOL_SOCKET, SO_BROADCAST, &one, sizeof one);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    if (address.empty()) a.sin_addr.s_addr = htonl(INADDR_ANY);
    else inet_pton(AF_INET, address.c_str(), &a.sin_addr);
    if (bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        const std::string error = std::strerror(errno);
        close(fd_);
        fd_ = -1;
        throw std::runtime_error("bind " + address + ":" + std::to_string(port) + ": " + error);
    }
}

UdpSocket::~UdpSocket() {
    if (fd_ >= 0) close(fd_);
}

void UdpSocket::JoinGroup(const std::string& group) {
    ip_mreq join{};
    inet_pton(AF_INET, group.c_str(), &join.imr_multiaddr);
    if (setsockopt(fd_, IPPROTO_IP, IP_ADD_MEMBERSHIP, &join, sizeof join) != 0)
        throw std::runtime_error("join " + group + " failed");
}

void UdpSocket::SendTo(const std::string& bytes, const std::string& address, int port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    inet_pton(AF_INET, address.c_str(), &a.sin_addr);
    if (sendto(fd_, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr*>(&a), sizeof a) < 0)
        throw std::runtime_error("send to " + address + " failed: " + std::strerror(errno));
}

std::optional<Datagram> UdpSocket::Receive(std::chrono::milliseconds timeout) {
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(timeout.count())) <= 0) return std::nullopt;
    char buffer[65536];
    sockaddr_in from{};
    socklen_t length = sizeof from;
    const ssize_t n = recvfrom(fd_, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &length);
    if (n < 0) return std::nullopt;
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &from.sin_addr, text, sizeof text);
    return Datagram{text, ntohs(from.sin_port), "", std::string(buffer, static_cast<std::size_t>(n))};
}

int UdpSocket::LocalPort() const {
    sockaddr_in a{};
    socklen_t length = sizeof a;
    getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &length);
    return ntohs(a.sin_port);
}

int ThreadCount() {
    int n = 0;
    if (DIR* d = opendir("/proc/self/task")) {
        while (dirent* e = readdir(d))
            if (e->d_name[0] != '.') ++n;
        closedir(d);
    }
    return n;
}

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
        out += ' ';
    }
    return out;
}

}  // namespace lab
