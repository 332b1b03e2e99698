#pragma once
#include <string>
#include <vector>

#include "controls/control.h"

namespace prefig {

// A settings list with columns. A column's width is pixels when positive,
// a percentage of the client width when negative (-1 to -100), and when 0
// what the columns before it leave.
class WHeaderCtrl : public WControl {
 public:
  struct Column {
    int title_id;
    int width;
  };

  explicit WHeaderCtrl(ControlOwner* owner, int label_id = 0);

  void AddColumn(int title_id, int width);
  const std::vector<Column>& Columns() const { return columns_; }
  // The pixel widths of the columns for a client area `client_width` wide.
  std::vector<int> ColumnWidths(int client_width) const;

  using Row = std::vector<std::string>;
  const std::vector<Row>& Rows() const { return rows_; }
  void SetRows(std::vector<Row> rows);
  int Selected() const { return selected_; }  // -1: none
  void Select(int row);
  void UserSelect(int row);

 private:
  std::vector<Column> columns_;
  std::vector<Row> rows_;
  int selected_ = -1;
};

}  // namespace prefig
