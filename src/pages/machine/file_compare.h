#pragma once
#include "controls/auto_checkbox.h"
#include "pages/machine/machine_page.h"
#include "schema/file_compare.h"

namespace prefig {

// File compare: how the editor steps through, marks, ignores and prints the
// differences of two programs of the current machine type.
class DMchFilecompare : public WMachinePage {
 public:
  DMchFilecompare();

 private:
  WAutoCheckbox single_step_{this, 1454, schema::kSingleStep};
  WAutoCheckbox ignore_case_{this, 1461, schema::kIgnoreCase};
  WAutoCheckbox ignore_block_{this, 1462, schema::kIgnoreBlock};
  WAutoCheckbox ignore_zeros_{this, 1457, schema::kIgnoreTNumeric};
  WAutoCheckbox ignore_comments_{this, 1460, schema::kIgnoreComments};
  WAutoCheckbox ignore_white_space_{this, 1458, schema::kIgnoreWhiteSpace};
  WAutoCheckbox mark_changes_only_{this, 1455, schema::kMarkChangeOnly};
  WAutoCheckbox tab_switches_{this, 1449, schema::kTabSwitch};
  WAutoCheckbox smart_marking_{this, 1451, schema::kSmartMark};
  WAutoCheckbox next_after_sync_{this, 1452, schema::kAutoNext};
  WAutoCheckbox show_all_{this, 1465, schema::kShowAll};
  WAutoCheckbox print_differences_only_{this, 1466, schema::kPrnDiffOnly};
};

}  // namespace prefig
