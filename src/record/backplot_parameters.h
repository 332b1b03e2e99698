#pragma once
#include <string>
#include <string_view>

namespace prefig {

class SettingValues;

// The backplot parameter string of a machine type: its syntax and unit
// settings as NAME=value; pairs in the order the host's backplot reads
// them. The map letters are normalised in `values` on the way.
std::string BuildBackplotParameters(SettingValues& values);

// The map letters as stored: no ";", a comma list without blanks around
// its items and without empty items.
std::string NormaliseMapLetters(std::string_view text);

}  // namespace prefig
