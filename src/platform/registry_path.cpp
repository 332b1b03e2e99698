#include "platform/registry_path.h"

namespace prefig::platform {
namespace {

struct RootEntry {
  RegistryRoot root;
  std::string_view name;
};

constexpr RootEntry kRoots[] = {
    {RegistryRoot::kLocalMachine, "HKEY_LOCAL_MACHINE"},   {RegistryRoot::kClassesRoot, "HKEY_CLASSES_ROOT"},
    {RegistryRoot::kCurrentUser, "HKEY_CURRENT_USER"},     {RegistryRoot::kUsers, "HKEY_USERS"},
    {RegistryRoot::kCurrentConfig, "HKEY_CURRENT_CONFIG"},
};

}  // namespace

std::string_view RootName(RegistryRoot root) {
  for (const RootEntry& entry : kRoots) {
    if (entry.root == root) return entry.name;
  }
  return {};
}

std::optional<RegistryPath> ParseRegistryPath(std::string_view text) {
  if (text.size() > kRegistryPathMax) return std::nullopt;
  const RootEntry* found = nullptr;
  for (const RootEntry& entry : kRoots) {
    if (text.starts_with(entry.name)) found = &entry;
  }
  if (found == nullptr) return std::nullopt;
  char separator = text.find('\\') != std::string_view::npos ? '\\' : '/';
  size_t first = text.find(separator);
  size_t last = text.rfind(separator);
  if (first == std::string_view::npos) return std::nullopt;
  RegistryPath path;
  path.root = found->root;
  path.key = std::string(text.substr(first + 1, last > first ? last - first - 1 : 0));
  path.value = std::string(text.substr(last + 1));
  if (separator == '/') {
    for (char& c : path.key) c = c == '/' ? '\\' : c;
  }
  return path;
}

}  // namespace prefig::platform
