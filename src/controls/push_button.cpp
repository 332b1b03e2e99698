#include "controls/push_button.h"

namespace prefig {

WPushButton::WPushButton(ControlOwner* owner, int text_id, std::function<void()> on_click, Help help)
    : WControl(owner, ControlKind::kPushButton, help), on_click_(std::move(on_click)) {
  SetTextId(text_id);
}

WPushButton::WPushButton(ControlOwner* owner, ControlKind kind, std::function<void()> on_click, Help help)
    : WControl(owner, kind, help), on_click_(std::move(on_click)) {}

void WPushButton::Click() {
  if (!IsEnabled()) return;
  if (on_click_) on_click_();
  Edited();
}

WIcoButton::WIcoButton(ControlOwner* owner, const char* icon_name, int tooltip_id, std::function<void()> on_click,
                       Help help)
    : WPushButton(owner, ControlKind::kIconButton, std::move(on_click), help),
      icon_name_(icon_name),
      tooltip_id_(tooltip_id) {}

}  // namespace prefig
