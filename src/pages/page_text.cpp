#include "pages/page_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "controls/auto_checkbox.h"
#include "controls/color_indicator.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/file_name_field.h"
#include "controls/font_sample.h"
#include "controls/header_ctrl.h"
#include "controls/nc_preview.h"
#include "controls/picture.h"
#include "controls/push_button.h"
#include "controls/slider.h"
#include "controls/spin_value.h"
#include "controls/swatch_row.h"
#include "ini/ini_text.h"
#include "pages/binding.h"
#include "pages/config_base.h"
#include "pages/form_dialog.h"
#include "pages/layout.h"
#include "schema/setting.h"

namespace prefig::page_text {
namespace {

// One line per control: tabs and line breaks inside a value are written as
// escapes, so that a script can split the line at tabs.
std::string OneLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\\': out += "\\\\"; break;
      default: out += c;
    }
  }
  return out;
}

const char* KindName(const WControl& control) {
  switch (control.Kind()) {
    case ControlKind::kStatic: return "label";
    case ControlKind::kCheckBox: return "check";
    case ControlKind::kSpin: return "spin";
    case ControlKind::kComboBox: return "combo";
    case ControlKind::kEdit:
    case ControlKind::kEditField:
    case ControlKind::kEditAscii:
    case ControlKind::kFileName: return "edit";
    case ControlKind::kPushButton:
    case ControlKind::kIconButton: return "button";
    case ControlKind::kColorIndicator: return "colour";
    case ControlKind::kList: return "list";
    case ControlKind::kIcon:
    case ControlKind::kPicture: return "picture";
    case ControlKind::kNcPreview: return "preview";
    case ControlKind::kFontSample: return "font";
    case ControlKind::kSlider: return "slider";
    case ControlKind::kSwatchRow: return "swatches";
  }
  return "label";
}

std::string ColourText(Rgba colour) {
  char text[16];
  if (colour.alpha == 255) {
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colour.red, colour.green, colour.blue);
  } else {
    std::snprintf(text, sizeof text, "#%02X%02X%02X%02X", colour.red, colour.green, colour.blue, colour.alpha);
  }
  return text;
}

// The selected swatch in brackets.
std::string SwatchesText(const WSwatchRow& row) {
  std::string text;
  for (int i = 0; i < row.Count(); ++i) {
    std::string colour = ColourText(row.Colors()[static_cast<size_t>(i)]);
    if (!text.empty()) text += ' ';
    text += i == row.Selected() ? "[" + colour + "]" : colour;
  }
  return text;
}

// As the font chooser's answer reads.
std::string FontText(const FontDescription& font) {
  return font.face_name + "," + std::to_string(font.height) + "," + std::to_string(font.weight) + "," +
         std::to_string(font.italic);
}

std::string ListText(const WHeaderCtrl& list) {
  std::string text;
  for (size_t i = 0; i < list.Rows().size(); ++i) {
    const WHeaderCtrl::Row& row = list.Rows()[i];
    if (!text.empty()) text += " | ";
    if (list.HasCheckBoxes()) text += row.checked ? "[x] " : "[ ] ";
    if (i < list.Swatches().size()) text += ColourText(list.Swatches()[i]) + " ";
    text += ini::JoinCommaList(row.cells, ", ");
  }
  return text;
}

std::string LiveValueText(const WControl& control) {
  switch (control.Kind()) {
    case ControlKind::kCheckBox: return static_cast<const WAutoCheckbox&>(control).IsChecked() ? "on" : "off";
    case ControlKind::kComboBox: return static_cast<const WComboBox&>(control).SelectedText();
    case ControlKind::kEdit:
    case ControlKind::kEditField:
    case ControlKind::kEditAscii: {
      const auto& edit = static_cast<const WEdit&>(control);
      return edit.IsPassword() ? std::string(edit.Value().size(), '*') : edit.Value();
    }
    case ControlKind::kColorIndicator: return ColourText(static_cast<const WColorIndicator&>(control).Color());
    case ControlKind::kList: return ListText(static_cast<const WHeaderCtrl&>(control));
    case ControlKind::kIcon: return static_cast<const WIcon&>(control).IconName();
    case ControlKind::kIconButton: return static_cast<const WIcoButton&>(control).Tooltip();
    case ControlKind::kFontSample: return FontText(static_cast<const WFontSample&>(control).Font());
    case ControlKind::kSlider: return std::to_string(static_cast<const WSlider&>(control).Position());
    case ControlKind::kSwatchRow: return SwatchesText(static_cast<const WSwatchRow&>(control));
    case ControlKind::kPicture: return static_cast<const WPicture&>(control).Name();
    case ControlKind::kNcPreview: return NcPreviewSummary(static_cast<const WNcPreview&>(control));
    default: return control.Text();
  }
}

// What a bound control of a page not yet loaded would show for the value
// it would load; a list box's entries are its declared ones.
std::string HeldText(const WControl& control, const SettingValue& value) {
  switch (control.Kind()) {
    case ControlKind::kCheckBox: return std::get<bool>(value) ? "on" : "off";
    case ControlKind::kSpin: {
      const auto& spin = static_cast<const WSpinValue&>(control);
      if (const double* number = std::get_if<double>(&value)) {
        return spin.IsDecimal() ? WSpinValue::DecimalText(*number)
                                : std::to_string(std::lround(*number * spin.Scale()));
      }
      return std::to_string(std::get<int>(value));
    }
    case ControlKind::kComboBox: {
      const auto& combo = static_cast<const WComboBox&>(control);
      std::vector<std::string> entries = combo.DeclaredEntries();
      if (const std::string* text = std::get_if<std::string>(&value)) {
        auto found = std::find_if(entries.begin(), entries.end(),
                                  [text](const std::string& entry) { return ini::SameName(entry, *text); });
        return found != entries.end() ? *found : std::string();
      }
      int n = std::get<int>(value);
      if (combo.StoredValue() == WComboBox::Value::kIndex) {
        return n >= 0 && n < static_cast<int>(entries.size()) ? entries[static_cast<size_t>(n)] : std::string();
      }
      if (combo.StoredValue() == WComboBox::Value::kNumber) {
        for (const std::string& entry : entries) {
          if (ini::DecodeInt(entry) >= n) return entry;
        }
        return entries.empty() ? std::string() : entries.back();
      }
      return {};
    }
    case ControlKind::kEdit:
    case ControlKind::kEditField:
    case ControlKind::kEditAscii:
      if (const auto* items = std::get_if<std::vector<std::string>>(&value)) return ini::JoinCommaList(*items, ", ");
      return static_cast<const WEdit&>(control).IsPassword() ? std::string() : std::get<std::string>(value);
    case ControlKind::kColorIndicator: {
      const Setting& s = *control.BoundSetting();
      return ColourText(FromStoredColour(std::get<uint32_t>(value), s.max > 0xFFFFFF));
    }
    case ControlKind::kFontSample: return FontText(std::get<FontDescription>(value));
    case ControlKind::kSlider: return std::to_string(std::get<int>(value));
    default: return {};
  }
}

// The key of a bound control: its member's, or for a font the common part
// of its fourteen keys ("FONT", "MFONT").
std::string BoundKey(const WControl& control) {
  const Setting& s = *control.BoundSetting();
  return s.kind == Kind::kFont ? FontKeyName(s, "") : KeyName(s, control.BoundMember());
}

// A button with only an icon is named by its tooltip, a picture by itself.
std::string BaseName(const WControl& control) {
  if (const Setting* s = control.BoundSetting()) return std::string(s->section) + "/" + BoundKey(control);
  if (!control.ControlName().empty()) return control.ControlName();
  if (control.Kind() == ControlKind::kIconButton) {
    return "#" + std::to_string(static_cast<const WIcoButton&>(control).TooltipId());
  }
  if (control.Kind() == ControlKind::kIcon) return std::string("#") + static_cast<const WIcon&>(control).IconName();
  return "#" + std::to_string(control.TextId());
}

// A number as a user would type it into a numeric field: digits with an
// optional sign and, for decimals, one point or comma.
bool IsNumberText(std::string_view text, bool decimal) {
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  size_t digits = 0;
  bool point = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (decimal && !point && (c == '.' || c == ',')) {
      point = true;
    } else {
      return false;
    }
  }
  return digits > 0;
}

bool Refuse(std::string* error, std::string message) {
  if (error != nullptr) *error = std::move(message);
  return false;
}

bool RefuseLocked(const WControl& control, std::string* error) {
  return Refuse(error, "is locked: " + control.Lock()->key + " is set by the site file " + control.Lock()->site_file);
}

bool RefuseRange(std::string* error, int minimum, int maximum) {
  return Refuse(error, "expects a whole number from " + std::to_string(minimum) + " to " + std::to_string(maximum));
}

bool EditSpin(WSpinValue& spin, std::string_view value, std::string* error) {
  if (!IsNumberText(value, spin.IsDecimal())) {
    return Refuse(error, spin.IsDecimal() ? "expects a number" : "expects a whole number");
  }
  if (!spin.IsDecimal()) {
    long long n = ini::DecodeInt(value);
    if (n < spin.Minimum() || n > spin.Maximum()) return RefuseRange(error, spin.Minimum(), spin.Maximum());
  }
  spin.UserEdit(value);
  return true;
}

bool EditCombo(WComboBox& combo, std::string_view value, std::string* error) {
  const auto& entries = combo.Entries();
  auto same = [&](bool fold) {
    return std::find_if(entries.begin(), entries.end(), [&](const WComboBox::Entry& entry) {
      return fold ? ini::SameName(entry.text, value) : entry.text == value;
    });
  };
  auto found = same(false);
  if (found == entries.end()) found = same(true);
  if (found == entries.end()) {
    std::string offered;
    for (const auto& entry : entries) offered += (offered.empty() ? "" : " | ") + entry.text;
    return Refuse(error, "has no entry '" + std::string(value) + "' (entries: " + offered + ")");
  }
  combo.UserSelect(static_cast<int>(found - entries.begin()));
  return true;
}

bool EditNumber(std::string_view value, int minimum, int maximum, int& number, std::string* error) {
  number = ini::DecodeInt(value);
  if (!IsNumberText(value, false) || number < minimum || number > maximum) return RefuseRange(error, minimum, maximum);
  return true;
}

bool EditColour(WColorIndicator& indicator, std::string_view value, std::string* error) {
  if ((value.size() != 7 && value.size() != 9) || value.front() != '#') return Refuse(error, "expects #RRGGBB");
  uint8_t parts[4] = {0, 0, 0, 255};
  for (size_t i = 1; i < value.size(); i += 2) {
    int high = ini::HexDigit(value[i]), low = ini::HexDigit(value[i + 1]);
    if (high < 0 || low < 0) return Refuse(error, "expects #RRGGBB");
    parts[i / 2] = static_cast<uint8_t>(high * 16 + low);
  }
  indicator.SetColor(Rgba{parts[0], parts[1], parts[2], parts[3]});
  if (ControlOwner* owner = indicator.Owner()) owner->ControlEdited(indicator);
  return true;
}

std::vector<ControlLine> DescribeControls(const layout::Item& layout, const std::vector<WControl*>& controls,
                                          WConfigBase* page) {
  std::vector<WControl*> order = layout::ControlsInOrder(layout);
  for (WControl* control : controls) {
    if (std::find(order.begin(), order.end(), control) == order.end()) order.push_back(control);
  }
  std::vector<ControlLine> lines;
  std::map<std::string, int> seen;
  for (WControl* control : order) {
    ControlLine line;
    line.name = BaseName(*control);
    if (int n = ++seen[line.name]; n > 1) line.name += "@" + std::to_string(n);
    line.kind = KindName(*control);
    line.value = OneLine(LiveValueText(*control));
    line.state = control->IsLocked() ? "locked" : control->IsEnabled() ? "enabled" : "disabled";
    if (!control->IsVisible()) line.state += " hidden";
    if (page != nullptr && page->IsModified(*control)) line.state += " modified";
    line.control = control;
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace

std::vector<ControlLine> Describe(WConfigBase& page) { return DescribeControls(page.Layout(), page.Controls(), &page); }

std::vector<ControlLine> Describe(const FormDialog& dialog) {
  return DescribeControls(dialog.Layout(), dialog.Controls(), nullptr);
}

std::string ValueText(const WControl& control) { return OneLine(LiveValueText(control)); }

std::string ValueTextOf(WConfigBase& page, const WControl& control) {
  if (page.HoldsItsValues() || control.BoundSetting() == nullptr) return page.IsLoaded() ? ValueText(control) : "";
  SettingPlace place = page.Place(*control.BoundSetting());
  if (place.values == nullptr) return {};
  std::optional<SettingValue> value = ValueAsShown(control, place.values);
  return value ? OneLine(HeldText(control, *value)) : std::string();
}

std::string Format(const std::vector<ControlLine>& lines) {
  std::string text;
  for (const ControlLine& line : lines) {
    text += line.name + '\t' + line.kind + '\t' + line.value + '\t' + line.state + '\n';
  }
  return text;
}

WControl* Find(const std::vector<ControlLine>& lines, std::string_view name, std::string* error) {
  for (const ControlLine& line : lines) {
    if (ini::SameName(line.name, name)) return line.control;
  }
  WControl* by_key = nullptr;
  int matches = 0;
  for (const ControlLine& line : lines) {
    const Setting* s = line.control->BoundSetting();
    if (s != nullptr && ini::SameName(BoundKey(*line.control), name)) {
      by_key = line.control;
      ++matches;
    }
  }
  if (matches == 1) return by_key;
  if (error != nullptr) {
    *error = matches > 1 ? "'" + std::string(name) + "' names more than one control; give SECTION/KEY"
                         : "no control '" + std::string(name) + "' on this page";
  }
  return nullptr;
}

bool Edit(WControl& control, std::string_view value, std::string* error) {
  if (control.IsLocked()) return RefuseLocked(control, error);
  if (!control.IsEnabled() || !control.IsVisible()) return Refuse(error, "is not enabled");
  switch (control.Kind()) {
    case ControlKind::kCheckBox: {
      auto& box = static_cast<WAutoCheckbox&>(control);
      if (value != "on" && value != "off") return Refuse(error, "expects on or off");
      if (box.IsChecked() != (value == "on")) box.Click();
      return true;
    }
    case ControlKind::kSpin: return EditSpin(static_cast<WSpinValue&>(control), value, error);
    case ControlKind::kComboBox: return EditCombo(static_cast<WComboBox&>(control), value, error);
    case ControlKind::kEdit:
    case ControlKind::kEditField:
    case ControlKind::kEditAscii: {
      auto& edit = static_cast<WEdit&>(control);
      // A field holds one line, and no file keeps a line break in a value.
      if (value.find_first_of("\r\n") != std::string_view::npos) return Refuse(error, "takes no line break");
      edit.UserEdit(value);
      // Blanks around a value are never stored: dropping them loses nothing.
      if (edit.Value() != ini::Trim(value))
        return Refuse(error, "cannot take '" + std::string(value) + "' (it would show '" + edit.Value() + "')");
      edit.UserLeave();
      return true;
    }
    case ControlKind::kColorIndicator: return EditColour(static_cast<WColorIndicator&>(control), value, error);
    case ControlKind::kSlider: {
      auto& slider = static_cast<WSlider&>(control);
      int position = 0;
      if (!EditNumber(value, slider.Minimum(), slider.Maximum(), position, error)) return false;
      slider.UserMove(position);
      return true;
    }
    case ControlKind::kList: {
      auto& list = static_cast<WHeaderCtrl&>(control);
      int row = 0;
      if (!EditNumber(value, 0, list.Count() - 1, row, error)) return false;
      list.UserSelect(row);
      return true;
    }
    case ControlKind::kSwatchRow: {
      auto& row = static_cast<WSwatchRow&>(control);
      int index = 0;
      if (!EditNumber(value, 0, row.Count() - 1, index, error)) return false;
      row.UserSelect(index);
      return true;
    }
    case ControlKind::kFileName:
    case ControlKind::kFontSample: return Refuse(error, "is chosen with its button: use --click and --answer");
    default: return Refuse(error, "takes no value");
  }
}

bool Click(WControl& control, std::string* error) {
  if (control.IsLocked()) return RefuseLocked(control, error);
  if (!control.IsEnabled() || !control.IsVisible()) return Refuse(error, "is not enabled");
  switch (control.Kind()) {
    case ControlKind::kCheckBox: static_cast<WAutoCheckbox&>(control).Click(); return true;
    case ControlKind::kPushButton:
    case ControlKind::kIconButton: static_cast<WPushButton&>(control).Click(); return true;
    case ControlKind::kFontSample: static_cast<WFontSample&>(control).Choose(); return true;
    case ControlKind::kColorIndicator:
      if (!static_cast<WColorIndicator&>(control).IsChoosable()) break;
      static_cast<WColorIndicator&>(control).Choose();
      return true;
    default: break;
  }
  return Refuse(error, "cannot be clicked");
}

}  // namespace prefig::page_text
