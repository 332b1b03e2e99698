#pragma once
#include <cstdint>

namespace prefig {

struct Rgba {
  uint8_t red = 0, green = 0, blue = 0, alpha = 255;
  bool operator==(const Rgba&) const = default;
};

// Colours as the settings files keep them: 0x00BBGGRR, red in the low byte,
// and where a setting's range holds it the opacity in the top byte; without
// one a colour is opaque.
constexpr Rgba FromStoredColour(uint32_t value, bool with_opacity) {
  return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
          with_opacity ? static_cast<uint8_t>(value >> 24) : uint8_t{255}};
}
constexpr uint32_t ToStoredColour(Rgba colour, bool with_opacity) {
  uint32_t value = colour.red | (uint32_t{colour.green} << 8) | (uint32_t{colour.blue} << 16);
  return with_opacity ? value | (uint32_t{colour.alpha} << 24) : value;
}

}  // namespace prefig
