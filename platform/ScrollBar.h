#pragma once
// Scroll bar control, vertical (SBS_VERT) or horizontal. It keeps a range,
// a page size, a position and, while the thumb is dragged, a track
// position. Presses on the arrows and page areas (repeating while held)
// and thumb drags are told to the parent as WM_VSCROLL / WM_HSCROLL with a
// scroll code (SB_LINEUP ... SB_THUMBTRACK, then SB_ENDSCROLL). The parent
// decides the new position and sets it; the bar only clamps it.
#include "platform/Window.h"

namespace platform {

inline constexpr std::uint32_t SIF_RANGE = 0x01;
inline constexpr std::uint32_t SIF_PAGE = 0x02;
inline constexpr std::uint32_t SIF_POS = 0x04;
inline constexpr std::uint32_t SIF_TRACKPOS = 0x10;
inline constexpr std::uint32_t SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct ScrollInfo {
    std::uint32_t mask = SIF_ALL;
    int min = 0;
    int max = 0;
    int page = 0;
    int pos = 0;
    int trackPos = 0;
};

class ScrollBar : public Window {
public:
    static constexpr int kThickness = 17;

    bool IsVertical() const { return (GetStyle() & SBS_VERT) != 0; }
    // Sets the fields named by info.mask; the position is then clamped to
    // min .. max - (page - 1). Returns the position.
    int SetScrollInfo(const ScrollInfo& info, bool redraw = true);
    ScrollInfo GetScrollInfo() const;
    int SetPosition(int pos, bool redraw = true);
    int Position() const { return pos_; }
    int TrackPosition() const { return dragging_ ? trackPos_ : pos_; }
    // The largest position the page allows.
    int MaxPosition() const;

    // Parts along the bar, in client coordinates.
    enum class Part { Nowhere, ArrowBack, PageBack, Thumb, PageForward, ArrowForward };
    Part PartAt(Point point) const;
    Rect PartRect(Part part) const;

protected:
    void OnPaint(DeviceContext& dc) override;
    void OnLButtonDown(std::uint32_t flags, Point point) override;
    void OnLButtonDblClk(std::uint32_t flags, Point point) override { OnLButtonDown(flags, point); }
    void OnMouseMove(std::uint32_t flags, Point point) override;
    void OnLButtonUp(std::uint32_t flags, Point point) override;
    void OnTimer(std::uintptr_t id) override;
    bool WantsDoubleClicks() const override { return true; }
    std::string_view DefaultClassName() const override { return classes::ScrollBar; }

private:
    int Length() const;
    int ArrowLength() const;
    int ThumbLength() const;
    int ThumbStart(int position) const;
    void Notify(int code, int position = 0);
    void RepeatPressedPart();

    int min_ = 0;
    int max_ = 0;
    int page_ = 0;
    int pos_ = 0;
    int trackPos_ = 0;
    Part pressed_ = Part::Nowhere;
    bool dragging_ = false;
    int grabOffset_ = 0;
    Point lastPointer_;
};

}  // namespace platform
