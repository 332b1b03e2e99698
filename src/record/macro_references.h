#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace prefig {

// Parameter references in the lines of a macro. A dollar sign followed by
// a number n refers to parameter n as a value, an at sign followed by n as
// a function parameter:
//   - the number is the whole run of decimal digits after the sign, and a
//     reference only when it is 1 to 60, the most parameters a macro has
//     ("$61", "$0", a sign at the end of a line or before anything else
//     stay text);
//   - "${n}" and "@{n}" are the same references, so that digits may follow
//     one ("${1}0" is parameter 1, then "0"); any other brace is text, and
//     references inside formulas in braces ("{$1*2}") count as anywhere;
//   - "#" and "|" are text like any other character: they end a number and
//     never hide a sign, so "#$1" is "#" and parameter 1, and NC variables
//     such as "#101" or a "|" separator are left alone.
struct ParameterReference {
  size_t digits = 0;  // where the number begins in the line
  size_t length = 0;  // how many digits
  int number = 0;
  bool function = false;  // written with the at sign
};

std::vector<ParameterReference> FindReferences(std::string_view line);

// The line with every reference to a parameter n that has a new number
// (new_numbers[n] > 0) written with that number; the other references and
// all text stay as they are.
std::string RenumberReferences(std::string_view line, std::span<const int> new_numbers);

}  // namespace prefig
