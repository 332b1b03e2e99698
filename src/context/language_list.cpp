#include "context/language_list.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "context/language_code.h"
#include "context/message_file.h"
#include "context/message_ids.h"
#include "context/utf8.h"
#include "ini/ini_text.h"
#include "platform/file_io.h"

namespace prefig {
namespace {

// How much of the block from text 318 on is looked at: enough for a name
// and a code, far more than they ever need.
constexpr size_t kRoleBytes = 1025;

bool IsMessageFileName(const std::string& name) {
  const size_t prefix = kMessageFilePrefix.size(), suffix = kMessageFileExtension.size();
  return name.size() > prefix + suffix && ini::SameName(std::string_view(name).substr(0, prefix), kMessageFilePrefix) &&
         ini::SameName(std::string_view(name).substr(name.size() - suffix), kMessageFileExtension);
}

bool NameBefore(const std::string& a, const std::string& b) {
  std::string upper_a = ini::UpperCase(a), upper_b = ini::UpperCase(b);
  return upper_a != upper_b ? upper_a < upper_b : a < b;
}

}  // namespace

bool LanguageOfMessageFile(std::string_view bytes, LanguageEntry& entry) {
  if (bytes.size() < kMessageFileHeaderBytes) return false;
  const uint64_t count = MessageFileWord(bytes, 0);
  const uint64_t size = MessageFileWord(bytes, 4);
  const uint64_t block_start = kMessageFileHeaderBytes + 4 * count;
  if (count == 0 || size == 0) return false;
  if (count <= kLanguageCodeMessageId || block_start > bytes.size()) return false;
  const uint64_t offset = MessageFileWord(bytes, kMessageFileHeaderBytes + 4 * size_t{kLanguageNameMessageId});
  if (offset >= size || block_start + offset >= bytes.size()) return false;

  const uint64_t available = std::min<uint64_t>({kRoleBytes, size - offset, bytes.size() - block_start - offset});
  std::string roles(bytes.substr(block_start + offset, available));
  ScrambleMessageBytes(roles.data(), roles.size());
  // The name, then the code right after it, each with its terminator
  // inside what was read.
  const size_t name_end = roles.find('\0');
  if (name_end == std::string::npos) return false;
  const size_t code_end = roles.find('\0', name_end + 1);
  if (code_end == std::string::npos) return false;
  std::string_view name(roles.data(), name_end);
  std::string_view code = std::string_view(roles).substr(name_end + 1, code_end - name_end - 1);
  code = code.substr(0, kLanguageCodeMax);
  if (!IsUsableLanguageCode(code)) return false;
  entry.code = std::string(code);
  entry.name = std::string(CutUtf8(name, kLanguageNameMax));
  return true;
}

std::vector<LanguageEntry> ListLanguages(const std::string& directory) {
  std::vector<std::string> names;
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::path(directory) / kMessageDirectoryName;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::string name = it->path().filename().string();
    if (IsMessageFileName(name) && it->is_regular_file(error)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), NameBefore);

  std::vector<LanguageEntry> languages;
  for (const std::string& name : names) {
    if (languages.size() == kLanguageListMax) break;
    std::string bytes;
    if (platform::ReadWholeFile((folder / name).string(), bytes) != platform::ReadStatus::kOk) continue;
    LanguageEntry entry;
    if (LanguageOfMessageFile(bytes, entry)) languages.push_back(std::move(entry));
  }
  return languages;
}

}  // namespace prefig
