#include "pages/binding.h"

#include <algorithm>
#include <cmath>

#include "controls/auto_checkbox.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/spin_value.h"
#include "ini/ini_text.h"
#include "record/setting_values.h"

namespace prefig {
namespace {

SettingValue HeldValue(const SettingValues& values, const Setting& s) {
  switch (s.kind) {
    case Kind::kYesNo:
      return values.Bool(s);
    case Kind::kInteger:
      return values.Int(s);
    case Kind::kDouble:
      return values.Double(s);
    case Kind::kColour:
      return values.Colour(s);
    case Kind::kCommaList:
      return values.List(s);
    case Kind::kFont:
      return values.Font(s);
    case Kind::kText:
    case Kind::kChar:
    case Kind::kHexText:
      break;
  }
  return values.Text(s);
}

int ClampToRange(long long value, const Setting& s) {
  return static_cast<int>(std::clamp<long long>(value, std::llround(s.min), std::llround(s.max)));
}

void Show(WControl& control, const Setting& s, const SettingValue& value) {
  switch (control.Kind()) {
    case ControlKind::kCheckBox:
      static_cast<WAutoCheckbox&>(control).SetCheck(std::get<bool>(value));
      return;
    case ControlKind::kSpin: {
      auto& spin = static_cast<WSpinValue&>(control);
      if (s.kind != Kind::kDouble) {
        spin.SetValue(std::get<int>(value));
      } else if (spin.IsDecimal()) {
        spin.SetDouble(std::get<double>(value));
      } else {
        spin.SetValue(static_cast<int>(std::lround(std::get<double>(value) * spin.Scale())));
      }
      return;
    }
    case ControlKind::kComboBox: {
      auto& combo = static_cast<WComboBox&>(control);
      switch (combo.StoredValue()) {
        case WComboBox::Value::kIndex:
          combo.Select(std::get<int>(value));
          return;
        case WComboBox::Value::kNumber:
          combo.SelectNumber(std::get<int>(value));
          return;
        case WComboBox::Value::kData:
          combo.SelectData(std::get<int>(value));
          return;
        case WComboBox::Value::kText:
          combo.SelectText(std::get<std::string>(value));
          return;
      }
      return;
    }
    case ControlKind::kEdit:
    case ControlKind::kEditField:
    case ControlKind::kEditAscii: {
      auto& edit = static_cast<WEdit&>(control);
      edit.SetValue(s.kind == Kind::kCommaList ? ini::JoinCommaList(std::get<std::vector<std::string>>(value))
                                                : std::get<std::string>(value));
      return;
    }
    default:
      return;
  }
}

// What the control holds, as a value of its setting.
SettingValue Shown(const WControl& control, const Setting& s) {
  switch (control.Kind()) {
    case ControlKind::kCheckBox:
      return static_cast<const WAutoCheckbox&>(control).IsChecked();
    case ControlKind::kSpin: {
      const auto& spin = static_cast<const WSpinValue&>(control);
      if (s.kind != Kind::kDouble) return spin.GetValue();
      if (spin.IsDecimal()) return std::clamp(spin.GetDouble(), s.min, s.max);
      return static_cast<double>(spin.GetValue()) / spin.Scale();
    }
    case ControlKind::kComboBox: {
      const auto& combo = static_cast<const WComboBox&>(control);
      switch (combo.StoredValue()) {
        case WComboBox::Value::kIndex:
          return ClampToRange(combo.Selected(), s);
        case WComboBox::Value::kNumber:
          return ClampToRange(ini::DecodeInt(combo.SelectedText()), s);
        case WComboBox::Value::kData:
          return ClampToRange(combo.SelectedData(), s);
        case WComboBox::Value::kText:
          return combo.SelectedText();
      }
      break;
    }
    case ControlKind::kEdit:
    case ControlKind::kEditField:
    case ControlKind::kEditAscii: {
      std::string text = static_cast<const WEdit&>(control).StoredText();
      if (s.kind == Kind::kCommaList) return ini::SplitCommaList(text);
      return text;
    }
    default:
      break;
  }
  return std::string();
}

}  // namespace

void LoadControl(WControl& control, const SettingValues& values) {
  if (const Setting* s = control.BoundSetting()) Show(control, *s, HeldValue(values, *s));
}

void SaveControl(const WControl& control, SettingValues& values, GIniFile* file) {
  const Setting* s = control.BoundSetting();
  if (s == nullptr) return;
  values.SetValue(*s, Shown(control, *s));
  if (file != nullptr) values.Save(*file, *s);
}

void DefaultControl(WControl& control, const LoadContext& context) {
  const Setting* s = control.BoundSetting();
  if (s == nullptr) return;
  std::optional<std::string> text = PageDefaultText(*s, context);
  if (text) Show(control, *s, ParseValue(*s, *text));
}

}  // namespace prefig
