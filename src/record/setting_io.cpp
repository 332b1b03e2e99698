#include "record/setting_io.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "ini/ini_file.h"
#include "ini/ini_text.h"
#include "platform/file_io.h"
#include "record/fixed_number.h"
#include "record/nc_filter_table.h"
#include "record/setting_values.h"
#include "schema/declared_values.h"
#include "schema/registry.h"

namespace prefig {

namespace {

// A colour as declared ("0x00FFFF") or as stored ("65535").
uint32_t ParseColourText(std::string_view text) {
  text = ini::Trim(text);
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  uint32_t value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value, base);
  return value;
}

std::vector<std::string> SplitList(std::string_view text, const Setting& s) {
  std::vector<std::string> items = ini::SplitCommaList(text);
  if (s.items > 0 && items.size() > static_cast<size_t>(s.items)) items.resize(static_cast<size_t>(s.items));
  for (std::string& item : items) {
    if (s.length > 0 && item.size() > static_cast<size_t>(s.length)) item.resize(static_cast<size_t>(s.length));
  }
  return items;
}

// Pairs of hexadecimal digits up to the first that is not one.
std::string DecodeHex(std::string_view hex, size_t max) {
  std::string text;
  for (size_t i = 0; i + 1 < hex.size() && text.size() < max; i += 2) {
    int high = ini::HexDigit(hex[i]), low = ini::HexDigit(hex[i + 1]);
    if (high < 0 || low < 0) break;
    text += static_cast<char>(high * 16 + low);
  }
  return text;
}

size_t TextLimit(const Setting& s) { return s.length > 0 ? static_cast<size_t>(s.length) : GIniFile::kTextMax; }

bool NeedsQuotes(std::string_view text) {
  if (text.empty()) return false;
  // As EncodeText decides.
  auto special = [](char c) { return c == '"' || c == ' ' || (c >= '\t' && c <= '\r'); };
  return special(text.front()) || special(text.back()) || text.find_first_of("\r\n") != std::string_view::npos;
}

// A text default that a raw write would not give back (leading or trailing
// blanks, enclosing quotes) is written encoded, as WriteString does.
std::string ReadText(GIniFile& ini, const std::string& key, const Setting& s, std::string_view def, size_t max) {
  if (NeedsQuotes(def) && !ini.KeyExists(s.section, key)) {
    ini.WriteString(s.section, key, def);
    return std::string(def.substr(0, max));
  }
  return ini.GetString(s.section, key, def, max);
}

// A number read as text and repaired like GetInt and GetDouble do: an
// unusable value becomes the default, one out of range the nearest limit,
// and either is written back in the setting's own form.
template <typename Number, typename Decode, typename Encode>
Number ReadNumberText(GIniFile& ini, const std::string& key, const Setting& s, Number def, const std::string& def_text,
                      Decode decode, Encode encode) {
  std::string stored = ini.GetString(s.section, key, def_text);
  Number n = decode(stored);
  bool write_back = ini::IsUnusableNumber(stored, n == Number{});
  if (write_back) n = def;
  if (n < static_cast<Number>(s.min)) {
    n = static_cast<Number>(s.min);
    write_back = true;
  }
  if (n > static_cast<Number>(s.max)) {
    n = static_cast<Number>(s.max);
    write_back = true;
  }
  // A value from the site is the site's to repair, not the user's file.
  if (write_back && (ini.IsLocked(s.section, key) || ini.SiteDefault(s.section, key))) write_back = false;
  if (write_back) ini.WriteRaw(s.section, key, encode(n));
  return n;
}

int64_t DecodeInt64(std::string_view text) {
  text = ini::Trim(text);
  bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  int64_t n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    n = n * 10 + (c - '0');
    if (n > (int64_t{1} << 40)) break;  // far beyond any colour
  }
  return negative ? -n : n;
}

}  // namespace

std::string CutToLength(std::string_view text, int length) {
  if (length > 0 && text.size() > static_cast<size_t>(length)) text = text.substr(0, static_cast<size_t>(length));
  return std::string(text);
}

SettingValue ParseValue(const Setting& s, std::string_view text) {
  switch (s.kind) {
    case Kind::kText:
    case Kind::kHexText: return CutToLength(text, s.length);
    case Kind::kChar: return std::string(text.substr(0, 1));
    case Kind::kInteger: return ini::DecodeInt(text);
    case Kind::kDouble: return ini::DecodeDouble(text);
    case Kind::kYesNo: return ini::DecodeBool(text);
    case Kind::kColour: return ParseColourText(text);
    case Kind::kCommaList: return SplitList(text, s);
    case Kind::kFont: {
      FontDescription font;
      ParseFont(text, font);
      return font;
    }
  }
  return std::string();
}

std::string FormatValue(const Setting& s, const SettingValue& value) {
  switch (s.kind) {
    case Kind::kText:
    case Kind::kChar: return std::get<std::string>(value);
    case Kind::kHexText: return ini::EncodeHex(std::get<std::string>(value));
    case Kind::kInteger: return std::to_string(std::get<int>(value));
    case Kind::kDouble: return FixedText(std::get<double>(value), s.decimals);
    case Kind::kYesNo:
      if (s.yes_no == YesNoText::kOneZero) return std::get<bool>(value) ? "1" : "0";
      return std::get<bool>(value) ? "Yes" : "No";
    case Kind::kColour: return std::to_string(std::get<uint32_t>(value));
    case Kind::kCommaList: return ini::JoinCommaList(std::get<std::vector<std::string>>(value));
    case Kind::kFont: return FormatFont(std::get<FontDescription>(value));
  }
  return {};
}

std::string DefaultText(const Setting& s, const LoadContext& context, int member, const SettingValues* values) {
  if (s.default_from && values && values->Holds(*s.default_from) && !values->Text(*s.default_from).empty()) {
    return values->Text(*s.default_from);
  }
  std::string text = LoaderDefault(s, context.basic_type, context.imperial, member);
  switch (s.from) {
    case DefaultFrom::kDeclared: return text;
    case DefaultFrom::kCurrentLanguage: return context.language;
    case DefaultFrom::kProgramDirectory: return platform::JoinPath(context.program_directory, text);
    case DefaultFrom::kDataDirectory: return platform::JoinPath(context.data_directory, text);
    case DefaultFrom::kNamespaceUri: return text.empty() ? text : NcFormatUri(text);
  }
  return text;
}

std::optional<std::string> PageDefaultText(const Setting& s, const LoadContext& context, int member) {
  const char* text = PageDefault(s, context.basic_type, context.imperial, member);
  if (text == kLeftUnchanged || text == kSetByPage) return std::nullopt;
  if (s.page == kSameAsLoader && !HasTypeVariants(s.page_by_type)) return DefaultText(s, context, member);
  Setting page_only = s;
  page_only.loader = text;
  page_only.loader_by_type = {};
  page_only.loader_imperial = nullptr;
  page_only.member_defaults = nullptr;
  page_only.default_from = nullptr;
  return DefaultText(page_only, context, member);
}

SettingValue ReadSettingKey(GIniFile& ini, const Setting& s, const std::string& key, std::string_view def) {
  switch (s.kind) {
    case Kind::kText: return ReadText(ini, key, s, def, TextLimit(s));
    case Kind::kChar: return ReadText(ini, key, s, def, 1);
    case Kind::kHexText: return DecodeHex(ini.GetString(s.section, key, ini::EncodeHex(def)), TextLimit(s));
    case Kind::kInteger:
      return ini.GetInt(s.section, key, ini::DecodeInt(def), static_cast<int>(s.min), static_cast<int>(s.max));
    case Kind::kDouble:
      return ReadNumberText<double>(ini, key, s, ini::DecodeDouble(def), std::string(def), ini::DecodeDouble,
                                    [&s](double n) { return FixedText(n, s.decimals); });
    case Kind::kYesNo:
      if (s.yes_no == YesNoText::kOneZero) return ini::DecodeBool(ini.GetString(s.section, key, def));
      return ini.GetBool(s.section, key, ini::DecodeBool(def));
    case Kind::kColour: {
      uint32_t colour = ParseColourText(def);
      return static_cast<uint32_t>(ReadNumberText<int64_t>(ini, key, s, colour, std::to_string(colour), DecodeInt64,
                                                           [](int64_t n) { return std::to_string(n); }));
    }
    case Kind::kCommaList: return SplitList(ReadText(ini, key, s, def, GIniFile::kTextMax), s);
    case Kind::kFont: {
      FontDescription font;
      ParseFont(def, font);
      for (int field = 0; field < kFontIntegerFields; ++field) {
        SetFontField(font, field,
                     ini.GetInt(s.section, FontKeyName(s, kFontFieldNames[field]), FontField(font, field),
                                FontFieldMin(field), FontFieldMax(field)));
      }
      font.face_name =
          ReadText(ini, FontKeyName(s, kFontFieldNames[kFontIntegerFields]), s, font.face_name, kFaceNameMax);
      return font;
    }
  }
  return std::string();
}

namespace {

template <typename Number, typename Decode>
std::optional<Number> CleanNumber(std::string_view stored, const Setting& s, Decode decode) {
  Number n = decode(stored);
  if (ini::IsUnusableNumber(stored, n == Number{})) return std::nullopt;
  if (n < static_cast<Number>(s.min) || n > static_cast<Number>(s.max)) return std::nullopt;
  return n;
}

}  // namespace

std::optional<SettingValue> DecodeStored(const Setting& s, std::string_view stored) {
  switch (s.kind) {
    case Kind::kText: return std::string(stored.substr(0, TextLimit(s)));
    case Kind::kChar: return std::string(stored.substr(0, 1));
    case Kind::kHexText: return DecodeHex(stored, TextLimit(s));
    case Kind::kYesNo: return ini::DecodeBool(stored);
    case Kind::kCommaList: return SplitList(stored, s);
    case Kind::kInteger:
      if (auto n = CleanNumber<int>(stored, s, ini::DecodeInt)) return *n;
      return std::nullopt;
    case Kind::kDouble:
      if (auto n = CleanNumber<double>(stored, s, ini::DecodeDouble)) return *n;
      return std::nullopt;
    case Kind::kColour:
      if (auto n = CleanNumber<int64_t>(stored, s, DecodeInt64)) return static_cast<uint32_t>(*n);
      return std::nullopt;
    case Kind::kFont: return std::nullopt;
  }
  return std::nullopt;
}

std::optional<SettingValue> FontFromScan(const Setting& s, const DeclaredValues& scan) {
  FontDescription font;
  for (int field = 0; field < kFontIntegerFields; ++field) {
    auto stored = scan.FindFontField(s, field);
    if (!stored) return std::nullopt;
    int n = ini::DecodeInt(*stored);
    if (ini::IsUnusableNumber(*stored, n == 0) || n < FontFieldMin(field) || n > FontFieldMax(field))
      return std::nullopt;
    SetFontField(font, field, n);
  }
  auto face = scan.FindFontField(s, kFontIntegerFields);
  if (!face) return std::nullopt;
  font.face_name = face->substr(0, kFaceNameMax);
  return font;
}

SettingValue ReadSettingFrom(GIniFile& ini, const DeclaredValues* scan, const Setting& s, int member,
                             std::string_view default_text) {
  if (scan) {
    std::optional<SettingValue> found;
    if (s.kind == Kind::kFont) {
      found = FontFromScan(s, *scan);
    } else if (auto stored = scan->Find(s, member)) {
      found = DecodeStored(s, *stored);
    }
    if (found) return *found;
  }
  return ReadSetting(ini, s, member, default_text);
}

SettingValue ReadSetting(GIniFile& ini, const Setting& s, int member, std::string_view def) {
  return ReadSettingKey(ini, s, s.kind == Kind::kFont ? std::string() : KeyName(s, member), def);
}

namespace {

// The store keeps a value that the site gives, written as the site wrote
// it, out of the user's file; this catches the same value in another
// spelling ("0.5" for "0.500000", "yes" for "Yes").
bool SiteGivesAlready(GIniFile& ini, const Setting& s, const std::string& key, const SettingValue& value) {
  if (ini.Overlay() == nullptr) return false;
  std::optional<std::string> site = ini.SiteDefault(s.section, key);
  if (!site) return false;
  std::optional<SettingValue> decoded = DecodeStored(s, *site);
  return decoded && *decoded == value;
}

}  // namespace

void WriteSetting(GIniFile& ini, const Setting& s, int member, const SettingValue& value) {
  if (s.kind == Kind::kFont) {
    const auto& font = std::get<FontDescription>(value);
    for (int field = 0; field < kFontIntegerFields; ++field) {
      ini.WriteInt(s.section, FontKeyName(s, kFontFieldNames[field]), FontField(font, field));
    }
    ini.WriteString(s.section, FontKeyName(s, kFontFieldNames[kFontIntegerFields]), font.face_name);
    return;
  }
  std::string key = KeyName(s, member);
  if (SiteGivesAlready(ini, s, key, value)) return;
  switch (s.kind) {
    case Kind::kText:
    case Kind::kChar:
    case Kind::kCommaList: ini.WriteString(s.section, key, FormatValue(s, value)); break;
    case Kind::kHexText: ini.WriteHex(s.section, key, std::get<std::string>(value)); break;
    default: ini.WriteRaw(s.section, key, FormatValue(s, value)); break;
  }
}

}  // namespace prefig
