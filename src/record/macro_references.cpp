#include "record/macro_references.h"

#include "platform/text.h"
#include "schema/macro_library.h"

namespace prefig {
namespace {

// The run of digits at `pos` as a number, or 0 when it is not one from 1
// to schema::kMacroParameterMax; `end` receives where the run ends.
int NumberAt(std::string_view line, size_t pos, size_t& end) {
  int number = 0;
  end = pos;
  while (end < line.size() && platform::IsDigit(line[end])) {
    if (number <= schema::kMacroParameterMax) number = number * 10 + (line[end] - '0');
    ++end;
  }
  return number >= 1 && number <= schema::kMacroParameterMax ? number : 0;
}

}  // namespace

std::vector<ParameterReference> FindReferences(std::string_view line) {
  std::vector<ParameterReference> found;
  for (size_t pos = 0; pos < line.size(); ++pos) {
    char sign = line[pos];
    if (sign != '$' && sign != '@') continue;
    bool braced = pos + 1 < line.size() && line[pos + 1] == '{';
    size_t digits = pos + (braced ? 2 : 1), end = 0;
    int number = NumberAt(line, digits, end);
    if (number == 0 || (braced && (end >= line.size() || line[end] != '}'))) continue;
    found.push_back({digits, end - digits, number, sign == '@'});
    pos = end - 1;
  }
  return found;
}

std::string RenumberReferences(std::string_view line, std::span<const int> new_numbers) {
  std::string out;
  out.reserve(line.size());
  size_t copied = 0;
  for (const ParameterReference& ref : FindReferences(line)) {
    int renumbered = ref.number < static_cast<int>(new_numbers.size()) ? new_numbers[ref.number] : 0;
    if (renumbered <= 0) continue;
    out.append(line.substr(copied, ref.digits - copied));
    out += std::to_string(renumbered);
    copied = ref.digits + ref.length;
  }
  out.append(line.substr(copied));
  return out;
}

}  // namespace prefig
