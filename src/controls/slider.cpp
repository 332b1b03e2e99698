#include "controls/slider.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "schema/setting.h"

namespace prefig {
namespace {

int WholeNumber(double bound) { return static_cast<int>(std::clamp<double>(std::round(bound), INT_MIN, INT_MAX)); }

}  // namespace

WSlider::WSlider(ControlOwner* owner, int label_id, int minimum, int maximum, SliderOptions options, Help help)
    : WControl(owner, ControlKind::kSlider, help),
      page_step_(std::max(1, options.page_step)),
      tick_interval_(std::max(0, options.tick_interval)) {
  MakeLabel(label_id);
  SetRange(minimum, maximum);
}

WSlider::WSlider(ControlOwner* owner, int label_id, SettingRef setting, SliderOptions options, Help help)
    : WSlider(owner, label_id, WholeNumber(setting.setting->min), WholeNumber(setting.setting->max), options, help) {
  BindTo(setting);
}

void WSlider::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  position_ = std::clamp(position_, minimum_, maximum_);
  Changed();
}

void WSlider::SetPosition(int position) {
  position = std::clamp(position, minimum_, maximum_);
  if (position == position_) return;
  position_ = position;
  Changed();
}

void WSlider::UserMove(int position) {
  int before = position_;
  SetPosition(position);
  if (position_ != before) Edited();
}

}  // namespace prefig
