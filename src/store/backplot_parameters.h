#pragma once
#include <string>
#include <string_view>

namespace prefig {

class SettingValues;

// Items separated by commas, with the white space around them removed,
// empty ones dropped, joined by single commas.
std::string NormaliseCommaList(std::string_view text);

// The backplot parameter string of a machine type: its syntax and unit
// settings as NAME=value; pairs in the order the host's backplot reads
// them. The map letters are normalised in `values` on the way.
std::string BuildBackplotParameters(SettingValues& values);

}  // namespace prefig
