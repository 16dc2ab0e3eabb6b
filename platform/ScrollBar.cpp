#include "platform/ScrollBar.h"

#include <algorithm>

#include "platform/Graphics.h"

namespace platform {

namespace {
constexpr std::uintptr_t kRepeatTimer = 1;
constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 50;
constexpr int kMinThumb = 8;
}  // namespace

int ScrollBar::MaxPosition() const { return std::max(min_, max_ - std::max(page_ - 1, 0)); }

int ScrollBar::SetScrollInfo(const ScrollInfo& info, bool redraw) {
    if (info.mask & SIF_RANGE) {
        min_ = info.min;
        max_ = std::max(info.min, info.max);
    }
    if (info.mask & SIF_PAGE) page_ = std::clamp(info.page, 0, max_ - min_ + 1);
    if (info.mask & SIF_POS) pos_ = info.pos;
    pos_ = std::clamp(pos_, min_, MaxPosition());
    if (redraw) Invalidate();
    return pos_;
}

ScrollInfo ScrollBar::GetScrollInfo() const { return {SIF_ALL, min_, max_, page_, pos_, TrackPosition()}; }

int ScrollBar::SetPosition(int pos, bool redraw) {
    ScrollInfo info;
    info.mask = SIF_POS;
    info.pos = pos;
    return SetScrollInfo(info, redraw);
}

int ScrollBar::Length() const { return IsVertical() ? ClientRect().Height() : ClientRect().Width(); }

int ScrollBar::ArrowLength() const {
    int thickness = IsVertical() ? ClientRect().Width() : ClientRect().Height();
    return std::min(thickness, Length() / 2);
}

int ScrollBar::ThumbLength() const {
    int track = Length() - 2 * ArrowLength();
    int range = max_ - min_ + 1;
    if (track <= 0) return 0;
    int length = page_ > 0 ? static_cast<int>(static_cast<long long>(track) * page_ / range) : kMinThumb;
    return std::clamp(length, std::min(kMinThumb, track), track);
}

int ScrollBar::ThumbStart(int position) const {
    int track = Length() - 2 * ArrowLength();
    int free = track - ThumbLength();
    int span = MaxPosition() - min_;
    if (span <= 0 || free <= 0) return ArrowLength();
    return ArrowLength() + static_cast<int>(static_cast<long long>(free) * (position - min_) / span);
}

Rect ScrollBar::PartRect(Part part) const {
    Rect c = ClientRect();
    int a = ArrowLength();
    int len = Length();
    int t0 = ThumbStart(TrackPosition());
    int t1 = t0 + ThumbLength();
    auto span = [&](int from, int to) {
        return IsVertical() ? Rect{0, from, c.right, to} : Rect{from, 0, to, c.bottom};
    };
    switch (part) {
        case Part::ArrowBack: return span(0, a);
        case Part::PageBack: return span(a, t0);
        case Part::Thumb: return span(t0, t1);
        case Part::PageForward: return span(t1, len - a);
        case Part::ArrowForward: return span(len - a, len);
        case Part::Nowhere: break;
    }
    return {};
}

ScrollBar::Part ScrollBar::PartAt(Point point) const {
    for (Part p : {Part::ArrowBack, Part::Thumb, Part::PageBack, Part::PageForward, Part::ArrowForward})
        if (PartRect(p).Contains(point)) return p;
    return Part::Nowhere;
}

void ScrollBar::Notify(int code, int position) {
    if (!Parent() || IsTopLevel()) return;
    Parent()->Send(IsVertical() ? WM_VSCROLL : WM_HSCROLL,
                   MakeWParam(static_cast<std::uint16_t>(code), static_cast<std::uint16_t>(position)), ToParam(this));
}

void ScrollBar::RepeatPressedPart() {
    switch (pressed_) {
        case Part::ArrowBack: Notify(SB_LINEUP); break;
        case Part::ArrowForward: Notify(SB_LINEDOWN); break;
        case Part::PageBack:
            // Paging stops once the thumb has reached the pointer.
            if (PartRect(Part::PageBack).Contains(lastPointer_)) Notify(SB_PAGEUP);
            break;
        case Part::PageForward:
            if (PartRect(Part::PageForward).Contains(lastPointer_)) Notify(SB_PAGEDOWN);
            break;
        default: break;
    }
}

void ScrollBar::OnLButtonDown(std::uint32_t flags, Point point) {
    (void)flags;
    lastPointer_ = point;
    pressed_ = PartAt(point);
    if (pressed_ == Part::Nowhere) return;
    SetCapture();
    if (pressed_ == Part::Thumb) {
        dragging_ = true;
        trackPos_ = pos_;
        Rect thumb = PartRect(Part::Thumb);
        grabOffset_ = IsVertical() ? point.y - thumb.top : point.x - thumb.left;
    } else {
        WindowRef self = Ref();
        RepeatPressedPart();
        if (!self) return;
        SetTimer(kRepeatTimer, kFirstRepeatMs);
    }
    Invalidate();
}

void ScrollBar::OnMouseMove(std::uint32_t flags, Point point) {
    (void)flags;
    lastPointer_ = point;
    if (!dragging_) return;
    int track = Length() - 2 * ArrowLength();
    int free = track - ThumbLength();
    int span = MaxPosition() - min_;
    int along = (IsVertical() ? point.y : point.x) - grabOffset_ - ArrowLength();
    int position = free > 0 ? min_ + static_cast<int>((static_cast<long long>(along) * span + free / 2) / free) : min_;
    position = std::clamp(position, min_, MaxPosition());
    if (position != trackPos_) {
        trackPos_ = position;
        Invalidate();
        Notify(SB_THUMBTRACK, trackPos_);
    }
}

void ScrollBar::OnLButtonUp(std::uint32_t flags, Point point) {
    (void)flags, (void)point;
    if (pressed_ == Part::Nowhere) return;
    KillTimer(kRepeatTimer);
    ReleaseCapture();
    WindowRef self = Ref();
    bool wasDragging = dragging_;
    dragging_ = false;
    pressed_ = Part::Nowhere;
    Invalidate();
    if (wasDragging) {
        Notify(SB_THUMBPOSITION, trackPos_);
        if (!self) return;
    }
    Notify(SB_ENDSCROLL);
}

void ScrollBar::OnTimer(std::uintptr_t id) {
    if (id != kRepeatTimer) return;
    if (pressed_ == Part::Nowhere || dragging_) {
        KillTimer(kRepeatTimer);
        return;
    }
    SetTimer(kRepeatTimer, kRepeatMs);
    RepeatPressedPart();
}

void ScrollBar::OnPaint(DeviceContext& dc) {
    Graphics g(dc);
    Rect c = ClientRect();
    g.FillRectangle(0xFFF0F0F0, c);
    bool enabled = IsEnabledInTree() && MaxPosition() > min_;
    // Arrows: a small triangle in each end square.
    for (Part p : {Part::ArrowBack, Part::ArrowForward}) {
        Rect r = PartRect(p);
        if (pressed_ == p) g.FillRectangle(0xFFDADADA, r);
        int cx = (r.left + r.right) / 2;
        int cy = (r.top + r.bottom) / 2;
        Argb color = enabled ? 0xFF606060 : 0xFFBFBFBF;
        bool back = p == Part::ArrowBack;
        for (int i = 0; i < 4; ++i) {
            int d = back ? i : 3 - i;
            if (IsVertical()) {
                g.DrawLine(color, cx - d, cy - 2 + i, cx + d, cy - 2 + i);
            } else {
                g.DrawLine(color, cx - 2 + i, cy - d, cx - 2 + i, cy + d);
            }
        }
    }
    if (enabled) {
        Rect thumb = PartRect(Part::Thumb);
        Rect inset = IsVertical() ? Rect{thumb.left + 2, thumb.top, thumb.right - 2, thumb.bottom}
                                  : Rect{thumb.left, thumb.top + 2, thumb.right, thumb.bottom - 2};
        g.FillRectangle(dragging_ ? 0xFF8A8A8A : 0xFFC2C2C2, inset);
    }
}

}  // namespace platform
