#pragma once
#include <vector>

#include "controls/auto_checkbox.h"
#include "controls/edit.h"
#include "controls/push_button.h"
#include "pages/config_base.h"
#include "schema/features.h"

namespace prefig {

// Feature selection: the host's modules switched off (each takes effect at
// the next start), the configuration password and the configuration paths.
class DPlugingSelect : public WPrefigBase {
 public:
  DPlugingSelect();

 private:
  void OnLoad(bool first_time) override;
  void OnSave() override;
  void EditConfigurationPaths();
  void Remember();

  WAutoCheckbox backplot_off_{this, 1584, schema::kDisableBackplot};
  WAutoCheckbox solid_off_{this, 1591, schema::kDisableSolid};
  WAutoCheckbox dnc_off_{this, 1588, schema::kDisableDnc};
  WAutoCheckbox file_compare_off_{this, 1587, schema::kDisableFileComp};
  WAutoCheckbox math_off_{this, 1586, schema::kDisableMathFunc};
  WAutoCheckbox quiver_off_{this, 1583, schema::kDisableQuiver};
  WAutoCheckbox dnc_admin_off_{this, 1585, schema::kDisableDncAdm};
  WAutoCheckbox drafter_off_{this, 1589, schema::kDisableDrafter};
  WAutoCheckbox mazak_view_off_{this, 1590, schema::kDisableMazakView};
  WAutoCheckbox optimizer_off_{this, 1592, schema::kDisableGTang};  // hidden, kept through OK
  WEdit password_{this, 1594, schema::kPassword};
  WPushButton paths_{this, 1610, [this] { EditConfigurationPaths(); }};

  // The switches as the running host has them, to tell whether OK changes any.
  std::vector<bool> loaded_switches_;
};

}  // namespace prefig
