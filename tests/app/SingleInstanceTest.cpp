#include <gtest/gtest.h>

#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>

#include "app/ProcessLauncher.h"
#include "app/SingleInstance.h"
#include "app/UniqueFd.h"

namespace {

using Outcome = SingleInstanceLock::Outcome;
using namespace std::chrono_literals;

// A name of its own for every test, so that tests running side by side, or a
// real copy of the program, never meet.
std::string UniqueName() {
    static std::atomic<int> counter{0};
    return "scoutrel-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
}

// Counts the raise requests that reach the running copy.
class RaiseCounter {
public:
    std::function<void()> Callback() {
        return [this] {
            const std::lock_guard<std::mutex> guard(lock_);
            ++count_;
            changed_.notify_all();
        };
    }
    bool WaitFor(int count, std::chrono::milliseconds timeout = 5s) {
        std::unique_lock<std::mutex> guard(lock_);
        return changed_.wait_for(guard, timeout, [&] { return count_ >= count; });
    }
    int count() {
        const std::lock_guard<std::mutex> guard(lock_);
        return count_;
    }

private:
    std::mutex lock_;
    std::condition_variable changed_;
    int count_ = 0;
};

// Runs Acquire in a child process, as a second copy of the program would,
// and gives the child's exit code: 0 when it was told another copy runs.
int AcquireInChildProcess(const std::string& name) {
    const pid_t child = fork();
    if (child == 0) {
        Outcome outcome = Outcome::kUnavailable;
        const auto lock = SingleInstanceLock::Acquire(outcome, name);
        _exit(outcome == Outcome::kAnotherCopyRuns && lock == nullptr ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

TEST(SingleInstance, SecondCopyRaisesTheFirstAndEnds) {
    const std::string name = UniqueName();
    Outcome outcome = Outcome::kUnavailable;
    auto first = SingleInstanceLock::Acquire(outcome, name);
    ASSERT_EQ(outcome, Outcome::kFirstCopy);
    ASSERT_NE(first, nullptr);
    RaiseCounter raises;
    first->StartListening(raises.Callback());

    EXPECT_EQ(AcquireInChildProcess(name), 0);
    EXPECT_TRUE(raises.WaitFor(1));
    EXPECT_EQ(AcquireInChildProcess(name), 0);
    EXPECT_TRUE(raises.WaitFor(2));

    // Once the first copy is gone, the name is free for the next start.
    first.reset();
    auto next = SingleInstanceLock::Acquire(outcome, name);
    EXPECT_EQ(outcome, Outcome::kFirstCopy);
    EXPECT_NE(next, nullptr);
}

TEST(SingleInstance, RaiseSentBeforeListeningIsDeliveredWhenListeningStarts) {
    const std::string name = UniqueName();
    Outcome outcome = Outcome::kUnavailable;
    auto first = SingleInstanceLock::Acquire(outcome, name);
    ASSERT_EQ(outcome, Outcome::kFirstCopy);
    Outcome second = Outcome::kUnavailable;
    EXPECT_EQ(SingleInstanceLock::Acquire(second, name), nullptr);
    EXPECT_EQ(second, Outcome::kAnotherCopyRuns);
    RaiseCounter raises;
    first->StartListening(raises.Callback());
    EXPECT_TRUE(raises.WaitFor(1));
}

// Connects to the lock's socket directly, as some other program might.
UniqueFd ConnectRaw(const std::string& name) {
    UniqueFd fd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    if (connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), length) != 0) fd.reset();
    return fd;
}

TEST(SingleInstance, OtherMessagesAndSilentPeersRaiseNothing) {
    const std::string name = UniqueName();
    Outcome outcome = Outcome::kUnavailable;
    auto first = SingleInstanceLock::Acquire(outcome, name);
    ASSERT_EQ(outcome, Outcome::kFirstCopy);
    RaiseCounter raises;
    first->StartListening(raises.Callback());

    const UniqueFd silent = ConnectRaw(name);
    ASSERT_TRUE(silent.valid());
    {
        const UniqueFd wrong = ConnectRaw(name);
        ASSERT_TRUE(wrong.valid());
        const std::uint32_t other = kRaiseMainWindowMessage + 1;
        ASSERT_EQ(send(wrong.get(), &other, sizeof other, MSG_NOSIGNAL), static_cast<ssize_t>(sizeof other));
    }
    {
        const UniqueFd cut = ConnectRaw(name);
        ASSERT_TRUE(cut.valid());
        ASSERT_EQ(send(cut.get(), "\x64", 1, MSG_NOSIGNAL), 1);
    }
    // The silent peer holds the listener only until its read times out; the
    // real request behind it still arrives, and it is the only one counted.
    EXPECT_EQ(AcquireInChildProcess(name), 0);
    EXPECT_TRUE(raises.WaitFor(1));
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(raises.count(), 1);
}

// A copy that holds the lock and has started a long-running program (as the
// actions start a browser) is killed; the program it started keeps running.
// Neither the dead copy nor that program may keep the name from a new start.
TEST(SingleInstance, KilledCopyLeavesNoStaleLock) {
    const std::string name = UniqueName();
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t holder = fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        close(ready[0]);
        Outcome outcome = Outcome::kUnavailable;
        const auto lock = SingleInstanceLock::Acquire(outcome, name);
        const std::optional<pid_t> started = StartProcess({"sleep", "30"});
        const pid_t report = (outcome == Outcome::kFirstCopy && started) ? *started : -1;
        if (write(ready[1], &report, sizeof report) != sizeof report) _exit(1);
        pause();
        _exit(0);
    }
    close(ready[1]);
    pid_t sleeper = -1;
    const ssize_t got = read(ready[0], &sleeper, sizeof sleeper);
    close(ready[0]);
    ASSERT_EQ(got, static_cast<ssize_t>(sizeof sleeper));
    ASSERT_GT(sleeper, 0) << "the child could not take the lock";

    // While the holder lives, a new start is a second copy.
    Outcome outcome = Outcome::kUnavailable;
    EXPECT_EQ(SingleInstanceLock::Acquire(outcome, name), nullptr);
    EXPECT_EQ(outcome, Outcome::kAnotherCopyRuns);

    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    ASSERT_EQ(kill(sleeper, 0), 0) << "the started program should still run";

    auto fresh = SingleInstanceLock::Acquire(outcome, name);
    EXPECT_EQ(outcome, Outcome::kFirstCopy);
    EXPECT_NE(fresh, nullptr);
    kill(sleeper, SIGKILL);
}

}  // namespace
