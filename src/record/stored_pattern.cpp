#include "record/stored_pattern.h"

namespace prefig {

StoredPattern ParseStoredPattern(std::string_view stored) {
  if (stored.starts_with(kRegexPatternPrefix)) return {std::string(stored.substr(kRegexPatternPrefix.size())), true};
  if (stored.starts_with(kPlainPatternPrefix)) return {std::string(stored.substr(kPlainPatternPrefix.size())), false};
  return {std::string(stored), false};
}

std::string FormatStoredPattern(const StoredPattern& pattern) {
  std::string stored(pattern.regex ? kRegexPatternPrefix : kPlainPatternPrefix);
  stored.append(pattern.text, 0, kMaxStoredPatternText);
  return stored;
}

}  // namespace prefig
