#include "app/CommandLine.h"

#include <cstdio>

int RunListCommand(int, char**) {
    std::fputs("scoutrel: --list is not available yet\n", stderr);
    return 2;
}

int RunWatchCommand(int, char**) {
    std::fputs("scoutrel: --watch is not available yet\n", stderr);
    return 2;
}
