#pragma once
// A weak reference to a window: it reads null once the window object is
// gone. Posted messages, timers, capture and hover bookkeeping hold windows
// this way, and a handler that may destroy its own window checks it before
// touching the window again.
#include <memory>

namespace platform {

class Window;

class WindowRef {
public:
    WindowRef() = default;
    explicit WindowRef(std::shared_ptr<Window*> token) : token_(std::move(token)) {}
    Window* Get() const {
        auto token = token_.lock();
        return token ? *token : nullptr;
    }
    explicit operator bool() const { return Get() != nullptr; }
    bool operator==(const WindowRef& other) const { return Get() == other.Get(); }

private:
    std::weak_ptr<Window*> token_;
};

}  // namespace platform
