#include "pages/machine/file_compare.h"

namespace prefig {
namespace {

constexpr int kTitleId = 1009;
constexpr int kSettingsGroupId = 1456;
constexpr int kIgnoreGroupId = 1459;
constexpr int kPrintingGroupId = 1463;

}  // namespace

// Smart marking only means something while only changes are marked; its
// check stays as it is, and is saved, while it is disabled.
DMchFilecompare::DMchFilecompare() : WMachinePage(kTitleId, schema::kFileComparePage) {
  using namespace layout;
  EnableWhen(smart_marking_, mark_changes_only_);
  SetLayout(Column{
      Group{kSettingsGroupId,
            {single_step_, show_all_, next_after_sync_, tab_switches_, mark_changes_only_, smart_marking_}},
      Group{kIgnoreGroupId, {ignore_block_, ignore_white_space_, ignore_comments_, ignore_case_, ignore_zeros_}},
      Group{kPrintingGroupId, {print_differences_only_}},
      Stretch{},
  });
}

}  // namespace prefig
