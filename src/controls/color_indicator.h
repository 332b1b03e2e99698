#pragma once
#include <cstdint>

#include "controls/control.h"

namespace prefig {

struct Rgba {
  uint8_t red = 0, green = 0, blue = 0, alpha = 255;
  bool operator==(const Rgba&) const = default;
};

// A framed swatch of a colour. A colour with transparency shows as a
// checkerboard of 8 x 8 cells, the colour mixed with black in one kind of
// cell and with white in the other, in proportion to its alpha.
class WColorIndicator : public WControl {
 public:
  static constexpr int kCellSize = 8;

  explicit WColorIndicator(ControlOwner* owner, int label_id = 0);
  bool IsTabStop() const override { return false; }

  Rgba Color() const { return color_; }
  void SetColor(Rgba color);
  // The colour of the cell at (column, row); every cell of an opaque colour is the colour.
  Rgba CellColor(int column, int row) const;

 private:
  Rgba color_;
};

}  // namespace prefig
