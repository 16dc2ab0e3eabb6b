#pragma once
// The ten-second search countdown of the main window as plain data: the text
// shown for a number of seconds, and what each one-second tick does.
#include <string>
#include <string_view>

// The countdown runs from the Refresh command (10 seconds shown) through nine
// merging ticks (9 down to 1) to the tenth tick, which ends it.
inline constexpr int kCountdownSeconds = 10;
inline constexpr int kCountdownTimerId = 1;
inline constexpr unsigned kCountdownTimerPeriodMs = 1000;

// The layout's countdown prefix, a blank, the number and "s...":
// "Searching new devices,please wait 10s...".
std::string FormatCountdownText(std::string_view prefix, int seconds);

// What one tick of timer 1 does, given the step counter m_nCountdown (1..10).
struct CountdownTick {
    bool bFinished = false;  // stop the timer and enter ButtonStateSearchDone; no list update
    bool bMerge = false;     // merge the devices that are new in the registry
    int nShowSeconds = 0;    // the number the countdown text shows next (when not finished)
    int nNextCountdown = 1;  // the new value of the step counter
};

CountdownTick NextCountdownTick(int nCountdown);
