#include "app/ProcessLauncher.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "app/UniqueFd.h"

extern char** environ;

namespace {

// The attributes and file actions of posix_spawn, destroyed on every path.
class SpawnSetup {
public:
    SpawnSetup() {
        okAttr_ = posix_spawnattr_init(&attr_) == 0;
        okActions_ = posix_spawn_file_actions_init(&actions_) == 0;
    }
    ~SpawnSetup() {
        if (okActions_) posix_spawn_file_actions_destroy(&actions_);
        if (okAttr_) posix_spawnattr_destroy(&attr_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    // A new session, so that a browser or file manager started from here
    // outlives a terminal that is closed; an empty signal mask and default
    // handling of the signals a network program commonly ignores.
    bool PrepareAttributes() {
        if (!okAttr_ || !okActions_) return false;
        sigset_t none;
        sigset_t defaults;
        sigemptyset(&none);
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGPIPE);
        sigaddset(&defaults, SIGCHLD);
        sigaddset(&defaults, SIGINT);
        sigaddset(&defaults, SIGTERM);
        sigaddset(&defaults, SIGHUP);
        return posix_spawnattr_setsigmask(&attr_, &none) == 0 &&
               posix_spawnattr_setsigdefault(&attr_, &defaults) == 0 &&
               posix_spawnattr_setflags(
                   &attr_, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF) == 0;
    }

    // Standard input and error on /dev/null; standard output on the given
    // descriptor, or /dev/null when there is none; every other descriptor
    // closed in the child.
    bool PrepareDescriptors(int stdoutFd) {
        if (posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0) != 0) return false;
        if (stdoutFd >= 0) {
            if (posix_spawn_file_actions_adddup2(&actions_, stdoutFd, 1) != 0) return false;
        } else if (posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0) != 0) {
            return false;
        }
        if (posix_spawn_file_actions_addopen(&actions_, 2, "/dev/null", O_WRONLY, 0) != 0) return false;
        return posix_spawn_file_actions_addclosefrom_np(&actions_, 3) == 0;
    }

    std::optional<pid_t> Spawn(const std::vector<std::string>& argv) {
        std::vector<char*> args;
        args.reserve(argv.size() + 1);
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        pid_t pid = -1;
        if (posix_spawnp(&pid, args[0], &actions_, &attr_, args.data(), environ) != 0) return std::nullopt;
        return pid;
    }

private:
    posix_spawnattr_t attr_{};
    posix_spawn_file_actions_t actions_{};
    bool okAttr_ = false;
    bool okActions_ = false;
};

std::optional<pid_t> Start(const std::vector<std::string>& argv, int stdoutFd) {
    if (argv.empty() || argv[0].empty()) return std::nullopt;
    SpawnSetup setup;
    if (!setup.PrepareAttributes() || !setup.PrepareDescriptors(stdoutFd)) return std::nullopt;
    return setup.Spawn(argv);
}

}  // namespace

std::optional<pid_t> StartProcess(const std::vector<std::string>& argv) {
    return Start(argv, -1);
}

std::optional<int> WaitForProcess(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return std::nullopt;
    }
    return status;
}

void ReapInBackground(pid_t pid) {
    try {
        std::thread([pid] { WaitForProcess(pid); }).detach();
    } catch (const std::system_error&) {
        // No thread to spare: the child stays a zombie until this process ends.
    }
}

std::optional<std::string> RunAndCapture(const std::vector<std::string>& argv,
                                         std::chrono::milliseconds timeout, std::size_t maxBytes) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return std::nullopt;
    UniqueFd readEnd(fds[0]);
    UniqueFd writeEnd(fds[1]);
    const std::optional<pid_t> pid = Start(argv, writeEnd.get());
    writeEnd.reset();
    if (!pid) return std::nullopt;

    std::string output;
    bool complete = false;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd p{readEnd.get(), POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) break;
        char buffer[4096];
        const ssize_t n = read(readEnd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            complete = n == 0;
            break;
        }
        if (output.size() + static_cast<std::size_t>(n) > maxBytes) break;
        output.append(buffer, static_cast<std::size_t>(n));
    }
    if (!complete) kill(*pid, SIGKILL);
    const std::optional<int> status = WaitForProcess(*pid);
    if (!complete || !status) return std::nullopt;
    return output;
}
