#include "app/ScoutrelDlgCountdown.h"

#include <cstdio>

std::string FormatCountdownText(std::string_view prefix, int seconds)
{
    char number[16];
    std::snprintf(number, sizeof number, " %ds...", seconds);
    std::string text(prefix);
    text += number;
    return text;
}

CountdownTick NextCountdownTick(int nCountdown)
{
    // A counter outside 1..9 can only come from a tick that arrives after the
    // countdown ended (a timer message already queued); it ends the countdown
    // again instead of counting on into negative seconds.
    if (nCountdown >= kCountdownSeconds || nCountdown < 1) return CountdownTick{true, false, 0, 1};
    return CountdownTick{false, true, kCountdownSeconds - nCountdown, nCountdown + 1};
}
