#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace prefig::platform {

// The running program's file (from /proc/self/exe) and its directory.
std::string ProgramFile();
std::string ProgramDirectory();

// Milliseconds since the system started (CLOCK_MONOTONIC).
int64_t TickCountMs();

// The calling thread's number as the system shows it (gettid).
int ThreadNumber();

}  // namespace prefig::platform
