#include "controls/swatch_row.h"

namespace prefig {

WSwatchRow::WSwatchRow(ControlOwner* owner, int label_id, Help help) : WControl(owner, ControlKind::kSwatchRow, help) {
  MakeLabel(label_id);
}

void WSwatchRow::SetColors(std::vector<Rgba> colors) {
  colors_ = std::move(colors);
  if (selected_ >= Count()) selected_ = -1;
  Changed();
}

void WSwatchRow::Select(int index) {
  if (index < 0 || index >= Count()) index = -1;
  if (index == selected_) return;
  selected_ = index;
  Changed();
}

void WSwatchRow::UserSelect(int index) {
  int before = selected_;
  Select(index);
  if (selected_ != before) Edited();
}

}  // namespace prefig
