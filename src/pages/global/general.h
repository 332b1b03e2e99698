#pragma once
#include <vector>

#include "context/language_list.h"
#include "controls/auto_checkbox.h"
#include "controls/combo_box.h"
#include "controls/push_button.h"
#include "controls/spin_value.h"
#include "pages/config_base.h"
#include "schema/general.h"

namespace prefig {

// The General page: program-wide behaviour of the editor.
class DGlobal : public WPrefigBase {
 public:
  // Associate could not write every association of the desktop.
  static constexpr int kNotAssociatedId = 16650;

  DGlobal();

 private:
  void OnLoad(bool first_time) override;
  void OnSave() override;
  void AssociateFileExtensions();

  WAutoCheckbox warning_beep_{this, 1056, schema::kWarningBeep};
  WAutoCheckbox start_maximized_{this, 1057, schema::kStartMax};
  WAutoCheckbox reopen_files_{this, 1059, schema::kReopen};
  WAutoCheckbox remember_window_{this, 1060, schema::kRememberWinPos};
  WAutoCheckbox protect_read_only_{this, 1061, schema::kProtectRead};
  WAutoCheckbox force_read_only_{this, 1062, schema::kForceReadOnly};
  WAutoCheckbox open_maximized_{this, 1063, schema::kOpenMax};
  WAutoCheckbox remember_cursor_{this, 1079, schema::kRememberCursor};
  WAutoCheckbox confirm_exit_{this, 1080, schema::kConfirmExit};
  WAutoCheckbox open_multiple_{this, 1064, schema::kOpenMulti};
  WAutoCheckbox check_modified_{this, 1065, schema::kCheckModified};
  WAutoCheckbox check_conflicts_{this, 1066, schema::kCheckConflicts};
  WAutoCheckbox keep_backup_{this, 1067, schema::kKeepBackup};
  WAutoCheckbox path_in_title_{this, 1076, schema::kPathInTitle};
  WAutoCheckbox specify_name_{this, 1077, schema::kSpecifyName};
  WAutoCheckbox show_all_files_{this, 1078, schema::kShowAllFiles};
  WSpinValue line_feeds_{this, 1070, schema::kNlInSize};
  WComboBox size_unit_{this, 1071, schema::kShowSize, {1072, 1073, 1074}};
  WSpinValue tab_width_{this, 1075, schema::kTabChars};
  WComboBox recent_list_{
      this, 1084, schema::kRecentListSize, {"4", "8", "12", "16", "20", "24", "28", "32"}, WComboBox::Value::kNumber};
  WAutoCheckbox hide_formula_results_{this, 1081, schema::kShowMacroFormula};
  WAutoCheckbox hide_download_link_{this, 1082, schema::kHideDlLink};
  WSpinValue window_size_{this, 1089, schema::kDefaultWinSize, {.scale = 100}};
  WStatic percent_{this, "%"};
  WAutoCheckbox wrapped_read_only_{this, 1090, schema::kWrappedReadOnly};
  WAutoCheckbox exit_when_inactive_{this, 1091, schema::kShutdownTimeoutEnabled};
  WSpinValue exit_minutes_{this, 1092, schema::kShutdownTimeout, {.step = 5}};
  WComboBox language_{this, 1068};  // the installed languages; saved by OnSave
  WPushButton associate_{this, 1088, [this] { AssociateFileExtensions(); }};

  std::vector<LanguageEntry> languages_;
};

}  // namespace prefig
