#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace prefig {

// A pattern setting as the settings files keep it: a two-character prefix
// telling how the text is meant, then the text.
inline constexpr std::string_view kPlainPatternPrefix = "1:";
inline constexpr std::string_view kRegexPatternPrefix = "2:";
// The longest text that is stored after the prefix.
inline constexpr size_t kMaxStoredPatternText = 1021;

struct StoredPattern {
  std::string text;
  bool regex = false;  // false: a plain entry
};

// A value without either prefix is a plain entry, taken whole.
StoredPattern ParseStoredPattern(std::string_view stored);
// The prefix and at most kMaxStoredPatternText characters of the text.
std::string FormatStoredPattern(const StoredPattern& pattern);

}  // namespace prefig
