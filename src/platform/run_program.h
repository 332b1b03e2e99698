#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace prefig::platform {

// The program that runs another one as administrator, looked up on PATH.
inline constexpr std::string_view kElevationProgram = "pkexec";

struct RunOptions {
  bool wait = false;     // wait, without a time limit, until the program ends
  bool elevate = false;  // run it as administrator
};

struct RunResult {
  int error = 0;       // 0 when the program started, else an errno value
  int exit_code = -1;  // when waited for: its exit status (128 + signal when killed)
  bool Succeeded() const { return error == 0 && exit_code == 0; }
};

// Starts a program with an argument vector; no shell ever sees the
// arguments. A name without a slash is looked up on PATH. Elevated, the
// program runs through pkexec, or directly when we already are root; with
// neither the result is EPERM. A program not waited for is detached from us
// (it leaves no zombie and outlives this process).
RunResult RunProgram(const std::string& program, const std::vector<std::string>& args, RunOptions options = {});

// The absolute path of an executable: a name is searched on PATH, a path
// made absolute. Empty when there is none.
std::string FindProgram(std::string_view name);

}  // namespace prefig::platform
