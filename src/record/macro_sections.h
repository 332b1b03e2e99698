#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "schema/setting.h"

namespace prefig {

// "MACRO000", the section of macro 0.
std::string MacroSectionName(int number);

// The stored values of the macro sections MACRO000 ... of a machine type
// file (the macro's keys and its parameters' keys), found in one pass over
// a copy of the text by the store's reading rules: names without regard to
// case, the first of duplicate sections and keys wins, values trimmed and
// unquoted. Loading the library takes values from here and goes to the
// file only for what is missing or must be repaired.
class MacroSections {
 public:
  // Sections 0 to count - 1.
  MacroSections(std::string_view text, int count);

  bool Has(int section) const;
  // The value of a key of the macro section declarations (`member`: the
  // parameter's number), or nothing when the section lacks it.
  std::optional<std::string_view> Find(int section, const Setting& s, int member = 0) const;

 private:
  std::string text_;
  // Per section: empty when it is not there, else per key the value's
  // offset (high half) and length plus one (low half), 0 when missing; the
  // macro's keys first, then each parameter's.
  std::vector<std::vector<uint64_t>> sections_;
};

}  // namespace prefig
