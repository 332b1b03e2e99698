#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry_path.h"

// A small registry of our own in place of the system's: one hive file per
// root (registry_hive.h). The current user's hive lives in the user's
// configuration directory; the machine-wide roots in a system directory,
// $PREFIG_MACHINE_REGISTRY when set (tests, packagers), else
// /etc/prefig/registry. Only an administrator writes a machine-wide root.
// Every change replaces its hive file atomically under a directory lock,
// so a change, a tree deletion included, is all or nothing.
namespace prefig::platform {

inline constexpr const char* kMachineRegistryVariable = "PREFIG_MACHINE_REGISTRY";

std::string RegistryHiveFile(RegistryRoot root);

// Writes one value named by a registry path text (registry_path.h),
// creating its key; true on success.
bool WriteRegistryText(std::string_view path, std::string_view text);
bool WriteRegistryNumber(std::string_view path, uint32_t value);

// Deletes a key with everything below it. The path names the key: its
// whole text after the root, a trailing separator allowed. True when the
// key is gone afterwards (also when there was none).
bool DeleteRegistryTree(std::string_view path);
bool DeleteRegistryValue(std::string_view path);

// nullopt when the value is missing or of the other type.
std::optional<std::string> ReadRegistryText(std::string_view path);
std::optional<uint32_t> ReadRegistryNumber(std::string_view path);

// The names of the keys directly below the key a path names (as for
// DeleteRegistryTree).
std::vector<std::string> RegistrySubkeys(std::string_view path);

}  // namespace prefig::platform
