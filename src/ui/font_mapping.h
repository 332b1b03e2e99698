#pragma once
// The stored logical-font record as a screen font, without the toolkit:
// what the renderer and the host ask of a font, and what a chosen font
// stores. Header only: the host program, which does not link the module's
// view, uses it too.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "platform/text.h"
#include "schema/font_description.h"

namespace prefig::ui {

// The record's logical units are pixels of a screen with 96 per inch.
inline constexpr double kLogicalDpi = 96;

struct ScreenFont {
  std::string family;
  int pixel_size = 0;        // 0: the family's own size
  bool cell_height = false;  // the size is the cell (ascent and descent), not the characters
  int weight = 400;          // 1 to 1000
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  bool fixed_pitch = false;  // asks the fallback for a monospaced family
};

// The metric-compatible family installed in the place of a face of the
// original platform; any other face as it is (fontconfig finds the nearest
// family for a face that is missing).
inline std::string ScreenFamily(std::string_view face) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kSubstitutes{{
      {"Courier New", "Liberation Mono"},
      {"Arial", "Liberation Sans"},
      {"Times New Roman", "Liberation Serif"},
  }};
  for (const auto& [original, substitute] : kSubstitutes) {
    if (platform::SameIgnoringCase(face, original)) return std::string(substitute);
  }
  return std::string(face);
}

// A negative height is the character height, a positive one the cell
// height, in logical units, shown at the screen's resolution `dpi`.
inline ScreenFont ToScreenFont(const FontDescription& font, double dpi) {
  ScreenFont screen;
  screen.family = ScreenFamily(font.face_name);
  double pixels = std::abs(static_cast<double>(font.height)) * dpi / kLogicalDpi;
  screen.pixel_size = static_cast<int>(std::min(std::lround(pixels), 10000L));
  screen.cell_height = font.height > 0;
  screen.weight = font.weight <= 0 ? 400 : std::min(font.weight, 1000);
  screen.italic = font.italic != 0;
  screen.underline = font.underline != 0;
  screen.strike_out = font.strike_out != 0;
  screen.fixed_pitch = (font.pitch_and_family & 0x03) == 1;
  return screen;
}

// The record's height of characters `pixels` high on a screen of `dpi`:
// negative, a character height.
inline int LogicalHeight(double pixels, double dpi) {
  if (!(pixels > 0) || !(dpi > 0)) return 0;
  return -static_cast<int>(std::min(std::lround(pixels * kLogicalDpi / dpi), 100000L));
}

// The face that a chosen family stores: the record's own face when the
// family is the one that face is shown in, so that confirming the chooser
// unchanged keeps "Courier New".
inline std::string StoredFace(std::string_view family, std::string_view face) {
  if (ScreenFamily(face) == family) return std::string(face);
  return std::string(family);
}

}  // namespace prefig::ui
