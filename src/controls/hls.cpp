#include "controls/hls.h"

#include <algorithm>
#include <cmath>

namespace prefig {
namespace {

constexpr double kFull = 255.0;

int Part(double unit) { return static_cast<int>(std::lround(std::clamp(unit, 0.0, 1.0) * kFull)); }

double HueChannel(double low, double high, double hue) {
  if (hue < 0) hue += 1;
  if (hue > 1) hue -= 1;
  if (hue < 1.0 / 6) return low + (high - low) * 6 * hue;
  if (hue < 0.5) return high;
  if (hue < 2.0 / 3) return low + (high - low) * (2.0 / 3 - hue) * 6;
  return low;
}

}  // namespace

Hls ToHls(Rgba colour) {
  double r = colour.red / kFull, g = colour.green / kFull, b = colour.blue / kFull;
  double high = std::max({r, g, b}), low = std::min({r, g, b});
  double lightness = (high + low) / 2;
  if (high == low) return {0, Part(lightness), 0};
  double range = high - low;
  double saturation = lightness > 0.5 ? range / (2 - high - low) : range / (high + low);
  double hue = high == r ? (g - b) / range + (g < b ? 6 : 0) : high == g ? (b - r) / range + 2 : (r - g) / range + 4;
  // A hue of 255 would be red again; keep it below a full turn.
  return {std::min(Part(hue / 6), 254), Part(lightness), Part(saturation)};
}

Rgba FromHls(Hls hls, uint8_t alpha) {
  double h = std::clamp(hls.hue, 0, 255) / kFull, l = std::clamp(hls.lightness, 0, 255) / kFull,
         s = std::clamp(hls.saturation, 0, 255) / kFull;
  if (s == 0) {
    auto grey = static_cast<uint8_t>(Part(l));
    return {grey, grey, grey, alpha};
  }
  double high = l < 0.5 ? l * (1 + s) : l + s - l * s;
  double low = 2 * l - high;
  return {static_cast<uint8_t>(Part(HueChannel(low, high, h + 1.0 / 3))),
          static_cast<uint8_t>(Part(HueChannel(low, high, h))),
          static_cast<uint8_t>(Part(HueChannel(low, high, h - 1.0 / 3))), alpha};
}

int RaisedBy(int part, int percent) { return part + static_cast<int>(std::lround((255 - part) * percent / 100.0)); }

int LoweredTo(int part, int percent) { return static_cast<int>(std::lround(part * percent / 100.0)); }

}  // namespace prefig
