#pragma once
#include <cstdint>

#include "controls/control.h"
#include "controls/rgba.h"

namespace prefig {

// A framed swatch of a colour. A colour with transparency shows as a
// checkerboard of 8 x 8 cells, the colour mixed with black in one kind of
// cell and with white in the other, in proportion to its alpha.
//
// Bound to a colour setting it shows the stored colour, and a click (or
// Space while it has the focus) runs the colour chooser.
class WColorIndicator : public WControl {
 public:
  static constexpr int kCellSize = 8;

  explicit WColorIndicator(ControlOwner* owner, int label_id = 0, Help help = {});
  WColorIndicator(ControlOwner* owner, int label_id, SettingRef setting, Help help = {});
  bool IsTabStop() const override { return IsChoosable(); }

  Rgba Color() const { return color_; }
  void SetColor(Rgba color);
  // The colour of the cell at (column, row); every cell of an opaque colour is the colour.
  Rgba CellColor(int column, int row) const;

  // Whether the user's click chooses a colour.
  bool IsChoosable() const { return BoundSetting() != nullptr; }
  // The colour chooser, started on the colour. On OK the swatch takes the
  // chosen colour with its own opacity and tells the page; false when the
  // user cancelled.
  bool Choose();

 private:
  Rgba color_;
};

}  // namespace prefig
