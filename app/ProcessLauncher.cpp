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
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return std::nullopt;
    UniqueFd readEnd(fds[0]);
    UniqueFd writeEnd(fds[1]);
    // The child's end must block like any ordinary standard output.
    if (fcntl(writeEnd.get(), F_SETFL, 0) != 0) return std::nullopt;
    const std::optional<pid_t> pid = Start(argv, writeEnd.get());
    writeEnd.reset();
    if (!pid) return std::nullopt;

    // The output is complete at the end of the pipe, or once the program has
    // ended and what it left in the pipe is read: a helper it started in the
    // background may hold the pipe open long after.
    std::string output;
    bool complete = false;
    bool overflow = false;
    std::optional<int> status;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!complete && !overflow && std::chrono::steady_clock::now() < deadline) {
        pollfd p{readEnd.get(), POLLIN, 0};
        if (poll(&p, 1, 20) < 0 && errno != EINTR) break;
        bool ended = false;
        if (!status) {
            int raw = 0;
            if (waitpid(*pid, &raw, WNOHANG) == *pid) {
                status = raw;
                ended = true;
            }
        }
        while (true) {
            char buffer[4096];
            const ssize_t n = read(readEnd.get(), buffer, sizeof buffer);
            if (n > 0) {
                if (output.size() + static_cast<std::size_t>(n) > maxBytes) {
                    overflow = true;
                    break;
                }
                output.append(buffer, static_cast<std::size_t>(n));
                continue;
            }
            if (n < 0 && errno == EINTR) continue;
            if (n == 0 || ended) complete = true;
            break;
        }
    }
    // A program that closed its output but goes on is given what is left of
    // the time, then ended.
    while (!status && std::chrono::steady_clock::now() < deadline) {
        int raw = 0;
        if (waitpid(*pid, &raw, WNOHANG) == *pid) {
            status = raw;
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    if (!status) {
        kill(*pid, SIGKILL);
        WaitForProcess(*pid);
    }
    if (!complete || overflow) return std::nullopt;
    return output;
}
