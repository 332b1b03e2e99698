#pragma once
#include <stdexcept>
#include <string>

namespace CLI {
class App;
}

namespace prefig::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitNo = 1;     // a question answered "no" (not found, not allowed)
inline constexpr int kExitUsage = 2;  // wrong usage or a file that cannot be used

// Thrown by a command: the message goes to standard error, the code is the exit code.
struct Failure : std::runtime_error {
  Failure(const std::string& message, int exit_code = kExitUsage) : std::runtime_error(message), code(exit_code) {}
  int code;
};

// Each group of commands registers itself; a callback stores its exit code.
void AddIniCommands(CLI::App& app, int& exit_code);

}  // namespace prefig::cli
