#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry_path.h"

// A small registry of our own in place of the system's: one hive file per
// root, in the format that HiveFormat gives (ini/registry_hive.h). The
// current user's hive lives in the user's configuration directory; the
// machine-wide roots in a system directory,
// $PREFIG_MACHINE_REGISTRY when set (tests, packagers), else
// /etc/prefig/registry. Only an administrator writes a machine-wide root.
// Every change replaces its hive file atomically under a directory lock,
// so a change, a tree deletion included, is all or nothing.
namespace prefig::platform {

inline constexpr const char* kMachineRegistryVariable = "PREFIG_MACHINE_REGISTRY";

// The text format of a hive file. The registry keeps the files (where they
// lie, the lock, the safe replacement); the format is the INI text engine's,
// a layer above, which installs it when the library loads. Without one
// every registry call fails.
struct HiveFormat {
  // The bytes of a file as read, made ready for the calls below.
  void (*normalise)(std::string& text);
  std::optional<std::string> (*lookup)(std::string_view text, std::string_view key, std::string_view value);
  // These return true when the text changed.
  bool (*set)(std::string& text, std::string_view key, std::string_view value, std::string_view stored);
  bool (*delete_value)(std::string& text, std::string_view key, std::string_view value);
  bool (*delete_tree)(std::string& text, std::string_view key);
  // The keys directly below `key`, in the order they first appear.
  std::vector<std::string> (*subkeys)(std::string_view text, std::string_view key);
};
void SetHiveFormat(const HiveFormat* format);

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
