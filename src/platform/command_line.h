#pragma once
#include <string>
#include <vector>

namespace prefig::platform {

// The running program's command line as it was started (from
// /proc/self/cmdline): the program as called, then its arguments. Empty
// when it cannot be read.
std::vector<std::string> CommandLine();

// The arguments after the program, joined by blanks; an argument that holds
// a blank or a tab is put in double quotes.
std::string JoinArguments(const std::vector<std::string>& command_line);

}  // namespace prefig::platform
