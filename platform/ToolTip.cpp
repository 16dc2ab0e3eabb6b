#include "platform/ToolTip.h"

#include <algorithm>
#include <cmath>

#include "platform/Font.h"
#include "platform/Graphics.h"

namespace platform {

namespace {
constexpr std::uintptr_t kShowTimer = 1;
constexpr std::uintptr_t kPopTimer = 2;
constexpr int kPadding = 4;
}  // namespace

ToolTip::ToolTip() { SetBackgroundColor(colors::InfoBackground); }

ToolTip::~ToolTip() {
    if (observing_) Host::Current().RemoveInputObserver(this);
    Destroy();
}

bool ToolTip::Create(Window* owner) {
    if (!owner || !owner->IsCreated()) return false;
    Window* top = owner->TopLevel();
    if (!Window::Create(top, Rect{0, 0, 10, 10}, WS_CHILD)) return false;
    GetHost().AddInputObserver(this);
    observing_ = true;
    return true;
}

int ToolTip::OnNcHitTest(Point screenPoint) {
    (void)screenPoint;
    return HTTRANSPARENT;
}

void ToolTip::AddTool(Window& tool, std::string text) {
    if (Tool* existing = FindTool(&tool)) {
        existing->text = std::move(text);
        return;
    }
    tools_.push_back({tool.Ref(), std::move(text)});
}

void ToolTip::UpdateTipText(Window& tool, std::string text) {
    if (Tool* t = FindTool(&tool)) {
        t->text = std::move(text);
        if (IsVisible() && restingOn_.Get() == &tool) ShowFor(*t);
    }
}

void ToolTip::RemoveTool(Window& tool) {
    if (restingOn_.Get() == &tool) Pop();
    tools_.erase(std::remove_if(tools_.begin(), tools_.end(), [&](const Tool& t) { return t.window.Get() == &tool; }),
                 tools_.end());
}

void ToolTip::Activate(bool active) {
    active_ = active;
    if (!active) Pop();
}

ToolTip::Tool* ToolTip::FindTool(const Window* window) {
    for (Tool& t : tools_)
        if (window && t.window.Get() == window) return &t;
    return nullptr;
}

void ToolTip::ObserveInput(Window& target, const Message& message) {
    if (!IsCreated() || !active_) return;
    Tool* tool = FindTool(&target);
    switch (message.id) {
        case WM_MOUSEMOVE: {
            if (!tool) return;
            Point screen = target.ClientToScreen(UnpackPoint(message.lParam));
            if (restingOn_.Get() != &target) {
                Pop();
                restingOn_ = target.Ref();
            }
            if (!IsVisible() && screen != restPoint_) {
                // Every move restarts the wait: the tip comes when the
                // pointer rests.
                restPoint_ = screen;
                SetTimer(kShowTimer, kInitialDelayMs);
            }
            break;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_MOUSEWHEEL:
            if (tool) Pop();
            break;
        default:
            break;
    }
}

void ToolTip::ObservePointerLeft(Window& window) {
    if (restingOn_.Get() == &window) {
        Pop();
        restingOn_ = WindowRef();
    }
}

void ToolTip::Pop() {
    KillTimer(kShowTimer);
    KillTimer(kPopTimer);
    if (IsVisible()) Show(SW_HIDE);
    restPoint_ = Point{-100000, -100000};
}

void ToolTip::OnTimer(std::uintptr_t id) {
    if (id == kShowTimer) {
        KillTimer(kShowTimer);
        if (Tool* tool = FindTool(restingOn_.Get())) ShowFor(*tool);
    } else if (id == kPopTimer) {
        Pop();
    }
}

void ToolTip::ShowFor(Tool& tool) {
    if (!IsCreated() || !Parent()) return;
    SetText(tool.text);
    MemoryDC scratch(1, 1);
    Graphics measure(scratch);
    RectF size = measure.MeasureString(tool.text, FontOrDefault(), RectF{0, 0, 300, 0});
    int w = static_cast<int>(std::ceil(size.width)) + 2 * kPadding + 2;
    int h = static_cast<int>(std::ceil(size.height)) + 2 * kPadding;
    Window* top = Parent();
    Point at = top->ScreenToClient(restPoint_);
    Rect area = top->ClientRect();
    int x = std::clamp(at.x, 0, std::max(0, area.right - w));
    int y = at.y + kPointerGap;
    if (y + h > area.bottom) y = std::max(0, at.y - h - 2);
    Move(Rect::FromXywh(x, y, w, h));
    BringToTop();
    Show(SW_SHOW);
    SetTimer(kPopTimer, kAutoPopMs);
}

void ToolTip::OnPaint(DeviceContext& dc) {
    Graphics g(dc);
    Rect c = ClientRect();
    g.DrawRectangle(0xFF767676, 0, 0, c.Width() - 1, c.Height() - 1);
    g.DrawString(Text(), FontOrDefault(), colors::InfoText,
                 RectF{static_cast<float>(kPadding + 1), static_cast<float>(kPadding), 300, 0});
}

}  // namespace platform
