#include <gtest/gtest.h>

#include "skin/ScrollRequest.h"

namespace {

TEST(ScrollRequestTest, EachRequestAsksForItsPosition)
{
    const ScrollState state{0, 300, 164, 50, 77};
    struct Case {
        ScrollRequest request;
        int expected;
    };
    const Case cases[] = {
        {ScrollRequest::LineUp, 49},     {ScrollRequest::LineDown, 51},
        {ScrollRequest::PageUp, -114},   {ScrollRequest::PageDown, 214},
        {ScrollRequest::ThumbPosition, 50}, {ScrollRequest::ThumbTrack, 77},
        {ScrollRequest::Top, 0},         {ScrollRequest::Bottom, 300},
        {ScrollRequest::EndScroll, 50},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RequestedScrollPosition(c.request, state), c.expected) << static_cast<int>(c.request);
    }
}

TEST(ScrollRequestTest, ClampKeepsTheLastPageFull)
{
    const ScrollState state{0, 300, 164, 0, 0};
    EXPECT_EQ(ClampScrollPosition(-5, state), 0);
    EXPECT_EQ(ClampScrollPosition(100, state), 100);
    EXPECT_EQ(ClampScrollPosition(300, state), 136);
    // A page larger than the range pins the position to the minimum.
    EXPECT_EQ(ClampScrollPosition(10, ScrollState{0, 50, 100, 0, 0}), 0);
}

} // namespace
