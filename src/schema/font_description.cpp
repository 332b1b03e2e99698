#include "schema/font_description.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace prefig {
namespace {

constexpr int kWideFields = 5;  // height, width, escapement, orientation, weight

}  // namespace

int32_t FontField(const FontDescription& font, int field) {
  switch (field) {
    case 0: return font.height;
    case 1: return font.width;
    case 2: return font.escapement;
    case 3: return font.orientation;
    case 4: return font.weight;
    case 5: return font.italic;
    case 6: return font.underline;
    case 7: return font.strike_out;
    case 8: return font.char_set;
    case 9: return font.out_precision;
    case 10: return font.clip_precision;
    case 11: return font.quality;
    default: return font.pitch_and_family;
  }
}

void SetFontField(FontDescription& font, int field, int32_t value) {
  auto byte = static_cast<uint8_t>(value);
  switch (field) {
    case 0: font.height = value; break;
    case 1: font.width = value; break;
    case 2: font.escapement = value; break;
    case 3: font.orientation = value; break;
    case 4: font.weight = value; break;
    case 5: font.italic = byte; break;
    case 6: font.underline = byte; break;
    case 7: font.strike_out = byte; break;
    case 8: font.char_set = byte; break;
    case 9: font.out_precision = byte; break;
    case 10: font.clip_precision = byte; break;
    case 11: font.quality = byte; break;
    default: font.pitch_and_family = byte; break;
  }
}

int32_t FontFieldMin(int field) { return field < kWideFields ? std::numeric_limits<int32_t>::min() : 0; }
int32_t FontFieldMax(int field) { return field < kWideFields ? std::numeric_limits<int32_t>::max() : 255; }

bool ParseFont(std::string_view text, FontDescription& font) {
  FontDescription parsed;
  for (int field = 0; field < kFontIntegerFields; ++field) {
    size_t comma = text.find(',');
    if (comma == std::string_view::npos) return false;
    std::string_view number = text.substr(0, comma);
    int32_t value = 0;
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size()) return false;
    if (value < FontFieldMin(field) || value > FontFieldMax(field)) return false;
    SetFontField(parsed, field, value);
    text.remove_prefix(comma + 1);
  }
  if (text.size() > kFaceNameMax) return false;
  parsed.face_name = text;
  font = parsed;
  return true;
}

std::string FormatFont(const FontDescription& font) {
  std::string text;
  for (int field = 0; field < kFontIntegerFields; ++field) text += std::to_string(FontField(font, field)) + ",";
  return text + font.face_name;
}

}  // namespace prefig
