#include "app/CommandLine.h"

#include <cstdio>

int RunCheckLayoutCommand(int, char**) {
    std::fputs("scoutrel: --check-layout is not available yet\n", stderr);
    return 2;
}
