#include "controls/header_ctrl.h"

#include <algorithm>

namespace prefig {

WHeaderCtrl::WHeaderCtrl(ControlOwner* owner, int label_id, Help help) : WControl(owner, ControlKind::kList, help) {
  MakeLabel(label_id);
}

void WHeaderCtrl::AddColumn(int title_id, int width) {
  columns_.push_back({title_id, width});
  Changed();
}

std::vector<int> WHeaderCtrl::ColumnWidths(int client_width) const {
  std::vector<int> widths;
  int used = 0;
  for (const Column& column : columns_) {
    int width = column.width;
    if (width < 0) {
      width = client_width * std::clamp(-width, 1, 100) / 100;
    } else if (width == 0) {
      width = std::max(0, client_width - used);
    }
    widths.push_back(width);
    used += width;
  }
  return widths;
}

void WHeaderCtrl::SetRows(std::vector<Row> rows) {
  rows_ = std::move(rows);
  if (selected_ >= static_cast<int>(rows_.size())) selected_ = -1;
  Changed();
}

void WHeaderCtrl::SetSwatches(std::vector<Rgba> colours) {
  swatches_ = std::move(colours);
  Changed();
}

void WHeaderCtrl::Select(int row) {
  if (row < 0 || row >= static_cast<int>(rows_.size())) row = -1;
  if (row == selected_) return;
  selected_ = row;
  Changed();
}

void WHeaderCtrl::UserSelect(int row) {
  int before = selected_;
  Select(row);
  if (selected_ != before) Edited();
}

void WHeaderCtrl::SetCheckBoxes(bool on) {
  if (check_boxes_ == on) return;
  check_boxes_ = on;
  Changed();
}

void WHeaderCtrl::UserCheck(int row, bool checked) {
  if (!check_boxes_ || row < 0 || row >= Count() || rows_[row].checked == checked) return;
  rows_[row].checked = checked;
  Changed();
  Edited();
}

void WHeaderCtrl::UserActivate(int row) {
  if (row < 0 || row >= Count()) return;
  UserSelect(row);
  if (on_activate_) on_activate_();
}

}  // namespace prefig
