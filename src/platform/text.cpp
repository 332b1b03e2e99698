#include "platform/text.h"

namespace prefig::platform {

bool IsTrimChar(char c) {
  return c == ' ' || c == '\n' || c == '\t' || c == '\v' || c == '\b' || c == '\r' || c == '\f' || c == '\a';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsTrimChar(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsTrimChar(s.back())) s.remove_suffix(1);
  return s;
}

std::string UpperCaseAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = UpperCaseChar(c);
  return out;
}

std::string LowerCaseAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = LowerCaseChar(c);
  return out;
}

std::vector<std::string> SplitCommaItems(std::string_view list) {
  std::vector<std::string> items;
  while (true) {
    size_t comma = list.find(',');
    std::string_view item = Trim(list.substr(0, comma));
    if (!item.empty()) items.emplace_back(item);
    if (comma == std::string_view::npos) return items;
    list.remove_prefix(comma + 1);
  }
}

}  // namespace prefig::platform
