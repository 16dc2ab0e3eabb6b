#include "app/SingleInstance.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <system_error>

namespace {

// A peer that connects and then says nothing must not hold the listener.
constexpr int kReadTimeoutMs = 1000;
// A second copy may find the name bound by a copy that has not started to
// listen yet, or held by one that is just ending; it tries again for a while.
constexpr int kAttempts = 20;
constexpr auto kAttemptPause = std::chrono::milliseconds(25);

struct AbstractAddress {
    sockaddr_un address{};
    socklen_t length = 0;
};

// The name goes after a leading zero byte, without a terminating one.
std::optional<AbstractAddress> MakeAddress(const std::string& name) {
    AbstractAddress result;
    result.address.sun_family = AF_UNIX;
    if (name.empty() || name.size() > sizeof(result.address.sun_path) - 1) return std::nullopt;
    result.address.sun_path[0] = '\0';
    std::memcpy(result.address.sun_path + 1, name.data(), name.size());
    result.length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    return result;
}

UniqueFd NewSocket() {
    return UniqueFd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
}

bool WriteAll(int fd, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = send(fd, bytes, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Reads exactly size bytes, waiting at most kReadTimeoutMs for each part.
bool ReadAll(int fd, void* data, std::size_t size) {
    auto* bytes = static_cast<char*>(data);
    while (size > 0) {
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, kReadTimeoutMs);
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return false;
        const ssize_t n = recv(fd, bytes, size, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool SendRaise(const AbstractAddress& address) {
    const UniqueFd client = NewSocket();
    if (!client.valid()) return false;
    if (connect(client.get(), reinterpret_cast<const sockaddr*>(&address.address), address.length) != 0) {
        return false;
    }
    const std::uint32_t message = kRaiseMainWindowMessage;
    return WriteAll(client.get(), &message, sizeof message);
}

}  // namespace

std::string SingleInstanceName() {
    const char* name = secure_getenv("SCOUTREL_INSTANCE_NAME");
    return (name != nullptr && name[0] != '\0') ? std::string(name) : std::string("Zelvo Roamvera");
}

std::unique_ptr<SingleInstanceLock> SingleInstanceLock::Acquire(Outcome& outcome, const std::string& name) {
    outcome = Outcome::kUnavailable;
    const std::optional<AbstractAddress> address = MakeAddress(name);
    if (!address) return nullptr;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(kAttemptPause);
        UniqueFd listener = NewSocket();
        if (!listener.valid()) return nullptr;
        if (bind(listener.get(), reinterpret_cast<const sockaddr*>(&address->address), address->length) ==
            0) {
            UniqueFd stopEvent(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
            if (listen(listener.get(), 16) != 0 || !stopEvent.valid()) return nullptr;
            outcome = Outcome::kFirstCopy;
            return std::unique_ptr<SingleInstanceLock>(
                new SingleInstanceLock(std::move(listener), std::move(stopEvent)));
        }
        if (errno != EADDRINUSE) return nullptr;
        if (SendRaise(*address)) {
            outcome = Outcome::kAnotherCopyRuns;
            return nullptr;
        }
    }
    return nullptr;
}

SingleInstanceLock::SingleInstanceLock(UniqueFd listener, UniqueFd stopEvent)
    : listener_(std::move(listener)), stopEvent_(std::move(stopEvent)) {}

void SingleInstanceLock::StartListening(std::function<void()> onRaise) {
    if (thread_.joinable()) return;
    onRaise_ = std::move(onRaise);
    try {
        thread_ = std::thread(&SingleInstanceLock::Listen, this);
    } catch (const std::system_error&) {
        // Without a thread the lock still holds; later copies then end
        // without this window coming to the front.
    }
}

SingleInstanceLock::~SingleInstanceLock() {
    if (thread_.joinable()) {
        const std::uint64_t one = 1;
        // The event counter cannot overflow from one write; the result needs no check.
        [[maybe_unused]] const ssize_t written = write(stopEvent_.get(), &one, sizeof one);
        thread_.join();
    }
}

void SingleInstanceLock::Listen() {
    while (true) {
        pollfd waits[2] = {{listener_.get(), POLLIN, 0}, {stopEvent_.get(), POLLIN, 0}};
        const int ready = poll(waits, 2, -1);
        if (ready < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (waits[1].revents != 0) return;
        if ((waits[0].revents & POLLIN) == 0) continue;
        const UniqueFd peer(accept4(listener_.get(), nullptr, nullptr, SOCK_CLOEXEC));
        if (!peer.valid()) {
            // Out of descriptors, for instance: wait a little rather than spin.
            if (errno != EINTR && errno != ECONNABORTED) std::this_thread::sleep_for(kAttemptPause);
            continue;
        }
        std::uint32_t message = 0;
        if (ReadAll(peer.get(), &message, sizeof message) && message == kRaiseMainWindowMessage && onRaise_) {
            try {
                onRaise_();
            } catch (...) {
                // A failing request must not end the listener, nor the program.
            }
        }
    }
}
