#pragma once
#include "controls/auto_checkbox.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/edit_ascii.h"
#include "controls/nc_preview.h"
#include "pages/machine/machine_page.h"
#include "schema/multi_channel.h"

namespace prefig {

struct ChannelSettings;

// Multi-channel: how a program holding several channels is split and where
// the channels wait for each other, with a test line that the channel
// parser of the page's current values reads at every keystroke.
class WMchMultiChannel : public WMachinePage {
 public:
  WMchMultiChannel();

 private:
  void OnLoad(bool first_time) override;
  void OnSave() override;
  void OnUpdate() override;
  ChannelSettings ShownSettings() const;
  bool UserDefined() const;

  WAutoCheckbox enable_{this, 1564, schema::kMultiChannelEnable};
  WAutoCheckbox auto_start_{this, 1565, schema::kAutoStart};
  WComboBox mode_{this, 1563, schema::kMultiChannelMode, {1566}};  // the methods follow on the first load
  WAutoCheckbox by_channel_numbers_{this, 1560, schema::kSyncUsingChNo};
  // Pattern fields: the stored prefix is the field's mode, so the hooks
  // load and save them.
  WEditAscii start_{this, 1561};
  WEditAscii end_{this, 1562};
  WEditAscii sync_{this, 1557};
  WEditAscii sync_number_{this, 1558};
  WEdit order_{this, 1559, schema::kChannelOrder};
  WEdit test_line_{this, 1569, schema::kTestValue};
  WStatic start_end_label_{this, 1567};
  WStatic start_end_{this, ""};
  WStatic sync_result_label_{this, 1568};
  WStatic sync_result_{this, ""};
  // A two-channel program with the lines marked where the shown method finds
  // a synchronisation.
  WNcPreview preview_{this, 16200};
};

}  // namespace prefig
