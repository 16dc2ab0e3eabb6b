#pragma once
// One running copy of the program per machine (per network namespace, in
// fact). An abstract-namespace Unix socket named after the instance name,
// "Zelvo Roamvera", is both the lock and the channel: the copy that binds it
// is the running one and listens on it; a later copy fails to bind, connects,
// sends the raise message (1124) and ends. Abstract sockets need no file and
// vanish with the process that holds them, so a copy that crashed leaves no
// stale lock behind.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <thread>

#include "app/UniqueFd.h"

// The message a second copy sends: it asks the running copy to bring its
// main window to the front. Sent as these four bytes in host order.
inline constexpr std::uint32_t kRaiseMainWindowMessage = 1124;

// The instance name: SCOUTREL_INSTANCE_NAME when set (tests, lab runs side by
// side), else "Zelvo Roamvera".
std::string SingleInstanceName();

class SingleInstanceLock {
public:
    enum class Outcome {
        kFirstCopy,        // this copy holds the lock
        kAnotherCopyRuns,  // another copy holds it and was sent the raise message
        kUnavailable,      // no socket could be made, or the holder could not be reached
    };

    // Takes the lock, or, when another copy holds it, sends that copy the
    // raise message. Only the first copy gets a lock object back.
    static std::unique_ptr<SingleInstanceLock> Acquire(Outcome& outcome,
                                                       const std::string& name = SingleInstanceName());

    // Starts the listener thread. The callback runs on that thread, once per
    // raise message received; it must only hand the request on (post message
    // 1124 to the main window), not touch the window itself. Messages sent
    // before this call wait in the socket's queue and are delivered then.
    // Typical use at start-up:
    //   auto lock = SingleInstanceLock::Acquire(outcome);
    //   if (!lock) return 0;          // another copy was raised, or no lock
    //   ... create the main window ...
    //   lock->StartListening([&] { PostToMainWindow(1124); });
    //   ... run the window; the lock goes after the window is gone ...
    void StartListening(std::function<void()> onRaise);

    // Stops the listener and closes the socket, which frees the name.
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

private:
    SingleInstanceLock(UniqueFd listener, UniqueFd stopEvent);
    void Listen();

    UniqueFd listener_;
    UniqueFd stopEvent_;
    std::function<void()> onRaise_;
    std::thread thread_;
};
