#pragma once
#include <vector>

#include "controls/control.h"
#include "controls/rgba.h"

namespace prefig {

// A row of colour swatches, one of them selected (or none); the user
// selects one by a click or the arrow keys.
class WSwatchRow : public WControl {
 public:
  explicit WSwatchRow(ControlOwner* owner, int label_id = 0, Help help = {});

  const std::vector<Rgba>& Colors() const { return colors_; }
  // The selection stays where it is still inside the row.
  void SetColors(std::vector<Rgba> colors);
  int Count() const { return static_cast<int>(colors_.size()); }

  int Selected() const { return selected_; }  // -1: none
  void Select(int index);                     // out of range: none
  // The user's choice: the page hears of a change.
  void UserSelect(int index);

 private:
  std::vector<Rgba> colors_;
  int selected_ = -1;
};

}  // namespace prefig
