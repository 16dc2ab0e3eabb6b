#include "platform/HeadlessHost.h"

#include "platform/Window.h"

namespace platform {

void HeadlessHost::Advance(std::uint64_t ms) {
    std::uint64_t target = now_ + ms;
    ProcessPending();
    for (;;) {
        auto next = MsUntilNextDeadline();
        if (!next || now_ + *next > target) break;
        now_ += *next;
        if (!ProcessPending() && *next == 0) break;
    }
    now_ = target;
    ProcessPending();
}

void HeadlessHost::Pump() {
    for (int round = 0; round < 1000; ++round)
        if (!ProcessPending()) break;
}

void HeadlessHost::Click(Point screen) {
    PointerMove(screen);
    PointerButton(MouseButton::Left, true, screen);
    PointerButton(MouseButton::Left, false, screen);
    Pump();
}

void HeadlessHost::ShowMessageBox(Window* owner, const std::string& caption, const std::string& text) {
    (void)owner;
    messageBoxes_.push_back({caption, text});
}

bool HeadlessHost::WaitForInput(std::optional<std::uint64_t> timeoutMs) {
    if (!script_.empty()) {
        auto action = std::move(script_.front());
        script_.pop_front();
        action();
        return true;
    }
    if (timeoutMs) {
        Advance(*timeoutMs);
        return true;
    }
    return false;
}

}  // namespace platform
