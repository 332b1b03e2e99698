#pragma once
#include "controls/auto_checkbox.h"
#include "controls/combo_box.h"
#include "controls/spin_value.h"
#include "pages/machine/machine_page.h"
#include "schema/machine_general.h"

namespace prefig {

// General machine settings: printing columns, the column indicator and
// spaces inserted on opening, of the current machine type.
class DMchGeneral : public WMachinePage {
 public:
  DMchGeneral();

 private:
  WComboBox print_columns_{this, 1548, schema::kPrintCol, {"1", "2", "3", "4"}, WComboBox::Value::kNumber};
  WSpinValue column_indicator_{this, 1549, schema::kColIndicator, {.step = 10}};
  WAutoCheckbox insert_spaces_{this, 1550, schema::kLoadInsertWs};
};

}  // namespace prefig
