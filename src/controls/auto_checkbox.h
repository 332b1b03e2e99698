#pragma once
#include "controls/control.h"

namespace prefig {

// A check box with its text from a message id. When the mouse rests on it,
// it asks its page for hover help.
class WAutoCheckbox : public WControl {
 public:
  WAutoCheckbox(ControlOwner* owner, int text_id, Help help = {});
  // Checked while the yes/no setting is Yes.
  WAutoCheckbox(ControlOwner* owner, int text_id, SettingRef setting, Help help = {});

  bool IsChecked() const { return checked_; }
  void SetCheck(bool on);
  // The user's click: toggles and tells the page.
  void Click();

  // The mouse rested on the box.
  void HoverHelp();

 private:
  bool checked_ = false;
};

}  // namespace prefig
