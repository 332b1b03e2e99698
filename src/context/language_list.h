#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace prefig {

// One installed language: the code (text 319 of its message file, at most
// 10 characters) and its own name (text 318, at most 64 bytes).
struct LanguageEntry {
  std::string code;
  std::string name;
};

inline constexpr size_t kLanguageListMax = 32;
inline constexpr size_t kLanguageNameMax = 64;

// The languages of the message files msg/msg_*.bin below `directory`, in
// the order of their file names (letter case ignored), at most 32. A file
// whose N or S is 0, or that is too short or damaged to hold both texts,
// is skipped.
std::vector<LanguageEntry> ListLanguages(const std::string& directory);

// The entry that one file's bytes give, or false (exposed for the fuzz target).
bool LanguageOfMessageFile(std::string_view bytes, LanguageEntry& entry);

}  // namespace prefig
