#pragma once
#include <functional>
#include <string>

namespace prefig::test {

// Runs `check` where file permissions apply: directly for a normal user, in
// a child process that has become user "nobody" when the tests run as root
// (root passes every permission check). `dir` is handed to that user first.
// Returns what `check` returned.
bool RunWithoutPrivileges(const std::string& dir, const std::function<bool()>& check);

}  // namespace prefig::test
