#pragma once
#include <string>
#include <string_view>
#include <vector>

// Names the system keeps (extensions, registry keys, MIME globs) compared
// and changed in ASCII only, whatever locale the host has set; other bytes
// stay as they are. The INI engine one layer up uses the same rules for
// its names.
namespace prefig::platform {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline char UpperCaseChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
inline char LowerCaseChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
// Inline: the INI engine compares every section and key name with it.
inline bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && UpperCaseChar(a[i]) != UpperCaseChar(b[i])) return false;
  }
  return true;
}
std::string UpperCaseAscii(std::string_view s);
std::string LowerCaseAscii(std::string_view s);

// Trimming removes blanks and the control characters LF, TAB, VT, BS, CR,
// FF and BEL from either end.
bool IsTrimChar(char c);
std::string_view Trim(std::string_view s);
// The items of a comma list, trimmed; empty items left out.
std::vector<std::string> SplitCommaItems(std::string_view list);

}  // namespace prefig::platform
