#include "controls/color_indicator.h"

#include "module/services.h"

namespace prefig {
namespace {

uint8_t Mix(uint8_t channel, uint8_t background, uint8_t alpha) {
  return static_cast<uint8_t>((channel * alpha + background * (255 - alpha) + 127) / 255);
}

}  // namespace

WColorIndicator::WColorIndicator(ControlOwner* owner, int label_id, Help help)
    : WControl(owner, ControlKind::kColorIndicator, help) {
  MakeLabel(label_id);
}

WColorIndicator::WColorIndicator(ControlOwner* owner, int label_id, SettingRef setting, Help help)
    : WColorIndicator(owner, label_id, help) {
  BindTo(setting);
}

void WColorIndicator::SetColor(Rgba color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

Rgba WColorIndicator::CellColor(int column, int row) const {
  if (color_.alpha == 255) return color_;
  uint8_t background = (column + row) % 2 == 0 ? 0 : 255;
  return {Mix(color_.red, background, color_.alpha), Mix(color_.green, background, color_.alpha),
          Mix(color_.blue, background, color_.alpha), 255};
}

// The chooser speaks 0xAARRGGBB and offers no opacity: the opacity is the
// page's to edit.
bool WColorIndicator::Choose() {
  if (!IsEnabled()) return false;
  ColorRequest request{.color =
                           0xFF000000u | (uint32_t{color_.red} << 16) | (uint32_t{color_.green} << 8) | color_.blue};
  if (!GetServices().ChooseColor(request)) return false;
  SetColor({static_cast<uint8_t>(request.color >> 16), static_cast<uint8_t>(request.color >> 8),
            static_cast<uint8_t>(request.color), color_.alpha});
  Edited();
  return true;
}

}  // namespace prefig
