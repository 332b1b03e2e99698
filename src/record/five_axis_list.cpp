#include "record/five_axis_list.h"

namespace prefig {
namespace {

constexpr const char* kImperial = "Imperial";

}  // namespace

FiveAxisRecord ImperialFiveAxisRecord(const FiveAxisRecord& metric) {
  FiveAxisRecord inches = metric;
  inches.name = FiveAxisName(metric.name + " (" + kImperial + ")");
  for (FiveAxisRotary* axis : {&inches.axis1, &inches.axis2}) {
    for (double& v : axis->offset) v /= kMillimetresPerInch;
  }
  return inches;
}

FiveAxisList BuildFiveAxisList(std::vector<FiveAxisRecord> user, const std::vector<FiveAxisRecord>& templates,
                               const std::optional<FiveAxisRecord>& current) {
  FiveAxisList list;
  list.user_count = static_cast<int>(user.size());
  list.entries = std::move(user);
  list.entries.insert(list.entries.end(), templates.begin(), templates.end());
  for (const FiveAxisRecord& metric : templates) list.entries.push_back(ImperialFiveAxisRecord(metric));

  bool current_named = current && !current->name.empty();
  if (list.entries.empty() && !current_named) {
    list.entries.push_back(DefaultFiveAxisRecord());
    return list;
  }
  if (current) {
    uint32_t wanted = FiveAxisIdentity(*current);
    for (size_t i = 0; i < list.entries.size(); ++i) {
      if (FiveAxisIdentity(list.entries[i]) == wanted) {
        list.selection = static_cast<int>(i);
        return list;
      }
    }
  }
  if (current_named) {
    // The host's machine becomes a user machine and stays selected, so that
    // OK without a choice keeps it.
    list.entries.insert(list.entries.begin() + list.user_count, *current);
    list.selection = list.user_count++;
  }
  return list;
}

}  // namespace prefig
