#include "ini/profile_value.h"

#include <cstring>

#include "ini/ini_edit.h"
#include "platform/file_io.h"
#include "platform/module_log.h"

namespace prefig {

std::string ReadProfileValue(std::string_view section, std::string_view key, std::string_view def,
                             const std::string& filename) {
  std::string text;
  if (platform::ReadWholeFile(filename, text, platform::kProfileRetryWaitsMs) != platform::ReadStatus::kOk) {
    return std::string(def);
  }
  ini::NormaliseLoadedText(text);
  if (!ini::IsUsableSectionName(section) || !ini::IsUsableKeyName(key)) return std::string(def);
  auto found = ini::Locate(text, nullptr, section, key);
  return found ? std::string(ini::ReadValue(text, *found)) : std::string(def);
}

size_t ReadProfileValue(std::string_view section, std::string_view key, std::string_view def, char* buffer, size_t size,
                        const std::string& filename) {
  std::string value = ReadProfileValue(section, key, def, filename);
  if (buffer == nullptr || size == 0) return 0;
  size_t n = value.size() < size - 1 ? value.size() : size - 1;
  std::memcpy(buffer, value.data(), n);
  buffer[n] = '\0';
  return n;
}

bool WriteProfileValue(std::string_view section, std::string_view key, std::string_view value,
                       const std::string& filename, bool no_retry) {
  if (!ini::IsUsableSectionName(section) || !ini::IsUsableKeyName(key)) return false;
  std::span<const int> waits = no_retry ? std::span<const int>() : std::span<const int>(platform::kProfileRetryWaitsMs);
  platform::DirectoryLock lock(filename);
  std::string text;
  platform::ReadStatus status = platform::ReadWholeFile(filename, text, waits);
  if (status != platform::ReadStatus::kOk && status != platform::ReadStatus::kMissing) {
    LogLine("INI   : Could not read '%s', value %.*s not written", filename.c_str(), static_cast<int>(key.size()),
            key.data());
    return false;
  }
  if (status == platform::ReadStatus::kMissing) text.clear();
  ini::NormaliseLoadedText(text);
  if (!ini::ApplyEdit(text, nullptr, ini::EditKind::kSet, section, key, ini::CleanRawValue(ini::EncodeText(value)))) {
    return true;
  }
  if (int error = platform::ReplaceFile(filename, text, waits)) {
    LogLine("INI   : Could not write '%s': %s", filename.c_str(), std::strerror(error));
    return false;
  }
  return true;
}

}  // namespace prefig
