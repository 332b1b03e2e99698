#pragma once
// One setting's value as the file holds it: its default where the program
// runs, reading with the store's rules, writing, and the text forms.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "schema/font_description.h"
#include "schema/setting.h"

namespace prefig {

class DeclaredValues;
class GIniFile;
class SettingValues;

// A value of any kind: text (also one character and hex text), integer,
// number, yes/no, colour, list, font.
using SettingValue = std::variant<std::string, int, double, bool, uint32_t, std::vector<std::string>, FontDescription>;

// Where the program runs, for the defaults that depend on it.
struct LoadContext {
  int basic_type = 0;      // of the machine type being loaded
  bool imperial = false;   // the user's locale measures in inches
  std::string language{};  // the current language code
  std::string program_directory{};
  std::string data_directory{};  // the DATA configuration directory
};

// The loader's default of a setting where the program runs, as text; with
// `values`, a default taken from another setting uses its value there.
std::string DefaultText(const Setting& s, const LoadContext& context, int member = 0,
                        const SettingValues* values = nullptr);
// The page's default where the program runs, or nothing when the page's
// Default leaves the value alone or sets it from other controls.
std::optional<std::string> PageDefaultText(const Setting& s, const LoadContext& context, int member = 0);

// At most `length` characters of a text (0: no limit).
std::string CutToLength(std::string_view text, int length);

// A declared default text as a value of the setting's kind, and a value as
// the file holds it ("Yes", "0.660000", "4292362047").
SettingValue ParseValue(const Setting& s, std::string_view text);
std::string FormatValue(const Setting& s, const SettingValue& value);

// Reads one member with the store's rules: a missing key gets the default
// written, a number out of range or unusable is repaired and written back.
SettingValue ReadSetting(GIniFile& ini, const Setting& s, int member, std::string_view default_text);
SettingValue ReadSettingKey(GIniFile& ini, const Setting& s, const std::string& key, std::string_view default_text);
void WriteSetting(GIniFile& ini, const Setting& s, int member, const SettingValue& value);

// For bulk loading: with a scan, the member's scanned value when it needs
// no repair; otherwise it is read from the file.
SettingValue ReadSettingFrom(GIniFile& ini, const DeclaredValues* scan, const Setting& s, int member,
                             std::string_view default_text);

// What a read of a stored text gives, or nothing when the read would have to
// repair it (and so write): bulk loading takes these without the store.
std::optional<SettingValue> DecodeStored(const Setting& s, std::string_view stored);
std::optional<SettingValue> FontFromScan(const Setting& s, const DeclaredValues& scan);

}  // namespace prefig
