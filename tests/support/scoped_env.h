#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/temp_dir.h"

namespace prefig::test {

// Sets (or with nullopt unsets) environment variables and restores them
// when it goes.
class ScopedEnv {
 public:
  ScopedEnv() = default;
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;
  void Set(const std::string& name, const std::optional<std::string>& value);

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// A home of its own for a test: HOME, XDG_CONFIG_HOME, XDG_DATA_HOME,
// APPDATA and the machine-wide registry point into a temporary directory,
// so nothing outside it is written.
class IsolatedHome {
 public:
  IsolatedHome();
  const TempDir& dir() const { return dir_; }
  std::string Home() const { return dir_.File("home"); }
  std::string ConfigHome() const { return dir_.File("home/.config"); }
  std::string DataHome() const { return dir_.File("home/.local/share"); }
  std::string AppData() const { return dir_.File("appdata"); }
  std::string MachineRegistry() const { return dir_.File("machine-registry"); }
  ScopedEnv& env() { return env_; }

 private:
  TempDir dir_;
  ScopedEnv env_;
};

}  // namespace prefig::test
