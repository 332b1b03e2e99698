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

}  // namespace prefig::test
