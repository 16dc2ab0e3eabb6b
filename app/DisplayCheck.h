#pragma once
// Whether the program has an X display to show its window on. The program
// checks this before anything else and, without one, prints one line and
// ends without starting the search engine.
#include <cstdio>
#include <string_view>

// Opens the display named by DISPLAY and closes it again at once.
bool CanOpenDisplay();

// The line printed when there is no display (without the newline).
std::string_view NoDisplayMessage();

// True when a display can be opened; otherwise prints NoDisplayMessage and a
// newline to the stream and gives false.
bool CheckDisplayOrExplain(std::FILE* out = stderr);
