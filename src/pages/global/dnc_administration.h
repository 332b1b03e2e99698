#pragma once
#include "controls/auto_checkbox.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/spin_value.h"
#include "pages/config_base.h"
#include "schema/dnc_client.h"

namespace prefig {

// Where the DNC pages' settings live: the host's DNC configuration object
// and its file (nowhere when the host gave none).
SettingPlace DncPlaceOf(const Setting& setting);

// DNC administration: what the host's DNC client shows and allows.
class DDNCAdm : public WPrefigBase {
 public:
  DDNCAdm();

 private:
  void OnLoad(bool first_time) override;
  void OnSave() override;
  SettingPlace PlaceOf(const Setting& setting) override { return DncPlaceOf(setting); }
  void Remember();

  WAutoCheckbox show_manual_{this, 4384, schema::kDncShowManual};
  WAutoCheckbox show_terminal_{this, 4390, schema::kDncShowTerminal};
  WAutoCheckbox show_log_{this, 4386, schema::kDncShowLog};
  WAutoCheckbox show_feed_speed_{this, 4392, schema::kDncShowFeedSpeed};  // always disabled
  WAutoCheckbox show_system_log_{this, 4388, schema::kDncShowSystemLog};
  WAutoCheckbox show_debug_{this, 4394, schema::kDncShowDebug};
  WAutoCheckbox progress_view_{this, 4396, schema::kDncProgressView};
  WAutoCheckbox show_messenger_{this, 4398, schema::kDncShowMessenger};  // hidden, kept through OK
  WAutoCheckbox allow_restart_{this, 4636, schema::kDncAllowRestartPorts};
  WAutoCheckbox local_server_only_{this, 4625, schema::kDncLocalServerOnly};
  WAutoCheckbox show_links_{this, 4628, schema::kDncShowLinks};
  WAutoCheckbox double_click_links_{this, 4629, schema::kDncDoubleClickOpensLinks};
  WAutoCheckbox double_click_ports_{this, 4633, schema::kDncDoubleClickConfiguresPorts};
  WAutoCheckbox show_all_files_{this, 4623, schema::kDncShowAllFiles};
  WAutoCheckbox hide_send_receive_{this, 4400, schema::kDncHideSendReceive};
  WAutoCheckbox open_root_{this, 4624, schema::kDncOpenRootDirectory};
  WAutoCheckbox keep_file_dialog_{this, 4635, schema::kDncKeepFileDialogOpen};
  WAutoCheckbox allow_local_files_{this, 4637, schema::kDncAllowLocalFiles};
  WAutoCheckbox quiver_logins_{this, 4627, schema::kDncUseQuiverLogins};
  WAutoCheckbox quiver_ports_only_{this, 4631, schema::kDncQuiverPortsOnly};
  WAutoCheckbox confirm_overwrite_{this, 4638, schema::kDncWarnOverwrite};
  // Stores the entry's data: 1 for "Dark", 0 for "Light".
  WComboBox theme_{this, 0, schema::kDncLogTheme, std::initializer_list<int>{}, WComboBox::Value::kData};
  WEdit fixed_server_{this, 4639, schema::kDncFixedServer};

  // What the client runs with, to tell whether OK needs a restart.
  bool loaded_local_server_only_ = false;
  bool loaded_local_files_ = false;
  int loaded_theme_ = 0;
};

// The DNC port list: how the client's list of ports looks.
class DDNCAdmPortlist : public WPrefigBase {
 public:
  DDNCAdmPortlist();

 private:
  SettingPlace PlaceOf(const Setting& setting) override { return DncPlaceOf(setting); }

  WAutoCheckbox show_colors_{this, 4646, schema::kDncShowColors};
  WAutoCheckbox progress_background_{this, 4645, schema::kDncShowProgressBackground};
  WAutoCheckbox drag_between_groups_{this, 4647, schema::kDncDragBetweenGroups};
  WAutoCheckbox groups_fullscreen_{this, 4643, schema::kDncGroupsFullscreen};
  WAutoCheckbox groups_docked_{this, 4644, schema::kDncGroupsDocked};
  WAutoCheckbox collapse_groups_{this, 4650, schema::kDncCollapseGroups};
  WAutoCheckbox column_1_{this, 4659, Member(schema::kDncShowColumn, 0)};
  WAutoCheckbox column_2_{this, 4660, Member(schema::kDncShowColumn, 1)};
  WAutoCheckbox column_3_{this, 4661, Member(schema::kDncShowColumn, 2)};
  WAutoCheckbox column_4_{this, 4662, Member(schema::kDncShowColumn, 3)};
  WAutoCheckbox column_5_{this, 4663, Member(schema::kDncShowColumn, 4)};
  WAutoCheckbox column_6_{this, 4664, Member(schema::kDncShowColumn, 5)};
  WAutoCheckbox column_7_{this, 4665, Member(schema::kDncShowColumn, 6)};
  WAutoCheckbox column_8_{this, 4666, Member(schema::kDncShowColumn, 7)};
  WAutoCheckbox column_9_{this, 4667, Member(schema::kDncShowColumn, 8)};
  WAutoCheckbox column_10_{this, 4668, Member(schema::kDncShowColumn, 9)};
  WSpinValue reset_errors_{this, 4651, schema::kDncResetErrors, {.step = 5}};
};

}  // namespace prefig
