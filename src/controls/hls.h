#pragma once
#include "controls/rgba.h"

namespace prefig {

// A colour in the hue-lightness-saturation model, each part 0 to 255.
struct Hls {
  int hue = 0, lightness = 0, saturation = 0;
  bool operator==(const Hls&) const = default;
};

Hls ToHls(Rgba colour);
// Parts outside 0 to 255 are clamped; the opacity is the one given.
Rgba FromHls(Hls hls, uint8_t alpha);

// `percent` of the way from `part` to 255 added (raising), or the part
// scaled to `percent` (lowering), as the backplot colours derive shades.
int RaisedBy(int part, int percent);
int LoweredTo(int part, int percent);

}  // namespace prefig
