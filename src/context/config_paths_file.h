#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "context/path_table.h"

namespace prefig {

inline constexpr std::string_view kConfigPathsFileName = "ConfigPaths.cfg";

// The fixed opening of every written ConfigPaths.cfg.
inline constexpr std::string_view kConfigPathsHeader =
    "#########################################################################\r\n"
    "# This file is used to set the path to configuration directories.\r\n"
    "# See ConfigPath-sample.cfg for more information.\r\n"
    "#########################################################################\r\n"
    "\r\n";

// Reads the lines of a ConfigPaths.cfg text into the table, raw (nothing
// resolved): a line ends at CR, LF or a zero byte; "#" starts a comment;
// the key is the text before the first "=", the value the text after it,
// both without blanks, tabs and line ends around them; the key is turned to
// upper case; a line without "=" or with an empty key is ignored; a later
// line replaces an earlier one of the same key.
void ParsePathsText(std::string_view text, PathTable& table);

// The written form: the header, then "KEY = value" with CR LF per entry in
// table order. nullopt when an entry would not read back as it is (a value
// holding "#" or a line break, a key holding "=").
std::optional<std::string> FormatPathsText(const PathTable& table);

}  // namespace prefig
