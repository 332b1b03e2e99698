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

// A group of commands adds itself to the application; a callback may store
// its exit code. Each *_commands.cpp registers one group with a
// CommandGroup object at namespace scope:
//   static const CommandGroup kIni{"ini", &AddIniCommands};
using AddCommands = void (*)(CLI::App& app, int& exit_code);
struct CommandGroup {
  CommandGroup(const char* name, AddCommands add);
};
void AddAllCommandGroups(CLI::App& app, int& exit_code);

}  // namespace prefig::cli
