#pragma once
#include <string>
#include <string_view>

namespace prefig {

// The module log: one line per event, appended to the file named by the
// environment variable PREFIG_LOG (read once, on first use) or set with
// SetLogFileName. Off while the name is empty. Lines from several threads or
// processes never interleave.
inline constexpr const char* kLogEnvironmentVariable = "PREFIG_LOG";
inline constexpr size_t kLogLineMax = 4064;

void LogLine(const char* format, ...) __attribute__((format(printf, 1, 2)));
bool IsLogOn();
void SetLogFileName(std::string_view name);

// The line as it is written, without the line feed (exposed for tests).
std::string FormatLogLine(std::string_view message);

}  // namespace prefig
