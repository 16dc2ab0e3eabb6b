#pragma once
// The host runs the message loop of the user-interface thread: the queue of
// posted messages, window timers, hover and leave tracking, the routing of
// pointer and key input to windows (hit-testing, capture, double-clicks,
// caption drags), the painting of invalid windows into their back stores,
// and modal loops. What it shows on, and where its clock and input come
// from, is the business of a backend: SdlHost shows one native window per
// top-level window; HeadlessHost has no display, a clock tests advance by
// hand and input tests synthesise.
//
// Exactly one host is current on the thread at a time: constructing one
// makes it current, destroying it restores the previous one. Windows made
// while no host exists get a process-wide headless host.
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Geometry.h"
#include "platform/Messages.h"
#include "platform/WindowRef.h"

namespace platform {

class Window;
class Picture;

enum class MouseButton { Left, Right };

class Host {
public:
    Host();
    virtual ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    static Host& Current();

    // Milliseconds of a monotonic clock.
    virtual std::uint64_t NowMs() const = 0;

    // --- Input, in screen coordinates (backends and tests call these) ------
    void PointerMove(Point screen, std::uint32_t keyFlags = 0);
    void PointerButton(MouseButton button, bool down, Point screen, std::uint32_t keyFlags = 0);
    void PointerWheel(int delta, Point screen, std::uint32_t keyFlags = 0);
    // The pointer left every window of this program.
    void PointerLeft();
    void KeyDown(int key, std::uint32_t keyFlags = 0);
    Point PointerPosition() const { return pointer_; }

    // --- The loop -------------------------------------------------------------
    // Handles what is due now: posted messages queued so far, due timers,
    // due hover messages; then paints and presents invalid windows.
    // Returns whether any message was handled.
    bool ProcessPending();
    // Runs a modal loop until *ended is true (or the window is gone).
    void RunModalLoop(const WindowRef& window, const bool* ended);
    // Milliseconds until the next timer or hover message, if any.
    std::optional<std::uint64_t> MsUntilNextDeadline() const;
    // Paints every invalid window of every top-level window and presents it.
    void FlushPainting();
    void PaintTopLevel(Window& topLevel);

    // --- Message box ------------------------------------------------------------
    // Shows a text with a caption and an OK button; returns when dismissed.
    virtual void ShowMessageBox(Window* owner, const std::string& caption, const std::string& text) = 0;

    // --- What windows tell the host (backends override what they show) -------
    virtual void TopLevelCreated(Window& window);
    virtual void TopLevelDestroyed(Window& window);
    virtual void TopLevelShown(Window& window, bool shown) { (void)window, (void)shown; }
    virtual void TopLevelMoved(Window& window) { (void)window; }
    virtual void TopLevelRegionChanged(Window& window) { (void)window; }
    virtual void TopLevelTitleChanged(Window& window) { (void)window; }
    virtual void TopLevelIconChanged(Window& window, const Picture* icon) { (void)window, (void)icon; }
    virtual void TopLevelRaised(Window& window);
    // Shows the freshly painted back store of a top-level window.
    virtual void Present(Window& window) { (void)window; }
    // A caption press: the window follows the pointer until the left
    // button is released.
    virtual void BeginWindowDrag(Window& window);

    // Top-level windows, back to front.
    const std::vector<Window*>& TopLevels() const { return topLevels_; }

    // --- Window bookkeeping (called by Window) -----------------------------------
    void PostMessage(Window& window, const Message& message);
    void SetTimer(Window& window, std::uintptr_t id, int periodMs);
    void KillTimer(Window& window, std::uintptr_t id);
    bool TrackMouse(Window& window, std::uint32_t flags, int hoverMs);
    void SetCapture(Window* window);
    Window* Capture() const { return capture_.Get(); }
    void SetFocus(Window* window);
    Window* Focus() const { return focus_.Get(); }
    void WindowDestroyed(Window& window);
    void ScheduleDelete(std::unique_ptr<Window> window);
    void NotePaintNeeded() { paintPending_ = true; }
    // Observers see every mouse message the host routes to a window, before
    // the window handles it, and hear when the pointer leaves a window.
    struct InputObserver {
        virtual ~InputObserver() = default;
        virtual void ObserveInput(Window& target, const Message& message) = 0;
        virtual void ObservePointerLeft(Window& window) = 0;
    };
    void AddInputObserver(InputObserver* observer);
    void RemoveInputObserver(InputObserver* observer);

    // Pointer rest needed before hover, and time and distance of a double-click.
    static constexpr int kHoverSlop = 2;
    static constexpr std::uint64_t kDoubleClickMs = 500;
    static constexpr int kDoubleClickSlop = 4;

protected:
    // Blocks until input arrives or timeoutMs passes (no timeout: until input).
    // Returns false when no input can ever come (the modal loop then ends).
    virtual bool WaitForInput(std::optional<std::uint64_t> timeoutMs) = 0;
    // The window of this program under a screen point, deepest child first.
    Window* WindowAt(Point screen) const;
    // A caption drag is under way.
    bool IsDragging() const { return static_cast<bool>(drag_); }
    // The window under the pointer at the last input.
    Window* HotWindow() const { return hot_.Get(); }

private:
    struct Timer {
        WindowRef window;
        std::uintptr_t id;
        std::uint64_t period;
        std::uint64_t due;
    };
    struct Tracking {
        WindowRef window;
        std::uint32_t flags;
        std::uint64_t hoverMs;
        Point anchor;  // screen
        std::uint64_t hoverDue;
    };
    void RouteMouse(MessageId id, Window* target, Point screen, std::uint32_t flags);
    void UpdateHot(Window* now);
    bool DeliverDueTimers();
    bool DeliverDueHovers();
    void CollectGarbage();

    Host* previous_ = nullptr;
    std::vector<Window*> topLevels_;
    struct Posted {
        WindowRef window;
        Message message;
    };
    std::deque<Posted> posted_;
    std::vector<Timer> timers_;
    std::vector<Tracking> tracking_;
    std::vector<InputObserver*> observers_;
    std::vector<std::unique_ptr<Window>> graveyard_;
    WindowRef capture_;
    WindowRef focus_;
    WindowRef hot_;
    Point pointer_{-100000, -100000};
    std::uint32_t buttons_ = 0;
    // Double-click detection.
    WindowRef lastClickWindow_;
    std::uint64_t lastClickTime_ = 0;
    Point lastClickPoint_;
    bool lastClickWasDouble_ = false;
    // Caption drag.
    WindowRef drag_;
    Point dragPointerStart_;
    Point dragWindowStart_;
    bool paintPending_ = false;
    int dispatchDepth_ = 0;
    friend class Window;
};

}  // namespace platform
