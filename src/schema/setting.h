#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// One stored setting, declared once. The loader, the savers, the command
// line and the pages all read these declarations; a key name or a default
// is written nowhere else. Declarations live in store/schema/, one header
// per section or page group, and read like the pages' tables:
//
//   inline constexpr Setting kTabChars{.section = "SYSTEM", .key = "TABCHARS",
//       .kind = kInteger, .min = 1, .max = 50, .loader = "8"};
//
// Defaults are texts in the form the file holds them ("8", "0.660000", "Yes",
// "("), except colours, which are written in hexadecimal (0x00BBGGRR) as the
// pages give them and stored in decimal.
namespace prefig {

// The file a setting lives in. The tool lists are the only keys that both
// the main INI file and every machine type file hold.
enum class Scope : uint8_t { kMain = 1, kType = 2, kMainAndType = 3, kDnc = 4 };
constexpr bool InScope(Scope setting, Scope file) {
  return (static_cast<unsigned>(setting) & static_cast<unsigned>(file)) != 0;
}

enum class Kind : uint8_t {
  kText,       // up to `length` characters
  kInteger,    // min..max, decimal
  kDouble,     // min..max, "%.*f" with `decimals`
  kYesNo,      // "Yes"/"No", or "1"/"0" where the page says so
  kChar,       // one character or none
  kCommaList,  // up to `items` items of up to `length` characters, joined by ","
  kColour,     // unsigned 32 bits, min..max, decimal
  kHexText,    // a text of up to `length` characters, written as "%02X" per character
  kFont,       // the logical-font record: `key` with "*" replaced by each field name
};

enum class YesNoText : uint8_t { kYesNoWords, kOneZero };

// Who holds the value in memory. Everything not held by the values of a
// scope is declared here for its name, limits and place in the saver's
// order, and read and written by the object that owns it.
enum class HeldBy : uint8_t {
  kValues,        // SettingValues
  kColourList,    // the user colour entries of a machine type
  kToolTable,     // the tool lists
  kProtocolList,  // the DNC protocol list
  kIniFile,       // read and written directly in the file by its page
  kMacroLibrary,  // the macro library of a machine type
};

// A loader default that depends on where the program runs.
enum class DefaultFrom : uint8_t {
  kDeclared,          // the declared text
  kCurrentLanguage,   // the language of the run-time context
  kProgramDirectory,  // the declared name inside the program directory
  kDataDirectory,     // the declared name inside the DATA directory
  kNamespaceUri,      // the declared path on the NC format namespace host
};

// Texts of the page's default that are not values.
inline constexpr char kSameAsLoader[] = "(same as the loader)";
inline constexpr char kLeftUnchanged[] = "(left unchanged by Default)";
inline constexpr char kSetByPage[] = "(set from other controls)";

// One text per basic type 0..3; all null when the setting has no variants.
using ByBasicType = std::array<const char*, 4>;
inline constexpr int kBasicTypeCount = 4;

struct Setting {
  Scope scope = Scope::kMain;
  const char* section = "";
  const char* key = "";  // a printf format of the member number when count > 1
  int count = 1;         // members of a numbered family
  int first = 0;         // number of the first member
  Kind kind = Kind::kText;
  int length = 0;  // texts: most characters kept; comma lists: per item
  int items = 0;   // comma lists: most items
  double min = 0;
  double max = 0;
  YesNoText yes_no = YesNoText::kYesNoWords;
  int decimals = 6;  // doubles: digits written after the point

  // The loader's default, and its variants.
  const char* loader = "";
  ByBasicType loader_by_type{};
  const char* loader_imperial = nullptr;         // when the user's locale measures in inches
  const char* const* member_defaults = nullptr;  // one per member of a numbered family
  DefaultFrom from = DefaultFrom::kDeclared;
  const Setting* default_from = nullptr;  // a text setting whose value, when not empty, is the default
  const char* if_empty = nullptr;         // what an empty stored value is taken as
  const Setting* only_when = nullptr;     // read only while this yes/no setting is Yes
  const Setting* no_while = nullptr;      // a yes/no taken as No while this one is Yes

  // The page's default.
  const char* page = kSameAsLoader;
  ByBasicType page_by_type{};

  HeldBy held_by = HeldBy::kValues;
};

constexpr bool HasTypeVariants(const ByBasicType& texts) { return texts[0] != nullptr; }

// The loader's default text before DefaultFrom is applied.
constexpr const char* LoaderDefault(const Setting& s, int basic_type, bool imperial, int member = 0) {
  if (imperial && s.loader_imperial) return s.loader_imperial;
  if (HasTypeVariants(s.loader_by_type) && basic_type >= 0 && basic_type < kBasicTypeCount) {
    return s.loader_by_type[basic_type];
  }
  if (s.member_defaults && member >= 0 && member < s.count) return s.member_defaults[member];
  return s.loader;
}

// The page's default text, or kLeftUnchanged / kSetByPage.
constexpr const char* PageDefault(const Setting& s, int basic_type, bool imperial, int member = 0) {
  if (HasTypeVariants(s.page_by_type) && basic_type >= 0 && basic_type < kBasicTypeCount) {
    return s.page_by_type[basic_type];
  }
  if (s.page == kSameAsLoader) return LoaderDefault(s, basic_type, imperial, member);
  return s.page;
}

// The key of a family member (member 0..count-1), or the key itself.
std::string KeyName(const Setting& s, int member = 0);
// A font's key for one field ("FONT*" with "HEIGHT" gives "FONTHEIGHT").
std::string FontKeyName(const Setting& s, std::string_view field);

// The declarations use these names unqualified.
namespace schema {
using enum Scope;
using enum Kind;
using enum YesNoText;
using enum HeldBy;
using enum DefaultFrom;
}  // namespace schema

}  // namespace prefig
