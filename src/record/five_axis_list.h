#pragma once
#include <optional>
#include <vector>

#include "record/five_axis_record.h"

namespace prefig {

// The machine list of the 5-axis dialog: the user's machines first (the
// only editable entries), then the template machines, then the template
// machines again in inches. An entry's text is its record's name.
struct FiveAxisList {
  std::vector<FiveAxisRecord> entries;
  int user_count = 0;
  int selection = 0;
};

inline constexpr double kMillimetresPerInch = 25.4;
// The template with its six offset lengths in inches, named "NAME (Imperial)".
FiveAxisRecord ImperialFiveAxisRecord(const FiveAxisRecord& metric);

// Builds the list and selects the host's current machine: the first entry
// with its identity value, or else a copy of it inserted after the user
// machines (when it has a name). With nothing at all to offer, the list is
// the default record alone, which is not a user machine.
FiveAxisList BuildFiveAxisList(std::vector<FiveAxisRecord> user, const std::vector<FiveAxisRecord>& templates,
                               const std::optional<FiveAxisRecord>& current);

}  // namespace prefig
