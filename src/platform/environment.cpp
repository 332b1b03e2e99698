#include "platform/environment.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace prefig::platform {
namespace {

constexpr std::string_view kAppDataName = "APPDATA";

std::string XdgDirectory(const char* variable, const char* fallback_under_home) {
  const char* value = std::getenv(variable);
  if (value != nullptr && value[0] == '/') return value;
  return HomeDirectory() + "/" + fallback_under_home;
}

}  // namespace

std::optional<std::string> EnvironmentValue(std::string_view name) {
  std::string key(name);
  if (key.find('\0') != std::string::npos) return std::nullopt;
  if (const char* value = std::getenv(key.c_str())) return std::string(value);
  if (name == kAppDataName) return UserConfigDirectory();
  return std::nullopt;
}

std::optional<std::string> ExpandEnvironment(std::string_view text, size_t max) {
  std::string out;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t open = text.find('%', pos);
    size_t close = open == std::string_view::npos ? open : text.find('%', open + 1);
    if (close == std::string_view::npos) {
      out.append(text.substr(pos));
      break;
    }
    out.append(text.substr(pos, open - pos));
    std::optional<std::string> value;
    if (close > open + 1) value = EnvironmentValue(text.substr(open + 1, close - open - 1));
    if (value) {
      out += *value;
      pos = close + 1;
    } else {
      // Not a variable: keep the percent sign; the closing one may open the next.
      out += '%';
      pos = open + 1;
    }
    if (out.size() > max) return std::nullopt;
  }
  if (out.size() > max) return std::nullopt;
  return out;
}

std::string HomeDirectory() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return home;
  if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr) return entry->pw_dir;
  return "/";
}

std::string UserConfigDirectory() { return XdgDirectory("XDG_CONFIG_HOME", ".config"); }

std::string UserDataDirectory() { return XdgDirectory("XDG_DATA_HOME", ".local/share"); }

}  // namespace prefig::platform
