#pragma once
// A host without a display, for tests and off-screen work. Its clock stands
// still until Advance() moves it; input comes from the Host input calls;
// a modal loop takes its next input from the script (Then()) and ends
// (with the result -1) when the script is used up and nothing is due.
#include <deque>
#include <functional>
#include <string>

#include "platform/Host.h"

namespace platform {

class HeadlessHost : public Host {
public:
    HeadlessHost() = default;

    std::uint64_t NowMs() const override { return now_; }
    // Moves the clock forward, stopping at every timer and hover deadline on
    // the way so each is delivered at its time, and handling what is due.
    void Advance(std::uint64_t ms);
    // Handles everything pending without moving the clock.
    void Pump();
    // An action a modal loop performs when it would otherwise wait.
    void Then(std::function<void()> action) { script_.push_back(std::move(action)); }

    // Convenience input: press and release of the left button at a point.
    void Click(Point screen);
    void MoveTo(Point screen) { PointerMove(screen); }

    void ShowMessageBox(Window* owner, const std::string& caption, const std::string& text) override;
    struct MessageBoxRecord {
        std::string caption;
        std::string text;
    };
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return messageBoxes_; }

protected:
    bool WaitForInput(std::optional<std::uint64_t> timeoutMs) override;

private:
    std::uint64_t now_ = 1000;
    std::deque<std::function<void()>> script_;
    std::vector<MessageBoxRecord> messageBoxes_;
};

}  // namespace platform
