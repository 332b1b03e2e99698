#pragma once
#include <string>
#include <string_view>

// What the Load/save page stores for the extensions a user types.
namespace prefig::extensions {

inline constexpr size_t kLengthMax = 32;
inline constexpr size_t kListMax = 16;

// The default extension: trimmed, without a leading ".", at most 32
// characters, without the characters that cannot stand in a file name;
// its letter case is kept.
std::string CleanDefault(std::string_view text);
// The additional extensions, a comma list: each piece trimmed, without a
// leading ".", upper-cased, cut to 32 characters and cleaned as above;
// empty pieces and a lone "." are dropped, the first 16 kept, joined by ",".
std::string CleanList(std::string_view text);

}  // namespace prefig::extensions
