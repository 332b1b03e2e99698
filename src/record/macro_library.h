#pragma once
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "record/setting_io.h"

namespace prefig {

class DeclaredValues;
class GIniFile;

// Values of a fixed list of declared keys, each at its declared default
// until set: the fields of a macro or of one parameter.
class MacroFields {
 public:
  explicit MacroFields(std::span<const Setting* const> keys);
  const std::string& Text(const Setting& s) const;
  bool Bool(const Setting& s) const;
  int Int(const Setting& s) const;
  void Set(const Setting& s, SettingValue value);
  std::span<const Setting* const> Keys() const { return keys_; }
  const SettingValue& At(size_t i) const { return values_[i]; }
  SettingValue& At(size_t i) { return values_[i]; }

 private:
  size_t IndexOf(const Setting& s) const;
  std::span<const Setting* const> keys_;
  std::vector<SettingValue> values_;
};

struct MacroParameter {
  MacroParameter();
  MacroFields fields;
  // Its number in the macro's section of the file (-1: not stored yet);
  // the file keeps the numbers it had until the library is saved.
  int stored_number = -1;
};

struct Macro {
  Macro();
  const std::string& Name() const;
  int Group() const;

  MacroFields fields;  // NAME, PICTURE, ATTACHMENT, HIDEFORMULAS, GROUPID
  std::vector<std::string> lines;
  std::vector<MacroParameter> parameters;  // parameter n is parameters[n - 1]
  bool uses_database = false;              // a line or a parameter's DEFAULT holds "$DB"
  bool values_changed = false;             // a LASTVAL was entered since it was stored
  int stored_section = -1;                 // the number of its MACRO%03d section, -1 when not stored
};

// A favourite: the group it was chosen in and the macro's number.
struct MacroFavourite {
  int group = -1;
  int macro = -1;
  bool operator==(const MacroFavourite&) const = default;
};

// What loading the library needs from the machine type.
struct MacroLoadContext {
  // Translates a name or prompt; none when the type's texts are not
  // translated. An empty result, or the same text, keeps the text.
  std::function<std::string(std::string_view)> translate;
  std::string default_group_name;  // the group of a library without groups
  // A scan of the file's text for the keys of MACROINF, MACROGRP and
  // FAVORITE (the machine type's), or none.
  const DeclaredValues* declared = nullptr;
  // The macro sections are read in one pass over the text; false reads
  // them key by key, the reference the pass must agree with.
  bool one_pass = true;
};

inline constexpr int kMacroLinesMax = 2048;
inline constexpr char kMacroLineJoint = '\xFF';
inline constexpr std::string_view kDatabaseMarker = "$DB";

// The lines of a stored TEXT (at most kMacroLinesMax; an empty text is one
// empty line), and the TEXT of lines.
std::vector<std::string> SplitMacroText(std::string_view text);
std::string JoinMacroLines(const std::vector<std::string>& lines);

// Drops the parameters that no line refers to, numbers the others 1, 2, ...
// in their order, rewrites the references in the lines to the new numbers,
// and marks those referred to with the at sign as function parameters.
// References to parameters the macro does not have stay as written.
void ApplyParameterReferences(Macro& macro);

// The NC macros of a machine type, kept in its file (sections MACROINF,
// MACROGRP, FAVORITE and MACRO%03d).
class GMacroLibrary {
 public:
  // Reads the library in cache mode: every macro section with a name, its
  // name and prompts translated and written back when the context says so,
  // its parameters reduced to those referred to; the current macro, the
  // groups (one default group when there are none) and the favourites that
  // name a loaded macro. Missing keys of the sections read are written
  // with their defaults; a section that is not there is not created.
  void Load(GIniFile& ini, const MacroLoadContext& context);
  // Writes CURRENT; the whole library (macros, then groups; as many as a
  // file can count) when it was changed, otherwise the LASTVAL of every macro whose values changed,
  // into the section and under the numbers it was read from; then the
  // favourites anew when they are not what the file holds.
  void Save(GIniFile& ini);

  std::vector<Macro>& Macros() { return macros_; }
  const std::vector<Macro>& Macros() const { return macros_; }
  std::vector<std::string>& Groups() { return groups_; }
  const std::vector<std::string>& Groups() const { return groups_; }
  std::vector<MacroFavourite>& Favourites() { return favourites_; }
  const std::vector<MacroFavourite>& Favourites() const { return favourites_; }
  int Current() const { return current_; }
  void SetCurrent(int current) { current_ = current; }

  // The library itself (macros or groups) was edited: the next save writes
  // it whole. Rebuilds the sorted views.
  void SetChanged();
  bool IsChanged() const { return changed_; }
  // Enters the last value of a parameter (1-based) of a macro.
  void SetLastValue(int macro, int parameter, std::string_view value);

  // Macro numbers sorted by name (letter case ignored); by group, then
  // name; by group, then position in the library.
  const std::vector<int>& ByName() const { return by_name_; }
  const std::vector<int>& ByGroup() const { return by_group_; }
  const std::vector<int>& ByGroupAndPosition() const { return by_group_and_position_; }

 private:
  void SaveMacro(GIniFile& ini, int section, Macro& macro);
  void SaveLastValues(GIniFile& ini, const Macro& macro);
  void RebuildViews();

  std::vector<Macro> macros_;
  std::vector<std::string> groups_;
  std::vector<MacroFavourite> favourites_;
  std::vector<MacroFavourite> stored_favourites_;  // as the file holds them
  int current_ = 0;
  int stored_count_ = 0;  // MACROINF/COUNT as the file holds it
  bool changed_ = false;
  std::vector<int> by_name_, by_group_, by_group_and_position_;
};

}  // namespace prefig
