#pragma once
// The requests a scroll bar sends to its owner, and the new position each
// asks for. The owner sets that position on the bar, which clamps it to its
// range, and reads the clamped value back.

enum class ScrollRequest {
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    ThumbPosition,
    ThumbTrack,
    Top,
    Bottom,
    EndScroll,
};

// The request of a scroll code (SB_LINEUP ... SB_ENDSCROLL, 0 to 8); an
// unknown code asks for nothing (EndScroll).
ScrollRequest ScrollRequestFromCode(int code);

struct ScrollState {
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    int position = 0;
    int trackPosition = 0;
};

// One line is one unit (a pixel for the task list); any request without a
// rule (the end of a scroll) keeps the position.
int RequestedScrollPosition(ScrollRequest request, const ScrollState& state);

// Clamps a wanted position to what a bar shows fully: at least the minimum,
// at most maximum - page (and never below the minimum).
int ClampScrollPosition(int wanted, const ScrollState& state);
