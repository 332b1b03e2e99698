#include "platform/registry.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "platform/environment.h"
#include "platform/file_io.h"
#include "platform/privileges.h"

namespace prefig::platform {
namespace {

constexpr const char* kMachineRegistryDirectory = "/etc/prefig/registry";
constexpr const char* kUserRegistryDirectory = "/prefig/registry";
constexpr const char* kHiveSuffix = ".ini";
constexpr std::string_view kNumberPrefix = "dword:";

const HiveFormat* g_format = nullptr;

// Text values are stored in double quotes, numbers as dword:%08x, so the
// type survives and the text is kept exactly (the reader takes the quotes
// off again).
std::string StoreText(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::optional<std::string> TextOf(std::string_view stored) {
  if (stored.size() < 2 || stored.front() != '"' || stored.back() != '"') return std::nullopt;
  return std::string(stored.substr(1, stored.size() - 2));
}

std::string StoreNumber(uint32_t value) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%s%08x", kNumberPrefix.data(), static_cast<unsigned>(value));
  return buffer;
}

std::optional<uint32_t> NumberOf(std::string_view stored) {
  if (!stored.starts_with(kNumberPrefix) || stored.size() != kNumberPrefix.size() + 8) return std::nullopt;
  std::string_view digits = stored.substr(kNumberPrefix.size());
  uint32_t value = 0;
  auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  if (result.ec != std::errc() || result.ptr != digits.data() + digits.size()) return std::nullopt;
  return value;
}

// The key a path names as a whole (see DeleteRegistryTree).
std::optional<RegistryPath> KeyPath(std::string_view text) {
  auto path = ParseRegistryPath(text);
  if (!path) return std::nullopt;
  if (!path->value.empty()) {
    path->key = path->key.empty() ? path->value : path->key + "\\" + path->value;
    path->value.clear();
  }
  return path;
}

bool ReadHive(RegistryRoot root, std::string& text) {
  if (g_format == nullptr) return false;
  ReadStatus status = ReadWholeFile(RegistryHiveFile(root), text);
  if (status == ReadStatus::kMissing) text.clear();
  if (status != ReadStatus::kOk && status != ReadStatus::kMissing) return false;
  g_format->normalise(text);
  return true;
}

// Read, change and replace one hive under its lock. `edit` returns whether
// it changed the text.
template <typename Edit>
bool UpdateHive(RegistryRoot root, Edit edit) {
  if (IsMachineWide(root) && !IsAdministrator()) return false;
  std::string file = RegistryHiveFile(root);
  if (CreateDirectoryPath(DirectoryOf(file)) != 0) return false;
  DirectoryLock lock(file);
  std::string text;
  if (!ReadHive(root, text)) return false;
  if (!edit(text)) return true;
  return ReplaceFile(file, text) == 0;
}

bool WriteValue(std::string_view text_path, const std::string& stored) {
  auto path = ParseRegistryPath(text_path);
  if (!path || path->key.empty()) return false;
  return UpdateHive(path->root, [&](std::string& text) { return g_format->set(text, path->key, path->value, stored); });
}

std::optional<std::string> ReadValue(std::string_view text_path) {
  auto path = ParseRegistryPath(text_path);
  std::string text;
  if (!path || path->key.empty() || !ReadHive(path->root, text)) return std::nullopt;
  return g_format->lookup(text, path->key, path->value);
}

}  // namespace

void SetHiveFormat(const HiveFormat* format) { g_format = format; }

std::string RegistryHiveFile(RegistryRoot root) {
  std::string dir;
  if (!IsMachineWide(root)) {
    dir = UserConfigDirectory() + kUserRegistryDirectory;
  } else if (const char* machine = std::getenv(kMachineRegistryVariable); machine != nullptr && machine[0] != '\0') {
    dir = machine;
  } else {
    dir = kMachineRegistryDirectory;
  }
  return dir + "/" + std::string(RootName(root)) + kHiveSuffix;
}

bool WriteRegistryText(std::string_view path, std::string_view text) {
  // A line break would end the value early; a value is one line.
  if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
  return WriteValue(path, StoreText(text));
}

bool WriteRegistryNumber(std::string_view path, uint32_t value) { return WriteValue(path, StoreNumber(value)); }

bool DeleteRegistryTree(std::string_view text_path) {
  auto path = KeyPath(text_path);
  if (!path || path->key.empty()) return false;
  return UpdateHive(path->root, [&](std::string& text) { return g_format->delete_tree(text, path->key); });
}

bool DeleteRegistryValue(std::string_view text_path) {
  auto path = ParseRegistryPath(text_path);
  if (!path || path->key.empty()) return false;
  return UpdateHive(path->root,
                    [&](std::string& text) { return g_format->delete_value(text, path->key, path->value); });
}

std::optional<std::string> ReadRegistryText(std::string_view path) {
  auto stored = ReadValue(path);
  return stored ? TextOf(*stored) : std::nullopt;
}

std::optional<uint32_t> ReadRegistryNumber(std::string_view path) {
  auto stored = ReadValue(path);
  return stored ? NumberOf(*stored) : std::nullopt;
}

std::vector<std::string> RegistrySubkeys(std::string_view text_path) {
  auto path = KeyPath(text_path);
  std::string text;
  if (!path || !ReadHive(path->root, text)) return {};
  return g_format->subkeys(text, path->key);
}

}  // namespace prefig::platform
