#include "skin/ScrollRequest.h"

#include <algorithm>

ScrollRequest ScrollRequestFromCode(int code)
{
    // The codes count up in the order of the enumeration.
    if (code < 0 || code > static_cast<int>(ScrollRequest::EndScroll)) {
        return ScrollRequest::EndScroll;
    }
    return static_cast<ScrollRequest>(code);
}

int RequestedScrollPosition(ScrollRequest request, const ScrollState& state)
{
    switch (request) {
    case ScrollRequest::LineUp:
        return state.position - 1;
    case ScrollRequest::LineDown:
        return state.position + 1;
    case ScrollRequest::PageUp:
        return state.position - state.page;
    case ScrollRequest::PageDown:
        return state.position + state.page;
    case ScrollRequest::ThumbPosition:
        return state.position;
    case ScrollRequest::ThumbTrack:
        return state.trackPosition;
    case ScrollRequest::Top:
        return state.minimum;
    case ScrollRequest::Bottom:
        return state.maximum;
    case ScrollRequest::EndScroll:
        break;
    }
    return state.position;
}

int ClampScrollPosition(int wanted, const ScrollState& state)
{
    const int highest = std::max(state.minimum, state.maximum - state.page);
    return std::clamp(wanted, state.minimum, highest);
}
