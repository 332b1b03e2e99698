#pragma once
#include "controls/auto_checkbox.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/push_button.h"
#include "pages/machine/machine_page.h"
#include "schema/load_save.h"

namespace prefig {

// Load/save: the extensions, folders, autosave, line feeds and UNICODE
// handling of the current machine type's files.
class DMchFile : public WMachinePage {
 public:
  DMchFile();

 private:
  void OnUpdate() override;
  void OnEdited(WControl& control) override;
  // The folder chooser for a path field, starting at its normalised text.
  void Browse(WEdit& field, int caption_id);

  WAutoCheckbox separate_folders_{this, 1497, schema::kDiffLoadSave};
  WAutoCheckbox register_default_{this, 1499, schema::kRegDefaultExt};
  WAutoCheckbox register_others_{this, 1498, schema::kRegOtherExt};
  WComboBox autosave_{this, 1495, schema::kAutosaveTime, {1517, 1519, 1520, 1521, 1522, 1523, 1524, 1525, 1526}};
  WComboBox line_feeds_{this, 1500, schema::kLinefeedType, {1510, 1511, 1512, 1513, 1514, 1515, 1516}};
  WEdit load_path_{this, 1492, schema::kLoadPath};
  WEdit save_path_{this, 1489, schema::kSavePath};
  WEdit default_extension_{this, 1490, schema::kSaveExt};
  WEdit other_extensions_{this, 1493, schema::kLoadExt};
  WAutoCheckbox unicode_prompt_{this, 1502, schema::kUniPrompt};
  WAutoCheckbox unicode_never_{this, 1503, schema::kUniNever};
  WAutoCheckbox unicode_message_{this, 1504, schema::kUniMsg};
  WAutoCheckbox unicode_always_{this, 1505, schema::kUniAlways};
  WIcoButton browse_load_{this, icon::kFolder, 1533, [this] { Browse(load_path_, 1533); }};
  WIcoButton browse_save_{this, icon::kFolder, 1528, [this] { Browse(save_path_, 1528); }};
};

}  // namespace prefig
