// Entry point of the program: the window by default, or one of the
// command-line modes that need no window.
#include <cstdio>
#include <cstring>

#include "app/Application.h"
#include "app/CommandLine.h"

namespace {

void PrintUsage(std::FILE* out) {
    std::fputs(
        "Usage: scoutrel [OPTION]\n"
        "Finds the portable network devices on the local network and lets you reach them.\n"
        "\n"
        "  (no option)                 open the device finder window\n"
        "  --list [--wait SECONDS] [--json] [--log FILE]\n"
        "                              search once and print the devices found\n"
        "  --watch [--json]            search every 10 s and print devices as they come and go\n"
        "  --check-layout FILE [--dialog N] [--section NAME] [--json]\n"
        "                              read a layout file and print what was read\n"
        "  --help                      show this text\n",
        out);
}

struct Mode {
    const char* option;
    int (*run)(int argc, char** argv);
};

constexpr Mode kModes[] = {
    {"--list", &RunListCommand},
    {"--watch", &RunWatchCommand},
    {"--check-layout", &RunCheckLayoutCommand},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
            PrintUsage(stdout);
            return 0;
        }
        for (const Mode& mode : kModes) {
            if (std::strcmp(argv[1], mode.option) == 0) return mode.run(argc - 2, argv + 2);
        }
        std::fprintf(stderr, "scoutrel: unknown option '%s'\n", argv[1]);
        PrintUsage(stderr);
        return 2;
    }
    return RunDeviceFinderWindow();
}
