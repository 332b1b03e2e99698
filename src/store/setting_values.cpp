#include "store/setting_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "store/declared_values.h"
#include "store/ini_file.h"
#include "store/ini_text.h"
#include "store/nc_filter_names.h"
#include "store/schema/registry.h"
#include "store/setting_index.h"

namespace prefig {

struct SlotLayout {
  SettingIndex first_slot;
  int slots = 0;
  std::vector<SettingValues::Slot> initial;  // every value at its declared default, none held
};

namespace {

const SlotLayout& LayoutOf(Scope scope) {
  static const auto build = [](Scope file) {
    SlotLayout layout;
    for (const Setting* s : SettingsOf(file)) {
      if (s->held_by != HeldBy::kValues) continue;
      layout.first_slot.Add(s, layout.slots);
      layout.slots += s->count;
      for (int member = 0; member < s->count; ++member) {
        layout.initial.push_back({ParseValue(*s, LoaderDefault(*s, 0, false, member)), false});
      }
    }
    return layout;
  };
  static const SlotLayout main = build(Scope::kMain), type = build(Scope::kType), dnc = build(Scope::kDnc);
  switch (scope) {
    case Scope::kType: return type;
    case Scope::kDnc: return dnc;
    default: return main;
  }
}

std::string JoinPath(const std::string& directory, std::string_view name) {
  if (directory.empty()) return std::string(name);
  if (directory.back() == '/') return directory + std::string(name);
  return directory + "/" + std::string(name);
}

std::string FormatFixed(double value, int decimals) {
  char buffer[512];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return "0";
  return std::string(buffer, result.ptr);
}

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
  std::vector<std::string> items;
  while (!text.empty() && (s.items <= 0 || static_cast<int>(items.size()) < s.items)) {
    size_t comma = text.find(',');
    std::string_view item = ini::Trim(text.substr(0, comma));
    if (s.length > 0 && item.size() > static_cast<size_t>(s.length)) item = item.substr(0, s.length);
    if (!item.empty()) items.emplace_back(item);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return items;
}

std::string JoinList(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ",") + item;
  return text;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Pairs of hexadecimal digits up to the first that is not one.
std::string DecodeHex(std::string_view hex, size_t max) {
  std::string text;
  for (size_t i = 0; i + 1 < hex.size() && text.size() < max; i += 2) {
    int high = HexDigit(hex[i]), low = HexDigit(hex[i + 1]);
    if (high < 0 || low < 0) break;
    text += static_cast<char>(high * 16 + low);
  }
  return text;
}

std::string Cut(std::string_view text, int length) {
  if (length > 0 && text.size() > static_cast<size_t>(length)) text = text.substr(0, length);
  return std::string(text);
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

SettingValues::Value ParseValue(const Setting& s, std::string_view text) {
  switch (s.kind) {
    case Kind::kText:
    case Kind::kHexText: return Cut(text, s.length);
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

std::string FormatValue(const Setting& s, const SettingValues::Value& value) {
  switch (s.kind) {
    case Kind::kText:
    case Kind::kChar: return std::get<std::string>(value);
    case Kind::kHexText: return ini::EncodeHex(std::get<std::string>(value));
    case Kind::kInteger: return std::to_string(std::get<int>(value));
    case Kind::kDouble: return FormatFixed(std::get<double>(value), s.decimals);
    case Kind::kYesNo:
      if (s.yes_no == YesNoText::kOneZero) return std::get<bool>(value) ? "1" : "0";
      return std::get<bool>(value) ? "Yes" : "No";
    case Kind::kColour: return std::to_string(std::get<uint32_t>(value));
    case Kind::kCommaList: return JoinList(std::get<std::vector<std::string>>(value));
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
    case DefaultFrom::kProgramDirectory: return JoinPath(context.program_directory, text);
    case DefaultFrom::kDataDirectory: return JoinPath(context.data_directory, text);
    case DefaultFrom::kNamespaceUri: return text.empty() ? text : kNcFormatNamespaceHost + text;
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

namespace {

SettingValues::Value ReadKey(GIniFile& ini, const Setting& s, const std::string& key, std::string_view def) {
  switch (s.kind) {
    case Kind::kText: return ReadText(ini, key, s, def, TextLimit(s));
    case Kind::kChar: return ReadText(ini, key, s, def, 1);
    case Kind::kHexText:
      return DecodeHex(ini.GetString(s.section, key, ini::EncodeHex(def)), TextLimit(s));
    case Kind::kInteger:
      return ini.GetInt(s.section, key, ini::DecodeInt(def), static_cast<int>(s.min), static_cast<int>(s.max));
    case Kind::kDouble:
      return ReadNumberText<double>(ini, key, s, ini::DecodeDouble(def), std::string(def), ini::DecodeDouble,
                                    [&s](double n) { return FormatFixed(n, s.decimals); });
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
      font.face_name = ReadText(ini, FontKeyName(s, kFontFieldNames[kFontIntegerFields]), s, font.face_name,
                                kFaceNameMax);
      return font;
    }
  }
  return std::string();
}

// A value found in the file, as a read would take it; nothing when the
// read would have to repair it (the store's path then writes the repair).
template <typename Number, typename Decode>
std::optional<Number> CleanNumber(std::string_view stored, const Setting& s, Decode decode) {
  Number n = decode(stored);
  if (ini::IsUnusableNumber(stored, n == Number{})) return std::nullopt;
  if (n < static_cast<Number>(s.min) || n > static_cast<Number>(s.max)) return std::nullopt;
  return n;
}

std::optional<SettingValues::Value> DecodeFound(const Setting& s, std::string_view stored) {
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

std::optional<SettingValues::Value> FoundFont(const Setting& s, const DeclaredValues& scan) {
  FontDescription font;
  for (int field = 0; field < kFontIntegerFields; ++field) {
    auto stored = scan.FindFontField(s, field);
    if (!stored) return std::nullopt;
    int n = ini::DecodeInt(*stored);
    if (ini::IsUnusableNumber(*stored, n == 0) || n < FontFieldMin(field) || n > FontFieldMax(field)) return std::nullopt;
    SetFontField(font, field, n);
  }
  auto face = scan.FindFontField(s, kFontIntegerFields);
  if (!face) return std::nullopt;
  font.face_name = face->substr(0, kFaceNameMax);
  return font;
}

}  // namespace

SettingValues::Value ReadSetting(GIniFile& ini, const Setting& s, int member, std::string_view def) {
  return ReadKey(ini, s, s.kind == Kind::kFont ? std::string() : KeyName(s, member), def);
}

void WriteSetting(GIniFile& ini, const Setting& s, int member, const SettingValues::Value& value) {
  if (s.kind == Kind::kFont) {
    const auto& font = std::get<FontDescription>(value);
    for (int field = 0; field < kFontIntegerFields; ++field) {
      ini.WriteInt(s.section, FontKeyName(s, kFontFieldNames[field]), FontField(font, field));
    }
    ini.WriteString(s.section, FontKeyName(s, kFontFieldNames[kFontIntegerFields]), font.face_name);
    return;
  }
  std::string key = KeyName(s, member);
  switch (s.kind) {
    case Kind::kText:
    case Kind::kChar:
    case Kind::kCommaList: ini.WriteString(s.section, key, FormatValue(s, value)); break;
    case Kind::kHexText: ini.WriteHex(s.section, key, std::get<std::string>(value)); break;
    default: ini.WriteRaw(s.section, key, FormatValue(s, value)); break;
  }
}

SettingValues::SettingValues(Scope scope) : scope_(scope), layout_(&LayoutOf(scope)) {
  slots_ = layout_->initial;
}

bool SettingValues::Holds(const Setting& s) const { return layout_->first_slot.Find(&s) >= 0; }

const SettingValues::Slot& SettingValues::At(const Setting& s, int member) const {
  int first = layout_->first_slot.Find(&s);
  if (first < 0 || member < 0 || member >= s.count) {
    throw std::logic_error(std::string("setting not held here: ") + s.section + "/" + s.key);
  }
  return slots_[static_cast<size_t>(first + member)];
}

SettingValues::Slot& SettingValues::At(const Setting& s, int member) {
  return const_cast<Slot&>(static_cast<const SettingValues*>(this)->At(s, member));
}

bool SettingValues::Bool(const Setting& s, int member) const { return std::get<bool>(At(s, member).value); }
int SettingValues::Int(const Setting& s, int member) const { return std::get<int>(At(s, member).value); }
double SettingValues::Double(const Setting& s, int member) const { return std::get<double>(At(s, member).value); }
uint32_t SettingValues::Colour(const Setting& s, int member) const { return std::get<uint32_t>(At(s, member).value); }
const std::string& SettingValues::Text(const Setting& s, int member) const {
  return std::get<std::string>(At(s, member).value);
}
char SettingValues::Char(const Setting& s, int member) const {
  const std::string& text = Text(s, member);
  return text.empty() ? '\0' : text[0];
}
const std::vector<std::string>& SettingValues::List(const Setting& s, int member) const {
  return std::get<std::vector<std::string>>(At(s, member).value);
}
const FontDescription& SettingValues::Font(const Setting& s, int member) const {
  return std::get<FontDescription>(At(s, member).value);
}

namespace {
template <typename T>
void Store(SettingValues::Value& slot, T value) {
  if (!std::holds_alternative<T>(slot)) throw std::logic_error("setting of another kind");
  slot = std::move(value);
}
}  // namespace

void SettingValues::SetBool(const Setting& s, bool value, int member) {
  Slot& slot = At(s, member);
  Store(slot.value, value);
  slot.held = true;
}
void SettingValues::SetInt(const Setting& s, int value, int member) {
  Slot& slot = At(s, member);
  Store(slot.value, value);
  slot.held = true;
}
void SettingValues::SetDouble(const Setting& s, double value, int member) {
  Slot& slot = At(s, member);
  Store(slot.value, value);
  slot.held = true;
}
void SettingValues::SetColour(const Setting& s, uint32_t value, int member) {
  Slot& slot = At(s, member);
  Store(slot.value, value);
  slot.held = true;
}
void SettingValues::SetText(const Setting& s, std::string_view value, int member) {
  Slot& slot = At(s, member);
  Store(slot.value, s.kind == Kind::kChar ? std::string(value.substr(0, 1)) : Cut(value, s.length));
  slot.held = true;
}
void SettingValues::SetList(const Setting& s, std::vector<std::string> value, int member) {
  Slot& slot = At(s, member);
  if (s.items > 0 && value.size() > static_cast<size_t>(s.items)) value.resize(s.items);
  for (std::string& item : value) item = Cut(item, s.length);
  Store(slot.value, std::move(value));
  slot.held = true;
}
void SettingValues::SetFont(const Setting& s, FontDescription value, int member) {
  Slot& slot = At(s, member);
  value.face_name = Cut(value.face_name, kFaceNameMax);
  Store(slot.value, std::move(value));
  slot.held = true;
}

void SettingValues::SetValue(const Setting& s, Value value, int member) {
  Slot& slot = At(s, member);
  if (slot.value.index() != value.index()) throw std::logic_error("setting of another kind");
  slot.value = std::move(value);
  slot.held = true;
}

bool SettingValues::IsHeld(const Setting& s, int member) const { return At(s, member).held; }

std::string SettingValues::Format(const Setting& s, int member) const { return FormatValue(s, At(s, member).value); }

void SettingValues::LoadMember(GIniFile& ini, const Setting& s, int member, const LoadContext& context, int slot_number,
                               int scan_id) {
  std::optional<Value> found;
  if (scan_) {
    if (s.kind == Kind::kFont) {
      found = FoundFont(s, *scan_);
    } else if (auto stored = scan_->At(scan_id)) {
      found = DecodeFound(s, *stored);
    }
  }
  Slot& slot = slots_[static_cast<size_t>(slot_number)];
  Value value = found ? std::move(*found)
                      : ReadKey(ini, s, DeclaredKeyName(s, member), DefaultText(s, context, member, this));
  if (s.if_empty && std::holds_alternative<std::string>(value) && std::get<std::string>(value).empty()) {
    value = std::string(s.if_empty);
  }
  if (s.no_while) {
    if (!IsHeld(*s.no_while)) Load(ini, *s.no_while, context);
    if (Bool(*s.no_while)) value = false;
  }
  slot.value = std::move(value);
  slot.held = true;
}

void SettingValues::Load(GIniFile& ini, const Setting& s, const LoadContext& context) {
  if (s.held_by == HeldBy::kIniFile) {
    for (int member = 0; member < s.count; ++member) {
      if (!scan_ || !scan_->Find(s, member)) ReadSetting(ini, s, member, DefaultText(s, context, member));
    }
    return;
  }
  int first_slot = layout_->first_slot.Find(&s);
  if (first_slot < 0) return;
  if (s.only_when) {
    if (!IsHeld(*s.only_when)) Load(ini, *s.only_when, context);
    if (!Bool(*s.only_when)) {
      for (int member = 0; member < s.count; ++member) {
        Slot& slot = At(s, member);
        slot.value = ParseValue(s, "");
        slot.held = false;
      }
      return;
    }
  }
  int first_id = scan_ ? scan_->FirstId(s) : -1;
  for (int member = 0; member < s.count; ++member) {
    LoadMember(ini, s, member, context, first_slot + member, first_id < 0 ? -1 : first_id + member);
  }
}

void SettingValues::Save(GIniFile& ini, const Setting& s) const {
  if (!Holds(s)) return;
  for (int member = 0; member < s.count; ++member) {
    const Slot& slot = At(s, member);
    if (!slot.held) continue;
    WriteSetting(ini, s, member, slot.value);
    if (scan_) scan_->Forget(s, member);
  }
}

namespace {
// Calls `each(setting, member)` member by member: the first member of every
// setting of the table, then the second, and so on.
template <typename Each>
void ForEachMemberOf(const SettingTable& table, Each each) {
  int members = 0;
  for (const Setting* s : table.settings) members = std::max(members, s->count);
  for (int member = 0; member < members; ++member) {
    for (const Setting* s : table.settings) {
      if (member < s->count) each(*s, member);
    }
  }
}
}  // namespace

void SettingValues::Load(GIniFile& ini, const SettingTable& table, const LoadContext& context) {
  if (!table.by_member) {
    for (const Setting* s : table.settings) Load(ini, *s, context);
    return;
  }
  ForEachMemberOf(table, [&](const Setting& s, int member) {
    int first_slot = layout_->first_slot.Find(&s);
    if (first_slot < 0) return;
    int first_id = scan_ ? scan_->FirstId(s) : -1;
    LoadMember(ini, s, member, context, first_slot + member, first_id < 0 ? -1 : first_id + member);
  });
}

void SettingValues::Save(GIniFile& ini, const SettingTable& table) const {
  if (!table.by_member) {
    for (const Setting* s : table.settings) Save(ini, *s);
    return;
  }
  ForEachMemberOf(table, [&](const Setting& s, int member) {
    if (!Holds(s) || !At(s, member).held) return;
    WriteSetting(ini, s, member, At(s, member).value);
    if (scan_) scan_->Forget(s, member);
  });
}

}  // namespace prefig
