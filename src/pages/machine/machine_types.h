#pragma once
#include <string>
#include <vector>

#include "controls/header_ctrl.h"
#include "controls/push_button.h"
#include "pages/config_base.h"

namespace prefig {

class GMachineType;

// The machine type list: which type the machine-type pages edit, the order
// of the types, and adding, renaming and removing types. It works on the
// setup dialog's working list at once; the dialog's close step hands the
// changed list back.
//
// When the host can store machine types in its program database (Quiver),
// the list has check boxes for that; otherwise stored types are grey and
// can be neither renamed nor removed.
class DMch : public WPrefigBase {
 public:
  DMch();

 private:
  void OnLoad(bool first_time) override;
  void OnSave() override;
  void OnEdited(WControl& control) override;

  void Move(int direction);
  void Add();
  void Rename();
  void Remove();

  WHeaderCtrl::Row RowOf(const GMachineType& type) const;
  // Whether the user may act on the selected row: it is the current type.
  bool SelectedIsCurrent() const;
  void MakeCurrent(int row);
  void ListChanged(bool types_changed);

  bool quiver_mode_;
  WHeaderCtrl list_{this, 0, Help{1269}};
  WIcoButton up_{this, icon::kUp, 1284, [this] { Move(-1); }, Help{1264}};
  WIcoButton down_{this, icon::kDown, 1285, [this] { Move(+1); }, Help{1267}};
  WPushButton add_{this, 448, [this] { Add(); }, Help{1268}};
  WPushButton rename_{this, 455, [this] { Rename(); }, Help{1265}};
  WPushButton remove_{this, 499, [this] { Remove(); }, Help{1266}};
  WIcon legend_icon_{this, icon::kStore, Help{1263}};
  WStatic legend_{this, 1271, Help{1263}};
};

}  // namespace prefig
