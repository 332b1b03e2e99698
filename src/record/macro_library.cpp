#include "record/macro_library.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "ini/ini_file.h"
#include "ini/ini_overlay.h"
#include "ini/ini_text.h"
#include "record/macro_references.h"
#include "record/macro_sections.h"
#include "schema/declared_values.h"
#include "schema/macro_library.h"

namespace prefig {
namespace {

using namespace schema;

// A declaration of the macro sections placed in the section of one macro.
Setting InSection(const Setting& s, const std::string& section) {
  Setting placed = s;
  placed.section = section.c_str();
  return placed;
}

// Where loading takes the stored values from: the scans of the text, when
// there are some, and the file for what they lack or what must be repaired
// (a read of the file writes defaults and repairs as every read does).
class StoredValues {
 public:
  StoredValues(GIniFile& ini, const DeclaredValues* declared) : ini_(ini), declared_(declared) {}
  void UseSections(const MacroSections* sections) { sections_ = sections; }

  // A key of MACROINF, MACROGRP or FAVORITE; `limits` may narrow the range.
  SettingValue Read(const Setting& s, int member = 0, const Setting* limits = nullptr) {
    return ReadWith(declared_ ? declared_->Find(s, member) : std::nullopt, limits ? *limits : s, member);
  }
  int ReadInt(const Setting& s, int member = 0, const Setting* limits = nullptr) {
    return std::get<int>(Read(s, member, limits));
  }
  bool HasSection(int number, const std::string& section) {
    return sections_ ? sections_->Has(number) : ini_.SectionExists(section);
  }
  // A key of the section of macro `number`.
  SettingValue ReadIn(int number, const std::string& section, const Setting& s, int member = 0) {
    return ReadWith(sections_ ? sections_->Find(number, s, member) : std::nullopt, InSection(s, section), member);
  }
  // The fields from `first` on.
  void ReadFields(int number, const std::string& section, int member, MacroFields& fields, size_t first = 0) {
    for (size_t i = first; i < fields.Keys().size(); ++i)
      fields.At(i) = ReadIn(number, section, *fields.Keys()[i], member);
  }

 private:
  SettingValue ReadWith(std::optional<std::string_view> stored, const Setting& s, int member) {
    if (stored) {
      if (std::optional<SettingValue> value = DecodeStored(s, *stored)) return *value;
    }
    return ReadSetting(ini_, s, member, LoaderDefault(s, 0, false, member));
  }

  GIniFile& ini_;
  const DeclaredValues* declared_;
  const MacroSections* sections_ = nullptr;
};

void WriteFields(GIniFile& ini, const std::string& section, int member, const MacroFields& fields) {
  for (size_t i = 0; i < fields.Keys().size(); ++i) {
    WriteSetting(ini, InSection(*fields.Keys()[i], section), member, fields.At(i));
  }
}

// A name or prompt in the current language, written back when it changed.
void Translate(GIniFile& ini, const std::string& section, int member, const Setting& s, MacroFields& fields,
               const MacroLoadContext& context) {
  const std::string& text = fields.Text(s);
  if (!context.translate || text.empty()) return;
  std::string translated = CutToLength(context.translate(text), s.length);
  if (translated.empty() || translated == text) return;
  fields.Set(s, translated);
  WriteSetting(ini, InSection(s, section), member, SettingValue(fields.Text(s)));
}

bool UsesDatabase(const Macro& macro) {
  auto marked = [](std::string_view text) { return text.find(kDatabaseMarker) != std::string_view::npos; };
  return std::any_of(macro.lines.begin(), macro.lines.end(), marked) ||
         std::any_of(macro.parameters.begin(), macro.parameters.end(),
                     [&](const MacroParameter& p) { return marked(p.fields.Text(kParameterDefault)); });
}

bool NameLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(ini::FoldCase(x)) < static_cast<unsigned char>(ini::FoldCase(y));
  });
}

// Macro `number`; false when its section is not there or has no name.
bool LoadMacro(StoredValues& stored, GIniFile& ini, int number, const MacroLoadContext& context, Macro& macro) {
  std::string section = MacroSectionName(number);
  // A section that is not there is skipped without being created.
  if (!stored.HasSection(number, section)) return false;
  macro.fields.At(0) = stored.ReadIn(number, section, kMacroName);
  if (macro.Name().empty()) return false;
  stored.ReadFields(number, section, 0, macro.fields, 1);
  Translate(ini, section, 0, kMacroName, macro.fields, context);
  macro.lines = SplitMacroText(std::get<std::string>(stored.ReadIn(number, section, kMacroText)));
  int count = std::get<int>(stored.ReadIn(number, section, kMacroParameterCount));
  macro.parameters.resize(static_cast<size_t>(count));
  for (int p = 0; p < count; ++p) {
    MacroParameter& parameter = macro.parameters[static_cast<size_t>(p)];
    stored.ReadFields(number, section, p, parameter.fields);
    Translate(ini, section, p, kParameterDescription, parameter.fields, context);
    parameter.stored_number = p;
  }
  ApplyParameterReferences(macro);
  macro.uses_database = UsesDatabase(macro);
  macro.stored_section = number;
  return true;
}

}  // namespace

MacroFields::MacroFields(std::span<const Setting* const> keys) : keys_(keys) {
  values_.reserve(keys.size());
  for (const Setting* s : keys) values_.push_back(ParseValue(*s, LoaderDefault(*s, 0, false)));
}

size_t MacroFields::IndexOf(const Setting& s) const {
  for (size_t i = 0; i < keys_.size(); ++i) {
    if (keys_[i] == &s) return i;
  }
  throw std::logic_error(std::string("not a field here: ") + s.key);
}

const std::string& MacroFields::Text(const Setting& s) const { return std::get<std::string>(values_[IndexOf(s)]); }
bool MacroFields::Bool(const Setting& s) const { return std::get<bool>(values_[IndexOf(s)]); }
int MacroFields::Int(const Setting& s) const { return std::get<int>(values_[IndexOf(s)]); }
void MacroFields::Set(const Setting& s, SettingValue value) {
  if (auto* text = std::get_if<std::string>(&value)) *text = CutToLength(*text, s.length);
  values_[IndexOf(s)] = std::move(value);
}

// Every macro and parameter starts from the same defaults, parsed once.
MacroParameter::MacroParameter()
    : fields([] {
        static const MacroFields defaults(kParameterFields);
        return defaults;
      }()) {}

Macro::Macro()
    : fields([] {
        static const MacroFields defaults{std::span<const Setting* const>(kMacroKeys).first(kMacroFieldCount)};
        return defaults;
      }()) {}
const std::string& Macro::Name() const { return fields.Text(kMacroName); }
int Macro::Group() const { return fields.Int(kMacroGroup); }

std::vector<std::string> SplitMacroText(std::string_view text) {
  std::vector<std::string> lines;
  for (;;) {
    size_t joint = text.find(kMacroLineJoint);
    lines.emplace_back(text.substr(0, joint));
    if (joint == std::string_view::npos || lines.size() == kMacroLinesMax) break;
    text.remove_prefix(joint + 1);
  }
  return lines;
}

std::string JoinMacroLines(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += kMacroLineJoint;
    text += lines[i];
  }
  return text;
}

void ApplyParameterReferences(Macro& macro) {
  const int count = static_cast<int>(macro.parameters.size());
  std::vector<char> as_value(count + 1, 0), as_function(count + 1, 0);
  for (const std::string& line : macro.lines) {
    for (const ParameterReference& ref : FindReferences(line)) {
      if (ref.number <= count) (ref.function ? as_function : as_value)[ref.number] = 1;
    }
  }
  // 0 where a reference is written as it is: the parameter kept its number.
  std::vector<int> new_numbers(count + 1, 0);
  std::vector<MacroParameter> kept;
  bool renumbered = false;
  for (int n = 1; n <= count; ++n) {
    if (!as_value[n] && !as_function[n]) continue;
    MacroParameter& parameter = macro.parameters[n - 1];
    if (as_function[n]) parameter.fields.Set(kParameterIsFunction, true);
    kept.push_back(std::move(parameter));
    int number = static_cast<int>(kept.size());
    if (number != n) {
      new_numbers[n] = number;
      renumbered = true;
    }
  }
  macro.parameters = std::move(kept);
  if (!renumbered) return;
  for (std::string& line : macro.lines) line = RenumberReferences(line, new_numbers);
}

void GMacroLibrary::Load(GIniFile& ini, const MacroLoadContext& context) {
  bool was_cached = ini.SetCached(true);
  macros_.clear();
  groups_.clear();
  favourites_.clear();
  changed_ = false;

  StoredValues stored(ini, context.declared);
  stored_count_ = stored.ReadInt(kMacroCount);
  std::optional<MacroSections> sections;
  // The sections' own scan knows no site locks; a type with some reads key by key.
  bool site_locks = ini.Overlay() != nullptr && ini.Overlay()->HasLocks();
  const std::string* text = context.one_pass && stored_count_ > 0 && !site_locks ? ini.CachedText() : nullptr;
  if (text) {
    sections.emplace(*text, stored_count_);
    stored.UseSections(&*sections);
  }
  for (int number = 0; number < stored_count_; ++number) {
    Macro macro;
    if (LoadMacro(stored, ini, number, context, macro)) macros_.push_back(std::move(macro));
  }
  Setting current = kMacroCurrent;
  current.max = static_cast<double>(macros_.size());
  current_ = stored.ReadInt(kMacroCurrent, 0, &current);
  RebuildViews();

  int groups = stored.ReadInt(kMacroGroupCount);
  if (groups == 0) groups_.push_back(context.default_group_name);
  for (int g = 0; g < groups; ++g) groups_.push_back(std::get<std::string>(stored.Read(kMacroGroupName, g)));

  // A favourite of a macro that is not there is dropped.
  stored_favourites_.clear();
  int favourites = stored.ReadInt(kFavouriteCount);
  for (int n = 0; n < favourites; ++n) {
    MacroFavourite favourite{stored.ReadInt(kFavouriteGroup, n), stored.ReadInt(kFavouriteMacro, n)};
    stored_favourites_.push_back(favourite);
    if (favourite.macro >= 0 && favourite.macro < static_cast<int>(macros_.size())) favourites_.push_back(favourite);
  }
  ini.SetCached(was_cached);
}

void GMacroLibrary::SaveMacro(GIniFile& ini, int number, Macro& macro) {
  std::string section = MacroSectionName(number);
  ini.DeleteSection(section);
  WriteFields(ini, section, 0, macro.fields);
  WriteSetting(ini, InSection(kMacroText, section), 0, JoinMacroLines(macro.lines));
  int count = std::min(static_cast<int>(macro.parameters.size()), kMacroParameterMax);
  WriteSetting(ini, InSection(kMacroParameterCount, section), 0, count);
  for (int p = 0; p < count; ++p) {
    MacroParameter& parameter = macro.parameters[static_cast<size_t>(p)];
    WriteFields(ini, section, p, parameter.fields);
    parameter.stored_number = p;
  }
  macro.stored_section = number;
  macro.values_changed = false;
}

// Under the section and numbers the file holds: parameters dropped or
// renumbered when the library was read are still there under their old
// numbers until the library is saved whole.
void GMacroLibrary::SaveLastValues(GIniFile& ini, const Macro& macro) {
  if (macro.stored_section < 0) return;
  std::string section = MacroSectionName(macro.stored_section);
  Setting last_value = InSection(kParameterLastValue, section);
  for (const MacroParameter& parameter : macro.parameters) {
    if (parameter.stored_number < 0) continue;
    WriteSetting(ini, last_value, parameter.stored_number, parameter.fields.Text(kParameterLastValue));
  }
}

void GMacroLibrary::Save(GIniFile& ini) {
  bool was_cached = ini.SetCached(true);
  WriteSetting(ini, kMacroCurrent, 0, current_);
  if (changed_) {
    int count = std::min(static_cast<int>(macros_.size()), kMacroCountMax);
    WriteSetting(ini, kMacroCount, 0, count);
    for (int number = 0; number < count; ++number) SaveMacro(ini, number, macros_[static_cast<size_t>(number)]);
    // Sections of a longer library read before would come back with a
    // larger COUNT.
    for (int number = count; number < stored_count_; ++number) ini.DeleteSection(MacroSectionName(number));
    stored_count_ = count;

    ini.DeleteSection(kMacroGroupCount.section);
    int groups = std::min(static_cast<int>(groups_.size()), kMacroGroupMax);
    WriteSetting(ini, kMacroGroupCount, 0, groups);
    for (int g = 0; g < groups; ++g) WriteSetting(ini, kMacroGroupName, g, groups_[static_cast<size_t>(g)]);
    changed_ = false;
  } else {
    for (Macro& macro : macros_) {
      if (!macro.values_changed) continue;
      SaveLastValues(ini, macro);
      macro.values_changed = false;
    }
  }

  // Written anew when they differ from what the file holds; otherwise the
  // section stays where it is, so that saving an unchanged type twice
  // leaves the same file.
  if (favourites_.size() > static_cast<size_t>(kMacroCountMax)) favourites_.resize(kMacroCountMax);
  if (favourites_ != stored_favourites_) {
    ini.DeleteSection(kFavouriteCount.section);
    WriteSetting(ini, kFavouriteCount, 0, static_cast<int>(favourites_.size()));
    for (size_t n = 0; n < favourites_.size(); ++n) {
      WriteSetting(ini, kFavouriteGroup, static_cast<int>(n), favourites_[n].group);
      WriteSetting(ini, kFavouriteMacro, static_cast<int>(n), favourites_[n].macro);
    }
    stored_favourites_ = favourites_;
  }
  ini.SetCached(was_cached);
}

void GMacroLibrary::SetChanged() {
  changed_ = true;
  RebuildViews();
}

void GMacroLibrary::SetLastValue(int macro, int parameter, std::string_view value) {
  if (macro < 0 || macro >= static_cast<int>(macros_.size())) return;
  Macro& m = macros_[static_cast<size_t>(macro)];
  if (parameter < 1 || parameter > static_cast<int>(m.parameters.size())) return;
  m.parameters[static_cast<size_t>(parameter - 1)].fields.Set(kParameterLastValue, std::string(value));
  m.values_changed = true;
}

void GMacroLibrary::RebuildViews() {
  std::vector<int> all(macros_.size());
  for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
  auto name_less = [this](int a, int b) { return NameLess(macros_[a].Name(), macros_[b].Name()); };
  auto group_less = [this](int a, int b) { return macros_[a].Group() < macros_[b].Group(); };

  by_name_ = all;
  std::stable_sort(by_name_.begin(), by_name_.end(), name_less);
  by_group_ = by_name_;
  std::stable_sort(by_group_.begin(), by_group_.end(), group_less);
  by_group_and_position_ = all;
  std::stable_sort(by_group_and_position_.begin(), by_group_and_position_.end(), group_less);
}

}  // namespace prefig
