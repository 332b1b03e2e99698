#include "support/ini_keys.h"

#include "ini/ini_text.h"

namespace prefig::test {

std::vector<std::string> KeysOfSection(std::string_view text, std::string_view section) {
  std::vector<std::string> keys;
  bool inside = false;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = ini::Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      inside = ini::SameName(ini::Trim(line.substr(1, line.size() - 2)), section);
    } else if (inside && !line.empty() && line.front() != ';' && line.find('=') != std::string_view::npos) {
      keys.emplace_back(ini::Trim(line.substr(0, line.find('='))));
    }
  }
  return keys;
}

}  // namespace prefig::test
