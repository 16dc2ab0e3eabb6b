#pragma once
// The display host of the program with one addition: a request to raise the
// main window can come from another thread (the single-instance listener).
// That thread only sets a flag and wakes the loop; the loop posts the raise
// message to the window on the user-interface thread.
#include <atomic>
#include <cstdint>

#include "platform/SdlHost.h"
#include "platform/WindowRef.h"

class CScoutrelHost : public platform::SdlHost {
public:
    CScoutrelHost();

    // The window that gets the raise message (WM_RAISE_MAIN_WINDOW).
    void SetRaiseTarget(platform::WindowRef window) { raiseTarget_ = window; }
    // Any thread: ask for the raise message and wake the loop.
    void RequestRaise();

protected:
    bool WaitForInput(std::optional<std::uint64_t> timeoutMs) override;

private:
    std::atomic<bool> raiseRequested_{false};
    std::uint32_t wakeEventType_ = 0;
    platform::WindowRef raiseTarget_;
};
