#pragma once
// The diagnostic log of the search engine: one time-stamped line per
// message, appended to a file (opened and closed for every line) and echoed
// to standard output. It is off unless somebody switches it on after the
// engine start, and a call with the log off costs one test.
#include <cstdint>
#include <ctime>
#include <string_view>

#include <boost/date_time/posix_time/posix_time_types.hpp>

namespace LogSystem {

inline constexpr std::size_t kLogPathSize = 4096;
inline constexpr std::size_t kLogBufferSize = 1024;

// "%s*[%02d::%02d:%02d:%02d]\r\n": message, day of month, hour, minute,
// second of local time. Returns 1 when the line was produced, 0 when dropped.
std::int32_t WriteLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
// "[--%s--]*%s\r\n": local time of day with microseconds, message.
std::int32_t WriteLogPrecise(const char* format, ...) __attribute__((format(printf, 1, 2)));
// "------Exit Log System-------\r\n" to the file only, when the log is on.
void WriteClosingLine();

// The engine start switches the log off and clears its path.
void ResetLogSettings();
// Switches the log on with the given file (cut to 4095 bytes). Used by the
// command line's --log and by tests.
void EnableLog(std::string_view path);
bool IsLogEnabled();

// The line builders, apart from the clock so that their output can be
// checked for any time. Each writes at most 1023 characters and a zero into
// `line` (kLogBufferSize bytes) and returns false when the line would not fit.
bool FormatDailyLine(char* line, std::string_view message, const std::tm& localTime);
bool FormatPreciseLine(char* line, std::string_view message, boost::posix_time::time_duration timeOfDay);

}  // namespace LogSystem
