#pragma once
#include <string>

namespace prefig {

class SettingValues;

// The backplot parameter string of a machine type: its syntax and unit
// settings as NAME=value; pairs in the order the host's backplot reads
// them. The map letters are normalised in `values` on the way.
std::string BuildBackplotParameters(SettingValues& values);

}  // namespace prefig
