#include "controls/color_indicator.h"

namespace prefig {
namespace {

uint8_t Mix(uint8_t channel, uint8_t background, uint8_t alpha) {
  return static_cast<uint8_t>((channel * alpha + background * (255 - alpha) + 127) / 255);
}

}  // namespace

WColorIndicator::WColorIndicator(ControlOwner* owner, int label_id) : WControl(owner, ControlKind::kColorIndicator) {
  MakeLabel(label_id);
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

}  // namespace prefig
