#pragma once
#include "controls/auto_checkbox.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/nc_preview.h"
#include "controls/spin_value.h"
#include "pages/machine/machine_page.h"
#include "schema/control_syntax.h"

namespace prefig {

// Machine: the control's syntax characters, NC words, units, rapid rate and
// decimals of the current machine type.
class DMchMachine : public WMachinePage {
 public:
  DMchMachine();

 private:
  void OnLoad(bool first_time) override;
  void OnSave() override;
  void OnDefaults() override;
  void OnUpdate() override;
  void OnEdited(WControl& control) override;
  // The sample program with the syntax characters the page shows.
  void ShowPreview();

  WEdit comment_start_{this, 1406, schema::kCommentStart};
  WEdit comment_end_{this, 1407, schema::kCommentEnd};
  WEdit block_skip_{this, 1408, schema::kBlockSkip};
  WEdit decimal_point_{this, 1405, schema::kDecimal};
  WAutoCheckbox multi_line_comments_{this, 1425, schema::kMlcEnabled};
  WEdit multi_line_start_{this, 1423, schema::kMlcStart};
  WEdit multi_line_end_{this, 1424, schema::kMlcEnd};
  WAutoCheckbox block_skip_after_{this, 1421, schema::kBlockSkipAfter};
  WAutoCheckbox decimal_gray_key_{this, 1422, schema::kDecimalGrayKey};
  WEdit tool_change_{this, 1410, schema::kToolChange};
  WEdit feed_{this, 1412, schema::kFeed};
  WEdit tool_load_{this, 1409, schema::kToolLoad};
  WEdit speed_{this, 1411, schema::kSpeed};
  WSpinValue decimals_{this, 1414, schema::kDecimalCount};
  // RAPIDRATE is a text in the file; the page offers it as a number.
  WSpinValue rapid_rate_{this, 1413};
  WComboBox path_units_{this,
                        1415,
                        schema::kPathUnits,
                        {"mm", "mm / 100", "mm / 1000", "m", "inches", "inches / 1000"},
                        WComboBox::Value::kIndex};
  WComboBox feed_units_{this,
                        1416,
                        schema::kFeedUnits,
                        {"mm / min", "m / min", "mm / s", "m / s", "feet / min", "inch / min", "feet / s", "inch / s"},
                        WComboBox::Value::kIndex};
  WComboBox turn_path_units_{this, 1415, schema::kTurnPathUnits, {11443, 11442}};
  WComboBox turn_feed_units_{this, 1416, schema::kTurnFeedUnits, {1426, 1427}};
  // The backplot page owns the arc type; it stays here, hidden, as the
  // machine section's saver has always written it with this page.
  WComboBox arc_type_{this, 1417, schema::kArcType, {2578, 2579, 2580, 2581, 2582}};
  WNcPreview preview_{this, 16200};
};

}  // namespace prefig
