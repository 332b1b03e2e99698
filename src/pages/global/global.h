#pragma once
#include "controls/auto_checkbox.h"
#include "controls/combo_box.h"
#include "controls/push_button.h"
#include "controls/spin_value.h"
#include "pages/config_base.h"

namespace prefig {

// The General page: program-wide behaviour of the editor.
class DGlobal : public WPrefigBase {
 public:
  DGlobal();

 private:
  void OnLoad(bool first_time) override;
  void OnSave() override;
  void AssociateFileExtensions();

  // Saved in this order.
  WAutoCheckbox warning_beep_{this, 1056};
  WAutoCheckbox start_maximized_{this, 1057};
  WAutoCheckbox reopen_files_{this, 1059};
  WAutoCheckbox remember_window_{this, 1060};
  WAutoCheckbox protect_read_only_{this, 1061};
  WAutoCheckbox force_read_only_{this, 1062};
  WAutoCheckbox open_maximized_{this, 1063};
  WAutoCheckbox remember_cursor_{this, 1079};
  WAutoCheckbox confirm_exit_{this, 1080};
  WAutoCheckbox open_multiple_{this, 1064};
  WAutoCheckbox check_modified_{this, 1065};
  WAutoCheckbox check_conflicts_{this, 1066};
  WAutoCheckbox keep_backup_{this, 1067};
  WAutoCheckbox path_in_title_{this, 1076};
  WAutoCheckbox specify_name_{this, 1077};
  WAutoCheckbox show_all_files_{this, 1078};
  WSpinValue line_feeds_{this, 1070};
  WComboBox size_unit_{this, 1071, {1072, 1073, 1074}};
  WSpinValue tab_width_{this, 1075};
  WComboBox recent_list_{this, 1084, {"4", "8", "12", "16", "20", "24", "28", "32"}};
  WAutoCheckbox hide_formula_results_{this, 1081};
  WAutoCheckbox hide_download_link_{this, 1082};
  WSpinValue window_size_{this, 1089};
  WStatic percent_{this, "%"};
  WAutoCheckbox wrapped_read_only_{this, 1090};
  WAutoCheckbox exit_when_inactive_{this, 1091};
  WSpinValue exit_minutes_{this, 1092};
  WComboBox language_{this, 1068};
  WPushButton associate_{this, 1088, [this] { AssociateFileExtensions(); }};
};

}  // namespace prefig
