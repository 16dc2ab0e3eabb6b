#pragma once
// Text layout of the display controls (plain text, and text over a picture).
// The text offset gives the text's top-left corner and, horizontally, a
// margin kept free on both sides: the text wraps within the client width
// less twice that margin.

// An offset of -1 on an axis means a margin of 1 pixel; any other value is
// used as it stands.
constexpr int DisplayTextMargin(int offset) { return offset == -1 ? 1 : offset; }

// Width a shown scroll bar of the text control takes from the text.
inline constexpr int kTextScrollBarWidth = 17;

// Width the text wraps at. A shown vertical scroll bar of the text control
// takes a further 17 pixels.
constexpr int DisplayTextWrapWidth(int clientLeft, int clientRight, int marginX, bool scrollBarShown)
{
    return clientRight - 2 * marginX - clientLeft - (scrollBarShown ? kTextScrollBarWidth : 0);
}

// Width the pop-up tip of the task list wraps its text at, margins included.
inline constexpr int kTipWrapWidth = 250;

struct TextExtent {
    int width = 0;
    int height = 0;
};

// Size of a text control that fits its text: the measured box plus the
// margin on both sides and one pixel of slack horizontally, plus the top
// margin vertically; each truncated. The stored offset is used unchanged.
TextExtent TextExtentFromMeasure(int offsetX, int offsetY, double measuredWidth, double measuredHeight);
