#include "pages/binding.h"

#include <algorithm>
#include <cmath>

#include "controls/auto_checkbox.h"
#include "controls/color_indicator.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/font_sample.h"
#include "controls/slider.h"
#include "controls/spin_value.h"
#include "ini/ini_text.h"
#include "record/setting_values.h"

namespace prefig {
namespace {

SettingValue HeldValue(const SettingValues& values, const Setting& s, int member) {
  switch (s.kind) {
    case Kind::kYesNo: return values.Bool(s, member);
    case Kind::kInteger: return values.Int(s, member);
    case Kind::kDouble: return values.Double(s, member);
    case Kind::kColour: return values.Colour(s, member);
    case Kind::kCommaList: return values.List(s, member);
    case Kind::kFont: return values.Font(s, member);
    case Kind::kText:
    case Kind::kChar:
    case Kind::kHexText: break;
  }
  return values.Text(s, member);
}

int ClampToRange(long long value, const Setting& s) {
  return static_cast<int>(std::clamp<long long>(value, std::llround(s.min), std::llround(s.max)));
}

// Colour settings whose range reaches the top byte keep an opacity there.
bool HasOpacity(const Setting& s) { return s.max > 0xFFFFFF; }

bool IsTextKind(Kind kind) {
  return kind == Kind::kText || kind == Kind::kChar || kind == Kind::kHexText || kind == Kind::kCommaList;
}

bool KindFits(const WControl& control, Kind kind) {
  switch (control.Kind()) {
    case ControlKind::kCheckBox: return kind == Kind::kYesNo;
    case ControlKind::kSpin: return kind == Kind::kInteger || kind == Kind::kDouble;
    case ControlKind::kComboBox:
      if (static_cast<const WComboBox&>(control).StoredValue() == WComboBox::Value::kText) {
        return kind == Kind::kText || kind == Kind::kChar;
      }
      return kind == Kind::kInteger;
    case ControlKind::kEdit:
    case ControlKind::kEditField:
    case ControlKind::kEditAscii: return IsTextKind(kind);
    case ControlKind::kColorIndicator: return kind == Kind::kColour;
    case ControlKind::kFontSample: return kind == Kind::kFont;
    case ControlKind::kSlider: return kind == Kind::kInteger;
    default: return false;
  }
}

void Show(WControl& control, const Setting& s, const SettingValue& value) {
  switch (control.Kind()) {
    case ControlKind::kCheckBox: static_cast<WAutoCheckbox&>(control).SetCheck(std::get<bool>(value)); return;
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
        case WComboBox::Value::kIndex: combo.Select(std::get<int>(value)); return;
        case WComboBox::Value::kNumber: combo.SelectNumber(std::get<int>(value)); return;
        case WComboBox::Value::kData: combo.SelectData(std::get<int>(value)); return;
        case WComboBox::Value::kText: combo.SelectText(std::get<std::string>(value)); return;
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
    case ControlKind::kColorIndicator:
      static_cast<WColorIndicator&>(control).SetColor(FromStoredColour(std::get<uint32_t>(value), HasOpacity(s)));
      return;
    case ControlKind::kFontSample: static_cast<WFontSample&>(control).SetFont(std::get<FontDescription>(value)); return;
    case ControlKind::kSlider: static_cast<WSlider&>(control).SetPosition(std::get<int>(value)); return;
    default: return;
  }
}

// What the control holds, as a value of its setting.
SettingValue Shown(const WControl& control, const Setting& s) {
  switch (control.Kind()) {
    case ControlKind::kCheckBox: return static_cast<const WAutoCheckbox&>(control).IsChecked();
    case ControlKind::kSpin: {
      const auto& spin = static_cast<const WSpinValue&>(control);
      if (s.kind != Kind::kDouble) return spin.GetValue();
      if (spin.IsDecimal()) return std::clamp(spin.GetDouble(), s.min, s.max);
      return static_cast<double>(spin.GetValue()) / spin.Scale();
    }
    case ControlKind::kComboBox: {
      const auto& combo = static_cast<const WComboBox&>(control);
      switch (combo.StoredValue()) {
        case WComboBox::Value::kIndex: return ClampToRange(combo.Selected(), s);
        case WComboBox::Value::kNumber: return ClampToRange(ini::DecodeInt(combo.SelectedText()), s);
        case WComboBox::Value::kData: return ClampToRange(combo.SelectedData(), s);
        case WComboBox::Value::kText: return combo.SelectedText();
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
    case ControlKind::kColorIndicator: {
      uint32_t colour = ToStoredColour(static_cast<const WColorIndicator&>(control).Color(), HasOpacity(s));
      return static_cast<uint32_t>(std::clamp<double>(colour, s.min, s.max));
    }
    case ControlKind::kFontSample: return static_cast<const WFontSample&>(control).Font();
    case ControlKind::kSlider: return ClampToRange(static_cast<const WSlider&>(control).Position(), s);
    default: break;
  }
  return std::string();
}

// A value of the setting as the control would show it: Show then Shown,
// without touching the control.
SettingValue AsShown(const WControl& control, const Setting& s, SettingValue value) {
  switch (control.Kind()) {
    case ControlKind::kSpin: {
      const auto& spin = static_cast<const WSpinValue&>(control);
      if (s.kind != Kind::kDouble) return std::clamp(std::get<int>(value), spin.Minimum(), spin.Maximum());
      double number = std::get<double>(value);
      if (spin.IsDecimal()) return std::clamp(ini::DecodeDouble(WSpinValue::DecimalText(number)), s.min, s.max);
      return static_cast<double>(std::lround(number * spin.Scale())) / spin.Scale();
    }
    case ControlKind::kComboBox:
      if (s.kind == Kind::kInteger) return ClampToRange(std::get<int>(value), s);
      return value;
    case ControlKind::kEdit:
    case ControlKind::kEditField:
    case ControlKind::kEditAscii: {
      const auto& edit = static_cast<const WEdit&>(control);
      if (s.kind == Kind::kCommaList) {
        return ini::SplitCommaList(edit.StoredTextFor(ini::JoinCommaList(std::get<std::vector<std::string>>(value))));
      }
      return edit.StoredTextFor(std::get<std::string>(value));
    }
    case ControlKind::kColorIndicator: {
      uint32_t stored = ToStoredColour(FromStoredColour(std::get<uint32_t>(value), HasOpacity(s)), HasOpacity(s));
      return static_cast<uint32_t>(std::clamp<double>(stored, s.min, s.max));
    }
    case ControlKind::kSlider: return ClampToRange(std::get<int>(value), s);
    default: return value;
  }
}

}  // namespace

bool CanBind(const WControl& control) {
  const Setting* s = control.BoundSetting();
  return s != nullptr && control.BoundMember() >= 0 && control.BoundMember() < s->count && KindFits(control, s->kind);
}

void LoadControl(WControl& control, const SettingValues& values) {
  if (!CanBind(control) || !values.Holds(*control.BoundSetting())) return;
  const Setting& s = *control.BoundSetting();
  Show(control, s, HeldValue(values, s, control.BoundMember()));
}

void SaveControl(const WControl& control, SettingValues& values, GIniFile* file) {
  if (!CanBind(control) || !values.Holds(*control.BoundSetting())) return;
  const Setting& s = *control.BoundSetting();
  SettingValue value = Shown(control, s);
  if (file != nullptr) WriteSetting(*file, s, control.BoundMember(), value);
  values.SetValue(s, std::move(value), control.BoundMember());
}

void DefaultControl(WControl& control, const LoadContext& context) {
  if (!CanBind(control)) return;
  const Setting& s = *control.BoundSetting();
  std::optional<std::string> text = PageDefaultText(s, context, control.BoundMember());
  if (text) Show(control, s, ParseValue(s, *text));
}

std::optional<SettingValue> ValueAsShown(const WControl& control, const SettingValues* held) {
  if (!CanBind(control)) return std::nullopt;
  const Setting& s = *control.BoundSetting();
  if (held == nullptr) return Shown(control, s);
  if (!held->Holds(s)) return std::nullopt;
  return AsShown(control, s, HeldValue(*held, s, control.BoundMember()));
}

bool DiffersFromDefault(const WControl& control, const SettingValues* held, const LoadContext& context,
                        const std::optional<SettingValue>& instead) {
  std::optional<SettingValue> now = ValueAsShown(control, held);
  if (!now) return false;
  const Setting& s = *control.BoundSetting();
  std::optional<SettingValue> fallback = instead;
  if (!fallback) {
    std::optional<std::string> text = PageDefaultText(s, context, control.BoundMember());
    if (!text) return false;
    fallback = ParseValue(s, *text);
  }
  return FormatValue(s, *now) != FormatValue(s, AsShown(control, s, *fallback));
}

}  // namespace prefig
