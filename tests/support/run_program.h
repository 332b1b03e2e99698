#pragma once
#include <string>
#include <vector>

namespace prefig::test {

struct ProgramResult {
  int exit_code = -1;
  std::string out;
  std::string err;
};

// Runs a program with an argument vector (no shell) and collects its output.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args);

#ifdef PREFIG_CLI
// The `prefig` program of this build.
inline ProgramResult Prefig(const std::vector<std::string>& args) { return RunProgram(PREFIG_CLI, args); }
#endif

}  // namespace prefig::test
