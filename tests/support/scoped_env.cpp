#include "support/scoped_env.h"

#include <cstdlib>

#include "platform/registry.h"

namespace prefig::test {

ScopedEnv::~ScopedEnv() {
  for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
    if (it->second) {
      ::setenv(it->first.c_str(), it->second->c_str(), 1);
    } else {
      ::unsetenv(it->first.c_str());
    }
  }
}

void ScopedEnv::Set(const std::string& name, const std::optional<std::string>& value) {
  const char* old = std::getenv(name.c_str());
  saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
  if (value) {
    ::setenv(name.c_str(), value->c_str(), 1);
  } else {
    ::unsetenv(name.c_str());
  }
}

IsolatedHome::IsolatedHome() {
  env_.Set("HOME", Home());
  env_.Set("XDG_CONFIG_HOME", ConfigHome());
  env_.Set("XDG_DATA_HOME", DataHome());
  env_.Set("APPDATA", AppData());
  env_.Set(platform::kMachineRegistryVariable, MachineRegistry());
}

}  // namespace prefig::test
