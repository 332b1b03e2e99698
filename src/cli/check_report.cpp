#include "cli/check_report.h"

#include <algorithm>

#include "ini/ini_text.h"

namespace prefig::cli {

void CheckReport::Add(Level level, const std::string& file, int line, std::string message, const char* check) {
  static constexpr const char* kLevelNames[] = {"error", "warning", "note"};
  if (level == Level::kError) ++errors_;
  text_ += file + ":" + std::to_string(line) + ": " + kLevelNames[static_cast<int>(level)] + ": " + message + " [" +
           check + "]\n";
}

int LineAt(std::string_view text, size_t offset) {
  offset = std::min(offset, text.size());
  return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

int KeyLine(std::string_view text, std::string_view section, std::string_view key) {
  std::optional<ini::SectionSpan> found = ini::FindSection(text, section);
  if (!found) return 1;
  if (std::optional<ini::KeySpan> span = ini::FindKey(text, *found, key)) return LineAt(text, span->key);
  return LineAt(text, found->bracket);
}

}  // namespace prefig::cli
