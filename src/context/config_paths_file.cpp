#include "context/config_paths_file.h"

namespace prefig {
namespace {

bool IsPathsTrimChar(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view TrimPaths(std::string_view s) {
  while (!s.empty() && IsPathsTrimChar(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsPathsTrimChar(s.back())) s.remove_suffix(1);
  return s;
}

bool ReadsBack(std::string_view text, std::string_view forbidden) {
  return text == TrimPaths(text) && text.find_first_of(forbidden) == std::string_view::npos;
}

}  // namespace

void ParsePathsText(std::string_view text, PathTable& table) {
  while (!text.empty()) {
    size_t end = text.find_first_of(std::string_view("\r\n\0", 3));
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    line = line.substr(0, line.find('#'));
    size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    std::string_view key = TrimPaths(line.substr(0, equals));
    if (key.empty()) continue;
    table.Set(key, TrimPaths(line.substr(equals + 1)));
  }
}

std::optional<std::string> FormatPathsText(const PathTable& table) {
  static constexpr std::string_view kLineBreaks("#\r\n\0", 4);
  std::string text(kConfigPathsHeader);
  for (const PathTable::Entry& entry : table) {
    if (entry.key.empty() || !ReadsBack(entry.key, std::string_view("=#\r\n\0", 5)) ||
        !ReadsBack(entry.value, kLineBreaks)) {
      return std::nullopt;
    }
    text += entry.key + " = " + entry.value + "\r\n";
  }
  return text;
}

}  // namespace prefig
