#include "core/LogSystem.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include <boost/date_time/posix_time/posix_time.hpp>

namespace LogSystem {
namespace {

// Process-wide settings. They are written only before the search threads
// exist (engine start, command line, tests), and read by every thread.
std::atomic<bool> bLogEnabled{false};
char szLogPath[kLogPathSize] = {};

bool LogIsActive() {
    return bLogEnabled.load(std::memory_order_acquire) && szLogPath[0] != '\0';
}

// Formats the caller's message; an empty, failed or over-long message is
// dropped whole rather than cut.
bool FormatMessage(char* message, const char* format, va_list args) {
    const int n = std::vsnprintf(message, kLogBufferSize, format, args);
    return n > 0 && static_cast<std::size_t>(n) < kLogBufferSize;
}

// One append per line: the file is opened, written and closed at once so that
// lines from several threads come out whole and nothing stays open.
void AppendToFile(const char* line) {
    if (std::FILE* file = std::fopen(szLogPath, "a+")) {
        std::fputs(line, file);
        std::fclose(file);
    }
}

void EmitLine(const char* line) {
    AppendToFile(line);
    // The line is plain text here, never a format.
    std::fputs(line, stdout);
    std::fflush(stdout);
}

bool FitsLine(int n) { return n > 0 && static_cast<std::size_t>(n) < kLogBufferSize; }

}  // namespace

bool FormatDailyLine(char* line, std::string_view message, const std::tm& t) {
    const int n = std::snprintf(line, kLogBufferSize, "%.*s*[%02d::%02d:%02d:%02d]\r\n",
                                static_cast<int>(message.size()), message.data(), t.tm_mday, t.tm_hour,
                                t.tm_min, t.tm_sec);
    return FitsLine(n);
}

bool FormatPreciseLine(char* line, std::string_view message, boost::posix_time::time_duration timeOfDay) {
    // The simple form of a time of day is "HH:MM:SS", with ".ffffff" only
    // when the fraction is not zero.
    const std::string stamp = boost::posix_time::to_simple_string(timeOfDay);
    const int n = std::snprintf(line, kLogBufferSize, "[--%s--]*%.*s\r\n", stamp.c_str(),
                                static_cast<int>(message.size()), message.data());
    return FitsLine(n);
}

std::int32_t WriteLog(const char* format, ...) {
    if (!LogIsActive() || format == nullptr) return 0;
    try {
        char message[kLogBufferSize];
        va_list args;
        va_start(args, format);
        const bool ok = FormatMessage(message, format, args);
        va_end(args);
        if (!ok) return 0;

        const std::time_t now = std::time(nullptr);
        std::tm local{};
        if (::localtime_r(&now, &local) == nullptr) return 0;
        char line[kLogBufferSize];
        if (!FormatDailyLine(line, message, local)) return 0;
        EmitLine(line);
        return 1;
    } catch (...) {
        return 0;
    }
}

std::int32_t WriteLogPrecise(const char* format, ...) {
    if (!LogIsActive() || format == nullptr) return 0;
    try {
        char message[kLogBufferSize];
        va_list args;
        va_start(args, format);
        const bool ok = FormatMessage(message, format, args);
        va_end(args);
        if (!ok) return 0;

        const auto now = boost::posix_time::microsec_clock::local_time();
        char line[kLogBufferSize];
        if (!FormatPreciseLine(line, message, now.time_of_day())) return 0;
        EmitLine(line);
        return 1;
    } catch (...) {
        return 0;
    }
}

void WriteClosingLine() {
    if (!LogIsActive()) return;
    AppendToFile("------Exit Log System-------\r\n");
}

void ResetLogSettings() {
    bLogEnabled.store(false, std::memory_order_release);
    std::memset(szLogPath, 0, sizeof szLogPath);
}

void EnableLog(std::string_view path) {
    std::memset(szLogPath, 0, sizeof szLogPath);
    std::memcpy(szLogPath, path.data(), std::min(path.size(), kLogPathSize - 1));
    bLogEnabled.store(true, std::memory_order_release);
}

bool IsLogEnabled() { return LogIsActive(); }

}  // namespace LogSystem
