#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace prefig::platform {

// An environment variable's value; nullopt when it is not set. APPDATA,
// which paths written for the original platform name, falls back to the
// user's configuration directory.
std::optional<std::string> EnvironmentValue(std::string_view name);

// Replaces every %NAME% whose variable is set by its value; a name that is
// not set stays as written, percent signs included. nullopt when the result
// would be longer than `max` characters.
std::optional<std::string> ExpandEnvironment(std::string_view text, size_t max);

// The user's home ($HOME, else the password database), and the XDG base
// directories: $XDG_CONFIG_HOME or ~/.config, $XDG_DATA_HOME or
// ~/.local/share (a relative XDG value is ignored, as the standard says).
std::string HomeDirectory();
std::string UserConfigDirectory();
std::string UserDataDirectory();

}  // namespace prefig::platform
