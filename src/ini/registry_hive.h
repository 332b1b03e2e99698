#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text of one registry hive file: an INI file with a section per key
// (its path below the root, parts joined by `\`) and a line per value
// ("@" for the default value). Names are compared without regard to case,
// as the registry does; characters that an INI name cannot hold are
// written as %XX. Values are stored as given (the registry layer types
// them). Pure functions, so the file handling stays in one place: the
// registry (platform/registry.h) keeps the files and reads and writes their
// text through this format, which it cannot name from below; the library
// installs it as it loads.
namespace prefig::ini::hive {

std::optional<std::string> Lookup(std::string_view text, std::string_view key, std::string_view value);

// Each returns true when the text changed.
bool Set(std::string& text, std::string_view key, std::string_view value, std::string_view stored);
bool DeleteValue(std::string& text, std::string_view key, std::string_view value);  // an emptied key goes too
bool DeleteTree(std::string& text, std::string_view key);

// The names of the keys directly below `key` (empty: below the root), in
// the order they first appear.
std::vector<std::string> Subkeys(std::string_view text, std::string_view key);

}  // namespace prefig::ini::hive
