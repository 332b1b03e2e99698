#pragma once
#include <string>
#include <string_view>
#include <vector>

// Names the system keeps (extensions, registry keys, MIME globs) compared
// and changed in ASCII only, whatever locale the host has set; other bytes
// stay as they are. The INI engine one layer up keeps the same rules for
// its names.
namespace prefig::platform {

bool SameIgnoringCase(std::string_view a, std::string_view b);
std::string UpperCaseAscii(std::string_view s);
std::string LowerCaseAscii(std::string_view s);

// The items of a comma list with blanks and the control characters LF, TAB,
// VT, BS, CR, FF and BEL trimmed from either end; empty items left out.
std::vector<std::string> SplitCommaItems(std::string_view list);

}  // namespace prefig::platform
