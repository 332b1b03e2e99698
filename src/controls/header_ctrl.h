#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/rgba.h"

namespace prefig {

// A settings list with columns. A column's width is pixels when positive,
// a percentage of the client width when negative (-1 to -100), and when 0
// what the columns before it leave. Rows may carry a check box (in the
// first column) and may be drawn in grey.
class WHeaderCtrl : public WControl {
 public:
  struct Column {
    int title_id;
    int width;
  };
  struct Row {
    std::vector<std::string> cells;
    bool checked = false;
    bool grey = false;
  };
  // The grey of a greyed row, 0xRRGGBB.
  static constexpr uint32_t kGreyText = 0x7D7D7D;

  explicit WHeaderCtrl(ControlOwner* owner, int label_id = 0, Help help = {});

  void AddColumn(int title_id, int width);
  const std::vector<Column>& Columns() const { return columns_; }
  // The pixel widths of the columns for a client area `client_width` wide.
  std::vector<int> ColumnWidths(int client_width) const;

  const std::vector<Row>& Rows() const { return rows_; }
  void SetRows(std::vector<Row> rows);
  // A colour square in front of each row's first cell (none: no squares);
  // given after the rows, one per row.
  const std::vector<Rgba>& Swatches() const { return swatches_; }
  void SetSwatches(std::vector<Rgba> colours);
  int Count() const { return static_cast<int>(rows_.size()); }
  int Selected() const { return selected_; }  // -1: none
  void Select(int row);
  void UserSelect(int row);

  bool HasCheckBoxes() const { return check_boxes_; }
  void SetCheckBoxes(bool on);
  // The user's click on a row's check box.
  void UserCheck(int row, bool checked);
  // A double click (or Return) on a row runs the action, if the page gave one.
  void SetOnActivate(std::function<void()> action) { on_activate_ = std::move(action); }
  void UserActivate(int row);

 private:
  std::vector<Column> columns_;
  std::vector<Row> rows_;
  std::vector<Rgba> swatches_;
  int selected_ = -1;
  bool check_boxes_ = false;
  std::function<void()> on_activate_;
};

}  // namespace prefig
