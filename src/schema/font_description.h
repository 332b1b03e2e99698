#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace prefig {

// The platform's logical-font record as the settings files keep it: one key
// per field, FONTHEIGHT ... FONTFACENAME (or with a prefix, MFONTHEIGHT ...).
struct FontDescription {
  int32_t height = 0;
  int32_t width = 0;
  int32_t escapement = 0;
  int32_t orientation = 0;
  int32_t weight = 0;
  uint8_t italic = 0;
  uint8_t underline = 0;
  uint8_t strike_out = 0;
  uint8_t char_set = 0;
  uint8_t out_precision = 0;
  uint8_t clip_precision = 0;
  uint8_t quality = 0;
  uint8_t pitch_and_family = 0;
  std::string face_name;  // at most kFaceNameMax characters

  bool operator==(const FontDescription&) const = default;
};

inline constexpr size_t kFaceNameMax = 31;  // 32 bytes with the terminator
inline constexpr int kFontIntegerFields = 13;

// The field names in the order of the record (and of every save).
inline constexpr std::array<const char*, 14> kFontFieldNames = {
    "HEIGHT",    "WIDTH",   "ESCAPEMENT", "ORIENTATION", "WEIGHT",  "ITALIC",      "UNDERLINE",
    "STRIKEOUT", "CHARSET", "OUTPREC",    "CLIPPREC",    "QUALITY", "PITCHFAMILY", "FACENAME"};

// Integer field i (0..12) of the record, and its range: the first five are
// 32-bit, the rest bytes.
int32_t FontField(const FontDescription& font, int field);
void SetFontField(FontDescription& font, int field, int32_t value);
int32_t FontFieldMin(int field);
int32_t FontFieldMax(int field);

// The declared form of a font default: the 13 numbers and the face name,
// separated by commas ("-16,0,0,0,700,0,0,0,0,3,2,1,49,Courier New").
bool ParseFont(std::string_view text, FontDescription& font);
std::string FormatFont(const FontDescription& font);

}  // namespace prefig
