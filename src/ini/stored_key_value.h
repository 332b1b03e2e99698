#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "ini/ini_text.h"

namespace prefig::ini {

// The value of SECTION/KEY as a read gives it, when the text holds the key.
inline std::optional<std::string> StoredKeyValue(std::string_view text, std::string_view section,
                                                 std::string_view key) {
  std::optional<SectionSpan> found = FindSection(text, section);
  std::optional<KeySpan> span = found ? FindKey(text, *found, key) : std::nullopt;
  if (!span) return std::nullopt;
  return std::string(ReadValue(text, *span));
}

}  // namespace prefig::ini
