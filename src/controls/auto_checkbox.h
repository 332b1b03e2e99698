#pragma once
#include <cstdint>
#include <optional>

#include "controls/control.h"

namespace prefig {

// A check box with its text from a message id. When the mouse rests on it,
// it asks its page for hover help.
class WAutoCheckbox : public WControl {
 public:
  WAutoCheckbox(ControlOwner* owner, int text_id);
  // Checked while the yes/no setting is Yes.
  WAutoCheckbox(ControlOwner* owner, int text_id, const Setting& setting);

  bool IsChecked() const { return checked_; }
  void SetCheck(bool on);
  // The user's click: toggles and tells the page.
  void Click();

  // A background colour (0xRRGGBB) behind the box, or none.
  const std::optional<uint32_t>& Background() const { return background_; }
  void SetBackground(std::optional<uint32_t> colour);

  // The mouse rested on the box.
  void HoverHelp();

 private:
  bool checked_ = false;
  std::optional<uint32_t> background_;
};

}  // namespace prefig
