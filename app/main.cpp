// Entry point of the program. Until the window and the engine commands are
// in place it only explains how it is used.
#include <cstdio>
#include <cstring>

namespace {
void PrintUsage(std::FILE* out) {
    std::fputs(
        "Usage: scoutrel [OPTION]\n"
        "Finds the portable network devices on the local network and lets you reach them.\n"
        "\n"
        "  (no option)        open the device finder window\n"
        "  --help             show this text\n",
        out);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        PrintUsage(stdout);
        return 0;
    }
    PrintUsage(stdout);
    return 0;
}
