#include "platform/text.h"

namespace prefig::platform {
namespace {

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsTrimmed(char c) {
  return c == ' ' || c == '\n' || c == '\t' || c == '\v' || c == '\b' || c == '\r' || c == '\f' || c == '\a';
}

}  // namespace

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Upper(a[i]) != Upper(b[i])) return false;
  }
  return true;
}

std::string UpperCaseAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = Upper(c);
  return out;
}

std::string LowerCaseAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = Lower(c);
  return out;
}

std::vector<std::string> SplitCommaItems(std::string_view list) {
  std::vector<std::string> items;
  while (true) {
    size_t comma = list.find(',');
    std::string_view item = list.substr(0, comma);
    while (!item.empty() && IsTrimmed(item.front())) item.remove_prefix(1);
    while (!item.empty() && IsTrimmed(item.back())) item.remove_suffix(1);
    if (!item.empty()) items.emplace_back(item);
    if (comma == std::string_view::npos) return items;
    list.remove_prefix(comma + 1);
  }
}

}  // namespace prefig::platform
