#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace prefig::platform {

enum class RegistryRoot { kLocalMachine, kClassesRoot, kCurrentUser, kUsers, kCurrentConfig };

inline constexpr size_t kRegistryPathMax = 1023;

// "HKEY_LOCAL_MACHINE" and so on.
std::string_view RootName(RegistryRoot root);

// Every root but the current user's is shared by all users of the machine.
inline bool IsMachineWide(RegistryRoot root) { return root != RegistryRoot::kCurrentUser; }

// One registry path text, "ROOT\key\...\name": the root by the prefix of
// the text, the key between the first and the last separator, the value
// name after the last; a text that ends in a separator names the key's
// default value (an empty name). `/` separates where the text has no `\`.
// The key comes back with `\` between its parts.
struct RegistryPath {
  RegistryRoot root = RegistryRoot::kCurrentUser;
  std::string key;
  std::string value;
};
// nullopt for an unknown root, a text without a separator after the root,
// or one longer than kRegistryPathMax.
std::optional<RegistryPath> ParseRegistryPath(std::string_view text);

}  // namespace prefig::platform
