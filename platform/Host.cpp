#include "platform/Host.h"

#include <algorithm>
#include <cairo.h>

#include "platform/HeadlessHost.h"
#include "platform/Window.h"

namespace platform {

namespace {
Host* g_current = nullptr;

int Distance(Point a, Point b) { return std::max(std::abs(a.x - b.x), std::abs(a.y - b.y)); }
}  // namespace

Host::Host() : previous_(g_current) { g_current = this; }

Host::~Host() {
    graveyard_.clear();
    if (g_current == this) g_current = previous_;
}

Host& Host::Current() {
    if (!g_current) {
        // Windows made before any host exists live in a headless one.
        static HeadlessHost* fallback = new HeadlessHost();
        g_current = fallback;
    }
    return *g_current;
}

// --- Top-level windows ---------------------------------------------------------

void Host::TopLevelCreated(Window& window) { topLevels_.push_back(&window); }

void Host::TopLevelDestroyed(Window& window) {
    topLevels_.erase(std::remove(topLevels_.begin(), topLevels_.end(), &window), topLevels_.end());
}

void Host::TopLevelRaised(Window& window) {
    auto it = std::find(topLevels_.begin(), topLevels_.end(), &window);
    if (it == topLevels_.end()) return;
    topLevels_.erase(it);
    topLevels_.push_back(&window);
}

Window* Host::WindowAt(Point screen) const {
    for (auto it = topLevels_.rbegin(); it != topLevels_.rend(); ++it) {
        Window* top = *it;
        if (!top->IsCreated() || !top->IsVisible()) continue;
        Rect r = top->WindowRect();
        if (!r.Contains(screen)) continue;
        if (top->GetRegion() && !top->GetRegion()->Contains(screen - r.TopLeft())) continue;
        // Down the tree: the topmost visible child under the point, again
        // and again.
        Window* w = top;
        for (;;) {
            Point client = w->ScreenToClient(screen);
            if (!w->ClientRect().Contains(client)) break;
            Window* hit = nullptr;
            const auto& kids = w->Children();
            for (auto k = kids.rbegin(); k != kids.rend(); ++k) {
                if ((*k)->IsVisible() && (*k)->RectInParent().Contains(client) &&
                    (*k)->Send(WM_NCHITTEST, 0, PackPoint(screen)) != HTTRANSPARENT) {
                    hit = *k;
                    break;
                }
            }
            if (!hit) break;
            w = hit;
        }
        return w;
    }
    return nullptr;
}

// --- Input -------------------------------------------------------------------------

void Host::RouteMouse(MessageId id, Window* target, Point screen, std::uint32_t flags) {
    if (!target) return;
    Message m{id, flags, PackPoint(target->ScreenToClient(screen))};
    if (id == WM_MOUSEWHEEL) m.lParam = PackPoint(screen);
    WindowRef ref = target->Ref();
    auto observers = observers_;
    for (InputObserver* o : observers) {
        if (std::find(observers_.begin(), observers_.end(), o) == observers_.end()) continue;
        if (!ref) return;
        o->ObserveInput(*target, m);
    }
    if (Window* w = ref.Get()) w->Send(m);
}

void Host::UpdateHot(Window* now) {
    WindowRef oldRef = hot_;
    Window* old = oldRef.Get();
    if (now) {
        // The pointer moved inside its window: a move beyond the hover slop
        // starts the hover wait anew.
        for (Tracking& t : tracking_)
            if (t.window.Get() == now && Distance(t.anchor, pointer_) > kHoverSlop) {
                t.anchor = pointer_;
                t.hoverDue = NowMs() + t.hoverMs;
            }
    }
    if (old == now) return;
    hot_ = now ? now->Ref() : WindowRef();
    // Every tracked window the pointer is no longer over hears of it once.
    std::vector<WindowRef> leaving;
    for (auto it = tracking_.begin(); it != tracking_.end();) {
        Window* w = it->window.Get();
        if (w != now) {
            if (w && (it->flags & TME_LEAVE)) leaving.push_back(it->window);
            it = tracking_.erase(it);
        } else {
            ++it;
        }
    }
    for (auto& ref : leaving)
        if (Window* w = ref.Get()) w->Send(WM_MOUSELEAVE);
    auto observers = observers_;
    for (InputObserver* o : observers)
        if (Window* left = oldRef.Get(); left && std::find(observers_.begin(), observers_.end(), o) != observers_.end())
            o->ObservePointerLeft(*left);
}

void Host::PointerMove(Point screen, std::uint32_t keyFlags) {
    pointer_ = screen;
    if (Window* dragged = drag_.Get()) {
        Point to = dragWindowStart_ + (screen - dragPointerStart_);
        Rect r = dragged->RectInParent();
        dragged->Move(r.MovedTo(to.x, to.y), false);
        return;
    }
    Window* under = WindowAt(screen);
    UpdateHot(under);
    Window* target = capture_.Get() ? capture_.Get() : hot_.Get();
    RouteMouse(WM_MOUSEMOVE, target, screen, keyFlags | buttons_);
}

void Host::PointerButton(MouseButton button, bool down, Point screen, std::uint32_t keyFlags) {
    pointer_ = screen;
    std::uint32_t bit = button == MouseButton::Left ? MK_LBUTTON : MK_RBUTTON;
    if (down) {
        buttons_ |= bit;
    } else {
        buttons_ &= ~bit;
    }
    if (drag_ && button == MouseButton::Left && !down) {
        // The release point settles the window's place, whatever motion
        // was missed on the way.
        if (Window* dragged = drag_.Get()) {
            Point to = dragWindowStart_ + (screen - dragPointerStart_);
            dragged->Move(dragged->RectInParent().MovedTo(to.x, to.y), false);
        }
        drag_ = WindowRef();
        return;
    }
    Window* under = WindowAt(screen);
    UpdateHot(under);
    Window* target = capture_.Get() ? capture_.Get() : hot_.Get();
    if (!target) return;
    MessageId id;
    if (down) {
        // A press raises its top-level window and moves the focus to the
        // window pressed, if it takes input.
        if (Window* top = target->TopLevel(); top && top->IsEnabled()) TopLevelRaised(*top);
        if (target->IsEnabledInTree()) SetFocus(target);
        if (!target->IsCreated()) return;
        if (button == MouseButton::Left) {
            std::uint64_t now = NowMs();
            bool isDouble = !lastClickWasDouble_ && lastClickWindow_.Get() == target &&
                            now - lastClickTime_ <= kDoubleClickMs &&
                            Distance(lastClickPoint_, screen) <= kDoubleClickSlop && target->WantsDoubleClicks();
            lastClickWindow_ = target->Ref();
            lastClickTime_ = now;
            lastClickPoint_ = screen;
            lastClickWasDouble_ = isDouble;
            id = isDouble ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
        } else {
            id = WM_RBUTTONDOWN;
        }
    } else {
        id = button == MouseButton::Left ? WM_LBUTTONUP : WM_RBUTTONUP;
    }
    RouteMouse(id, target, screen, keyFlags | buttons_);
}

void Host::PointerWheel(int delta, Point screen, std::uint32_t keyFlags) {
    pointer_ = screen;
    Window* under = WindowAt(screen);
    UpdateHot(under);
    Window* target = capture_.Get() ? capture_.Get() : hot_.Get();
    if (!target) return;
    Message m{WM_MOUSEWHEEL,
              MakeWParam(static_cast<std::uint16_t>(keyFlags | buttons_), static_cast<std::uint16_t>(delta)),
              PackPoint(screen)};
    target->Send(m);
}

void Host::PointerLeft() {
    pointer_ = {-100000, -100000};
    UpdateHot(nullptr);
}

void Host::KeyDown(int key, std::uint32_t keyFlags) {
    Window* target = focus_.Get();
    if (!target || !target->IsShownInTree()) {
        target = nullptr;
        for (auto it = topLevels_.rbegin(); it != topLevels_.rend(); ++it)
            if ((*it)->IsVisible()) {
                target = *it;
                break;
            }
    }
    if (target) target->Send(WM_KEYDOWN, static_cast<std::uintptr_t>(key), keyFlags);
}

void Host::BeginWindowDrag(Window& window) {
    if (!(buttons_ & MK_LBUTTON) || !window.IsTopLevel()) return;
    SetCapture(nullptr);
    drag_ = window.Ref();
    dragPointerStart_ = pointer_;
    dragWindowStart_ = window.RectInParent().TopLeft();
}

// --- Bookkeeping --------------------------------------------------------------------

void Host::PostMessage(Window& window, const Message& message) { posted_.push_back({window.Ref(), message}); }

void Host::SetTimer(Window& window, std::uintptr_t id, int periodMs) {
    std::uint64_t period = static_cast<std::uint64_t>(std::max(periodMs, 1));
    for (Timer& t : timers_)
        if (t.window.Get() == &window && t.id == id) {
            t.period = period;
            t.due = NowMs() + period;
            return;
        }
    timers_.push_back({window.Ref(), id, period, NowMs() + period});
}

void Host::KillTimer(Window& window, std::uintptr_t id) {
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [&](const Timer& t) { return t.window.Get() == &window && t.id == id; }),
                  timers_.end());
}

bool Host::TrackMouse(Window& window, std::uint32_t flags, int hoverMs) {
    if (hot_.Get() != &window) {
        // Not over the window: the leave is due at once.
        if (flags & TME_LEAVE) window.Post(WM_MOUSELEAVE);
        return true;
    }
    std::uint64_t hover = static_cast<std::uint64_t>(std::max(hoverMs, 1));
    for (Tracking& t : tracking_)
        if (t.window.Get() == &window) {
            t.flags |= flags;
            t.hoverMs = hover;
            t.anchor = pointer_;
            t.hoverDue = NowMs() + hover;
            return true;
        }
    tracking_.push_back({window.Ref(), flags, hover, pointer_, NowMs() + hover});
    return true;
}

void Host::SetCapture(Window* window) { capture_ = window ? window->Ref() : WindowRef(); }

void Host::SetFocus(Window* window) {
    Window* old = focus_.Get();
    if (old == window) return;
    focus_ = window ? window->Ref() : WindowRef();
    if (old) old->Send(WM_KILLFOCUS);
    if (window && focus_.Get() == window) window->Send(WM_SETFOCUS);
}

void Host::WindowDestroyed(Window& window) {
    if (capture_.Get() == &window) capture_ = WindowRef();
    if (focus_.Get() == &window) focus_ = WindowRef();
    if (hot_.Get() == &window) hot_ = WindowRef();
    if (drag_.Get() == &window) drag_ = WindowRef();
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(), [&](const Timer& t) { return t.window.Get() == &window; }),
                  timers_.end());
    tracking_.erase(std::remove_if(tracking_.begin(), tracking_.end(),
                                   [&](const Tracking& t) { return t.window.Get() == &window; }),
                    tracking_.end());
}

void Host::ScheduleDelete(std::unique_ptr<Window> window) { graveyard_.push_back(std::move(window)); }

void Host::CollectGarbage() {
    if (dispatchDepth_ > 0) return;
    while (!graveyard_.empty()) {
        auto doomed = std::move(graveyard_);
        doomed.clear();
    }
}

void Host::AddInputObserver(InputObserver* observer) { observers_.push_back(observer); }

void Host::RemoveInputObserver(InputObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

// --- The loop ---------------------------------------------------------------------------

bool Host::DeliverDueTimers() {
    std::uint64_t now = NowMs();
    std::vector<std::pair<WindowRef, std::uintptr_t>> due;
    for (Timer& t : timers_)
        if (t.due <= now) {
            due.emplace_back(t.window, t.id);
            t.due += t.period;
            // A clock that jumped far ahead delivers one tick, not a burst.
            if (t.due <= now) t.due = now + t.period;
        }
    for (auto& [ref, id] : due)
        if (Window* w = ref.Get()) w->Send(WM_TIMER, id);
    return !due.empty();
}

bool Host::DeliverDueHovers() {
    std::uint64_t now = NowMs();
    std::vector<WindowRef> due;
    for (Tracking& t : tracking_)
        if ((t.flags & TME_HOVER) && t.hoverDue <= now && t.window.Get() == hot_.Get()) {
            t.flags &= ~TME_HOVER;
            due.push_back(t.window);
        }
    tracking_.erase(std::remove_if(tracking_.begin(), tracking_.end(), [](const Tracking& t) { return t.flags == 0; }),
                    tracking_.end());
    for (auto& ref : due)
        if (Window* w = ref.Get()) w->Send(WM_MOUSEHOVER, buttons_, PackPoint(w->ScreenToClient(pointer_)));
    return !due.empty();
}

bool Host::ProcessPending() {
    bool did = false;
    for (std::size_t n = posted_.size(); n > 0 && !posted_.empty(); --n) {
        Posted p = std::move(posted_.front());
        posted_.pop_front();
        if (Window* w = p.window.Get()) {
            w->Send(p.message);
            did = true;
        }
    }
    did = DeliverDueTimers() || did;
    did = DeliverDueHovers() || did;
    CollectGarbage();
    FlushPainting();
    return did;
}

std::optional<std::uint64_t> Host::MsUntilNextDeadline() const {
    std::optional<std::uint64_t> best;
    std::uint64_t now = NowMs();
    auto consider = [&](std::uint64_t due) {
        std::uint64_t wait = due > now ? due - now : 0;
        if (!best || wait < *best) best = wait;
    };
    for (const Timer& t : timers_)
        if (t.window) consider(t.due);
    for (const Tracking& t : tracking_)
        if ((t.flags & TME_HOVER) && t.window) consider(t.hoverDue);
    return best;
}

void Host::RunModalLoop(const WindowRef& window, const bool* ended) {
    while (window && !*ended) {
        bool did = ProcessPending();
        if (!window || *ended) break;
        if (did || !posted_.empty()) continue;
        auto timeout = MsUntilNextDeadline();
        if (timeout && *timeout == 0) continue;
        if (!WaitForInput(timeout)) break;
    }
}

// --- Painting -------------------------------------------------------------------------------

namespace {
bool TreeNeedsPaint(const Window& w) {
    if (w.NeedsPaint()) return true;
    for (const Window* c : w.Children())
        if (TreeNeedsPaint(*c)) return true;
    return false;
}
}  // namespace

void Host::FlushPainting() {
    if (!paintPending_) return;
    paintPending_ = false;
    std::vector<WindowRef> tops;
    for (Window* w : topLevels_) tops.push_back(w->Ref());
    for (auto& ref : tops)
        if (Window* w = ref.Get(); w && TreeNeedsPaint(*w)) PaintTopLevel(*w);
}

class PaintEngine {
public:
    explicit PaintEngine(Window& top) : top_(top), painted_(cairo_region_create()) {}
    ~PaintEngine() { cairo_region_destroy(painted_); }

    void Paint(Window& w, const Rect& clip) {
        if (!w.created_) return;
        if (!w.IsVisible()) {
            ClearFlags(w);
            return;
        }
        Rect whole = w.RectInTopLevel();
        Rect visible = whole.Intersect(clip);
        Rect client = w.clientInWindow_.Offset(whole.TopLeft());
        Rect clientVisible = client.Intersect(clip);
        if (visible.IsEmpty()) {
            ClearFlags(w);
            return;
        }
        cairo_rectangle_int_t vr{visible.left, visible.top, visible.Width(), visible.Height()};
        bool repaint = w.needsPaint_ || cairo_region_contains_rectangle(painted_, &vr) != CAIRO_REGION_OVERLAP_OUT;
        WindowRef self = w.Ref();
        if (repaint) {
            w.needsPaint_ = false;
            w.needsErase_ = false;
            cairo_surface_t* surface = top_.backStore_->Surface();
            if (client != whole) {
                DeviceContext windowDc(surface, whole.TopLeft(), visible);
                w.Send(WM_NCPAINT, reinterpret_cast<std::uintptr_t>(&windowDc));
                if (!self) return;
            }
            DeviceContext dc(surface, client.TopLeft(), clientVisible);
            w.Send(WM_ERASEBKGND, reinterpret_cast<std::uintptr_t>(&dc));
            if (!self) return;
            w.Send(WM_PAINT, 0, ToParam(&dc));
            if (!self) return;
            cairo_region_union_rectangle(painted_, &vr);
        }
        std::vector<WindowRef> kids;
        for (Window* c : w.children_) kids.push_back(c->Ref());
        for (auto& k : kids)
            if (Window* c = k.Get()) Paint(*c, clientVisible);
    }

private:
    static void ClearFlags(Window& w) {
        w.needsPaint_ = false;
        w.needsErase_ = false;
        for (Window* c : w.children_) ClearFlags(*c);
    }
    Window& top_;
    cairo_region_t* painted_;
};

void Host::PaintTopLevel(Window& topLevel) {
    if (!topLevel.IsCreated()) return;
    topLevel.EnsureBackStore();
    WindowRef ref = topLevel.Ref();
    {
        PaintEngine engine(topLevel);
        engine.Paint(topLevel, Rect{0, 0, topLevel.RectInParent().Width(), topLevel.RectInParent().Height()});
    }
    if (ref && topLevel.IsVisible()) Present(topLevel);
}

}  // namespace platform
