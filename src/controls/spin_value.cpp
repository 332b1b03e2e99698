#include "controls/spin_value.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "ini/ini_text.h"
#include "record/fixed_number.h"
#include "schema/setting.h"

namespace prefig {
namespace {

constexpr size_t kValueTextMax = 127;  // what a value read looks at

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string Decimal(int64_t n) { return std::to_string(n); }

// The shortest text of 1 to 8 decimals that reads back as the value. Always
// with ".", whatever numeric locale the toolkit has set.
std::string ShortDecimal(double value) {
  std::string text;
  for (int decimals = 1; decimals <= 8; ++decimals) {
    text = FixedText(value, decimals);
    if (std::fabs(ini::DecodeDouble(text) - value) < 1e-9) break;
  }
  return text;
}

}  // namespace

WSpinValue::WSpinValue(ControlOwner* owner, int label_id, Help help) : WControl(owner, ControlKind::kSpin, help) {
  MakeLabel(label_id);
}

WSpinValue::WSpinValue(ControlOwner* owner, int label_id, SettingRef bound, SpinOptions options, Help help)
    : WSpinValue(owner, label_id, help) {
  BindTo(bound);
  const Setting& setting = *bound.setting;
  scale_ = std::max(1, options.scale);
  if (setting.kind == Kind::kDouble && scale_ == 1) {
    DecimalSetup(setting.min, setting.max, setting.min);
  } else {
    Setup(static_cast<int>(std::lround(setting.min * scale_)), static_cast<int>(std::lround(setting.max * scale_)),
          options.step, options.letters);
  }
}

void WSpinValue::Setup(int minimum, int maximum, int step, bool letters) {
  minimum_ = minimum;
  maximum_ = std::max(maximum, minimum);
  step_ = step;
  letters_ = letters;
  Changed();
}

void WSpinValue::SetValue(int n) {
  if (minimum_ == kRangeNeverSet) Setup(0, 100000000, 1, letters_);
  SetText(Decimal(n));
}

int WSpinValue::GetValue() const {
  int value = ini::DecodeInt(std::string_view(Text()).substr(0, kValueTextMax));
  return std::clamp(value, minimum_, maximum_);
}

void WSpinValue::DecimalSetup(double minimum, double maximum, double value) {
  Setup(1, 10000, 1, letters_);
  decimal_mode_ = true;
  decimal_minimum_ = minimum;
  decimal_maximum_ = maximum;
  SetDouble(value);
}

double WSpinValue::GetDouble() const { return ini::DecodeDouble(std::string_view(Text()).substr(0, kValueTextMax)); }

void WSpinValue::SetDouble(double value) { SetText(ShortDecimal(value)); }

std::string WSpinValue::DecimalText(double value) { return ShortDecimal(value); }

void WSpinValue::Step(int direction) {
  if (StepLetters(direction) || StepFraction(direction) || StepDecimal(direction)) return;
  int64_t value = static_cast<int64_t>(ini::DecodeInt(Text())) + static_cast<int64_t>(direction) * step_;
  SetText(Decimal(std::clamp<int64_t>(value, minimum_, maximum_)));
}

void WSpinValue::UserEdit(std::string_view text) {
  if (SetText(text)) Edited();
}

void WSpinValue::UserStep(int direction) {
  std::string before = Text();
  Step(direction);
  if (Text() != before) Edited();
}

// One or two letters become the number of their code, stepped.
bool WSpinValue::StepLetters(int direction) {
  if (!letters_) return false;
  std::string_view text = Text();
  while (!text.empty() && ini::IsBlank(text.front())) text.remove_prefix(1);
  int code;
  if (text.size() == 1 && IsLetter(text[0])) {
    code = text[0] - 'A';
  } else if (text.size() == 2 && IsLetter(text[0]) && IsLetter(text[1])) {
    code = 27 * (text[0] - 'A') + (text[1] - 37);
  } else {
    return false;
  }
  SetText(Decimal(code + direction));
  return true;
}

// "n/d" (or "n\d") steps its numerator and never goes below 1.
bool WSpinValue::StepFraction(int direction) {
  std::string_view text = Text();
  size_t slash = text.find_first_of("/\\");
  if (slash == std::string_view::npos) return false;
  double numerator = ini::DecodeDouble(text.substr(0, slash));
  int denominator = ini::DecodeInt(text.substr(slash + 1));
  if (direction > 0) {
    numerator += 1;
  } else if (numerator > 1) {
    numerator -= 1;
  }
  int whole = std::max(1, static_cast<int>(std::clamp(numerator, 1.0, 2e9)));
  SetText(Decimal(whole) + "/" + Decimal(denominator));
  return true;
}

// A number with a separator keeps its count of decimals; below 1 it steps by
// its last decimal place.
bool WSpinValue::StepDecimal(int direction) {
  std::string_view text = Text();
  size_t separator = text.find_first_of(".,");
  if (separator == std::string_view::npos && !decimal_mode_) return false;
  int decimals = 1;
  if (separator != std::string_view::npos) {
    decimals = static_cast<int>(std::clamp<size_t>(text.size() - separator - 1, 1, 8));
  }
  double value = ini::DecodeDouble(text);
  double step = 1;
  if (std::fabs(value) < 1) step = std::max(std::pow(10.0, -decimals), decimal_minimum_);
  double lowest = decimal_minimum_ > 0 ? std::max(step, decimal_minimum_) : decimal_minimum_;
  value = std::clamp(value + direction * step, lowest, std::max(lowest, decimal_maximum_));
  SetText(FixedText(value, decimals));
  return true;
}

}  // namespace prefig
