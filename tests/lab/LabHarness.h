#pragma once
// The C++ side of the network lab. A lab test is a GoogleTest program that
// tests/lab/netlab.sh runs inside the computer's namespace of a fresh lab
// (see tests/lab/CMakeLists.txt); this header reads the lab's description,
// starts the device simulator and the capture tool in device namespaces, and
// offers plain UDP sockets and waiting helpers.
#include <sys/types.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lab {

using namespace std::chrono_literals;

struct LabDevice {
    int number = 0;                 // 1-based, as in LAB_DEVICE_<I>_*
    std::string ns;                 // its network namespace
    std::string ip;                 // its first address
    std::vector<std::string> ips;   // all its addresses
    int net = 1;                    // 1: the computer's first network, 2: the second
};

struct Lab {
    std::string id;
    std::string dir;                // scratch folder, removed with the lab
    std::string computerNs;
    std::string computerIp;
    std::string computerIp2;        // empty without a second interface
    std::vector<LabDevice> devices;

    const LabDevice& Device(int number) const { return devices.at(static_cast<std::size_t>(number - 1)); }
};

// The lab this process runs in, read from the LAB_* variables. Throws
// std::runtime_error with an explanation when the process was not started
// through netlab.sh, or runs outside the lab's computer namespace (so that
// the engine never runs on the host's own network).
const Lab& CurrentLab();

// build/bin/NAME.
std::string BinaryPath(const std::string& name);
// A fresh path in the lab's scratch folder (nothing is created there).
std::string ScratchPath(const std::string& stem);
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// Waits until `condition` holds or the time is up; returns the last result.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
               std::chrono::milliseconds step = 10ms);

// A child process. The destructor kills one that is still running.
class Process {
public:
    Process() = default;
    // Starts argv[0] (searched in PATH) with stdout and stderr sent to the
    // given files (empty: inherited). With `pipeStdout` its stdout is a pipe
    // read through ReadLine. The child gets only its standard streams:
    // descriptors this process holds are closed in it unless
    // `closeInherited` is false.
    static Process Start(const std::vector<std::string>& argv, const std::string& stdoutPath = {},
                         const std::string& stderrPath = {}, bool pipeStdout = false, bool closeInherited = true);
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    pid_t Pid() const { return pid_; }
    bool Running();
    // Exit status (128 + signal number when killed); nothing on time-out.
    std::optional<int> Wait(std::chrono::milliseconds timeout);
    void Signal(int signal);
    // Sends `signal`, waits, and kills it when it does not end in time.
    std::optional<int> Stop(int signal = SIGTERM, std::chrono::milliseconds timeout = 3s);
    // One line of the piped stdout, without its line end; nothing on
    // time-out or at the end of the output.
    std::optional<std::string> ReadLine(std::chrono::milliseconds timeout);
    // Everything left on the piped stdout until it closes (or the time is up).
    std::string ReadAll(std::chrono::milliseconds timeout);

private:
    pid_t pid_ = -1;
    int status_ = -1;
    int stdoutFd_ = -1;
    std::string pending_;
};

// Starts a command in a namespace of the lab (`ip netns exec`).
Process StartInNamespace(const std::string& ns, std::vector<std::string> argv, const std::string& stdoutPath = {},
                         const std::string& stderrPath = {}, bool pipeStdout = false);

// The device simulator in a device's namespace, started with `args` and
// waited for until its sockets are ready. Its stderr goes to a file of the
// scratch folder, shown by SimulatorLog.
struct Simulator {
    Process process;
    std::string logPath;
    std::string Log() const;
    // SIGTERM: the simulator says byebye and ends.
    std::optional<int> Stop() { return process.Stop(SIGTERM, 3s); }
};
Simulator StartSimulator(const LabDevice& device, std::vector<std::string> args);

// Sends `bytes` as one datagram from a device's namespace (the simulator's
// one-shot mode); true when it was sent.
bool SendFromDevice(const LabDevice& device, const std::string& bytes, const std::string& to, int fromPort = 0);

struct Datagram {
    std::string from;
    int fromPort = 0;
    std::string to;      // destination address of the IP header
    std::string bytes;
};

// The capture tool listening on a port in a device's namespace (joining
// `group` when it is given), for `seconds` at most.
class Capture {
public:
    Capture(const LabDevice& device, int port, const std::string& group = {}, double seconds = 10);
    // Stops listening and returns every datagram received so far.
    std::vector<Datagram> Finish();
    // The datagrams received so far, without stopping.
    std::vector<Datagram> Peek() const;

private:
    Process process_;
    std::string outPath_;
};

// A plain UDP socket of the test process (in the computer's namespace).
class UdpSocket {
public:
    // Binds to ADDRESS:PORT (empty address: any); throws on failure.
    UdpSocket(const std::string& address, int port, bool reuse = true);
    ~UdpSocket();
    UdpSocket(const UdpSocket&) = delete;
    UdpSocket& operator=(const UdpSocket&) = delete;

    void JoinGroup(const std::string& group);
    void SendTo(const std::string& bytes, const std::string& address, int port);
    std::optional<Datagram> Receive(std::chrono::milliseconds timeout);
    int Fd() const { return fd_; }
    int LocalPort() const;

private:
    int fd_ = -1;
};

// The threads of this process right now (entries of /proc/self/task).
int ThreadCount();

// Hex of bytes, for messages.
std::string Hex(const std::string& bytes);

}  // namespace lab
