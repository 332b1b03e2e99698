#pragma once
#include <array>
#include <string>
#include <string_view>

#include "controls/auto_checkbox.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/edit_field.h"
#include "controls/spin_value.h"
#include "pages/machine/machine_page.h"
#include "schema/renumber.h"

namespace prefig {

// A skip list as the renumbering keeps it: items trimmed, empty ones
// dropped, no trailing comma, but a comma that opens the list stays (it
// marks lines that start with nothing in particular).
std::string CompactSkipList(std::string_view text);

// Renumbering: automatic block numbering and the options of the renumber
// command of the current machine type. Default takes the values of the
// type file's own "RENUM DEFAULT" section, so a template brings its own.
class DMchRenum : public WMachinePage {
 public:
  DMchRenum();

 private:
  void OnLoad(bool first_time) override;
  void OnSave() override;
  void OnDefaults() override;

  struct NumberField {
    WEditField* field;
    const Setting* setting;
    int none;  // the stored value that the field shows blank
  };
  std::array<NumberField, 4> NumberFields();

  WAutoCheckbox auto_numbering_{this, 1331, schema::kRenumAuto};
  WAutoCheckbox existing_only_{this, 1336, schema::kRenumExistOnly};
  WAutoCheckbox renumber_empty_{this, 1335, schema::kRenumEmpty};
  WAutoCheckbox show_quick_{this, 1337, schema::kShowQuick};
  WAutoCheckbox undo_large_{this, 1330, schema::kUndoLarge};
  WAutoCheckbox auto_indent_{this, 1332, schema::kAutoIndent};
  WComboBox format_{this,
                    1355,
                    schema::kRenumFormat,
                    {"1", "01", "001", "0001", "00001", "000001", "0000001", "00000001", "000000001", "0000000001"},
                    WComboBox::Value::kIndex};
  WComboBox interval_{this,
                      1347,
                      schema::kRenumInterval,
                      {"1", "2", "5", "10", "20", "100", "1000", "Auto 100", "Auto 1000", "Auto 10000", "Auto 100000",
                       "Auto 1000000", "Auto 10000000", "Auto 100000000"},
                      WComboBox::Value::kIndex};
  WEdit preceding_{this, 1343, schema::kPreceedeStr};
  WSpinValue spaces_{this, 1348, schema::kInsertSpace};
  WEdit skip_starting_{this, 1340, schema::kRenumSkip};
  WEdit skip_containing_{this, 1352, schema::kRenumSkipContain};
  // Numbers where a blank field means "none": the hooks show and store them.
  WEditField start_{this, 1339, WEditField::Mode::kUnsigned};
  WEditField restart_{this, 1342, WEditField::Mode::kUnsigned};
  WSpinValue start_from_{this, 1349, schema::kStartFrom};
  WSpinValue skip_over_{this, 1350, schema::kSkipOver};
  WEdit alternate_{this, 1344, schema::kPreceedeStrAlt};
  WEditField from_{this, 1353, WEditField::Mode::kUnsigned};
  WEditField to_{this, 1338, WEditField::Mode::kUnsigned};
  WEdit restart_trigger_{this, 1345, schema::kRenumRestartTrig};
  WEdit start_trigger_{this, 1333, schema::kStartTrig};
  WAutoCheckbox start_next_{this, 1334, schema::kStartNext};
  WAutoCheckbox canned_cycles_{this, 1351, schema::kRenumCanned};
};

}  // namespace prefig
