#include "controls/auto_checkbox.h"

namespace prefig {

WAutoCheckbox::WAutoCheckbox(ControlOwner* owner, int text_id, Help help)
    : WControl(owner, ControlKind::kCheckBox, help) {
  SetTextId(text_id);
}

WAutoCheckbox::WAutoCheckbox(ControlOwner* owner, int text_id, SettingRef setting, Help help)
    : WAutoCheckbox(owner, text_id, help) {
  BindTo(setting);
}

void WAutoCheckbox::SetCheck(bool on) {
  if (checked_ == on) return;
  checked_ = on;
  Changed();
}

void WAutoCheckbox::Click() {
  SetCheck(!checked_);
  Edited();
}

void WAutoCheckbox::HoverHelp() {
  if (Owner() != nullptr) Owner()->HelpRequested({HelpSource::kHover, this});
}

}  // namespace prefig
