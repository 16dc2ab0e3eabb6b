// scoutrel --check-layout FILE [--dialog N] [--section NAME] [--json]
//
// Reads a layout file the way the window does and prints what the reader
// produced, for people who write their own layout files. The reader itself
// quietly reads nothing from a file it cannot load; this command says so.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <optional>
#include <string>
#include <sys/stat.h>

#include "app/CommandLine.h"
#include "app/LayoutReport.h"
#include "layout/LayoutValueParsers.h"
#include "layout/WndLayoutReader.h"
#include "layout/XmlDocument.h"

namespace {

struct CheckLayoutOptions {
    std::string path;
    std::int32_t dialogId = 201;
    std::string section = "Standard";
    bool json = false;
};

void PrintCheckLayoutUsage() {
    std::fputs("Usage: scoutrel --check-layout FILE [--dialog N] [--section NAME] [--json]\n", stderr);
}

std::optional<std::int32_t> ParseDialogId(const char* text) {
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || errno == ERANGE || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::optional<CheckLayoutOptions> ParseOptions(int argc, char** argv) {
    CheckLayoutOptions options;
    bool havePath = false;
    for (int i = 0; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--json") {
            options.json = true;
        } else if (argument == "--dialog" && i + 1 < argc) {
            const auto id = ParseDialogId(argv[++i]);
            if (!id) {
                std::fprintf(stderr, "scoutrel: --dialog needs a number, not '%s'\n", argv[i]);
                return std::nullopt;
            }
            options.dialogId = *id;
        } else if (argument == "--section" && i + 1 < argc) {
            options.section = argv[++i];
        } else if (!argument.starts_with("--") && !havePath) {
            options.path = argument;
            havePath = true;
        } else {
            std::fprintf(stderr, "scoutrel: unexpected argument '%s'\n", argv[i]);
            return std::nullopt;
        }
    }
    if (!havePath || options.path.empty()) {
        std::fputs("scoutrel: --check-layout needs a layout file\n", stderr);
        return std::nullopt;
    }
    return options;
}

// The 1-based line of a byte offset in the file, 0 when the offset is unknown.
int LineAtOffset(const std::string& path, std::ptrdiff_t offset) {
    if (offset < 0) return 0;
    std::ifstream file(path, std::ios::binary);
    int line = 1;
    char c = 0;
    for (std::ptrdiff_t i = 0; i < offset && file.get(c); ++i) {
        if (c == '\n') ++line;
    }
    return line;
}

// Says why the file cannot be used, or nothing when it loads.
std::optional<std::string> DescribeUnusableFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::string("cannot read the file: ") + std::strerror(errno);
    if (S_ISDIR(info.st_mode)) return std::string("is a folder, not a layout file");
    if (!S_ISREG(info.st_mode)) return std::string("is not a regular file");
    XmlDocument document;
    const XmlLoadResult loaded = document.LoadFile(path);
    if (loaded.Loaded()) return std::nullopt;
    if (loaded.status == XmlLoadResult::Status::CannotOpen) {
        return "cannot read the file: " + loaded.description;
    }
    return "not well-formed XML, line " + std::to_string(LineAtOffset(path, loaded.offset)) + ": " +
           loaded.description;
}

// Notes for a read that found less than asked for; the read itself succeeded.
void PrintNotes(const CheckLayoutOptions& options) {
    XmlDocument document;
    document.LoadFile(options.path);
    bool dialogFound = false;
    bool sectionFound = false;
    for (const XmlElement& dialog : document.SelectDialogInfoElements()) {
        const auto id = dialog.GetAttribute("DialogID");
        if (!id || ParseLayoutInteger(*id) != options.dialogId) continue;
        dialogFound = true;
        if (dialog.SelectFirstChild(options.section)) sectionFound = true;
    }
    if (!dialogFound) {
        std::fprintf(stderr, "scoutrel: note: %s has no DialogInfo with DialogID %d\n", options.path.c_str(),
                     static_cast<int>(options.dialogId));
    } else if (!sectionFound) {
        std::fprintf(stderr, "scoutrel: note: DialogInfo %d of %s has no section '%s': no controls\n",
                     static_cast<int>(options.dialogId), options.path.c_str(), options.section.c_str());
    }
}

}  // namespace

int RunCheckLayoutCommand(int argc, char** argv) {
    const std::optional<CheckLayoutOptions> options = ParseOptions(argc, argv);
    if (!options) {
        PrintCheckLayoutUsage();
        return 2;
    }
    if (const auto problem = DescribeUnusableFile(options->path)) {
        std::fprintf(stderr, "scoutrel: %s: %s\n", options->path.c_str(), problem->c_str());
        return 1;
    }

    DialogLayout layout;
    std::optional<LayoutReadProblem> problem;
    try {
        ReadWndLayoutInfo(layout, options->path, options->dialogId, options->section);
    } catch (const LayoutAttributeMissing& missing) {
        problem = LayoutReadProblem{missing.Element(), missing.Attribute(),
                                    LineAtOffset(options->path, missing.Offset())};
    }

    const std::string report = options->json ? FormatLayoutAsJson(layout, problem ? &*problem : nullptr)
                                             : FormatLayoutAsText(layout);
    std::fputs(report.c_str(), stdout);
    if (problem) {
        std::fprintf(stderr, "scoutrel: %s", options->path.c_str());
        if (problem->line > 0) std::fprintf(stderr, ":%d", problem->line);
        std::fprintf(stderr, ": element '%s' has no attribute '%s'; the read stopped there\n",
                     problem->element.c_str(), problem->attribute.c_str());
        return 1;
    }
    PrintNotes(*options);
    return 0;
}
