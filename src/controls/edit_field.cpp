#include "controls/edit_field.h"

#include <cerrno>
#include <cstdlib>

#include "ini/ini_text.h"
#include "platform/text.h"

namespace prefig {
namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Signs only in front, at most one decimal separator.
std::string NumberCharacters(std::string_view text, bool sign, bool separator) {
  std::string kept;
  bool has_separator = false;
  for (char c : text) {
    if (platform::IsDigit(c)) {
      kept += c;
    } else if (sign && c == '-' && kept.empty()) {
      kept += c;
    } else if (separator && (c == '.' || c == ',') && !has_separator) {
      has_separator = true;
      kept += c;
    }
  }
  return kept;
}

// A partly typed number may lie below a positive minimum (the user is still
// typing); it may never pass the maximum, nor a negative minimum.
template <typename T>
bool WithinBounds(T value, T minimum, T maximum) {
  if (value > maximum) return false;
  return value >= 0 || value >= minimum;
}

}  // namespace

WEditField::WEditField(ControlOwner* owner, int label_id, Mode mode, Help help)
    : WEdit(owner, label_id, ControlKind::kEditField, help), mode_(mode) {}

WEditField::WEditField(ControlOwner* owner, int label_id, SettingRef setting, Mode mode, Help help)
    : WEdit(owner, label_id, setting, ControlKind::kEditField, help), mode_(mode) {}

void WEditField::SetBounds(long long minimum, long long maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
}

void WEditField::SetDecimalBounds(double minimum, double maximum) {
  decimal_minimum_ = minimum;
  decimal_maximum_ = maximum;
}

std::string WEditField::Filter(std::string_view current, std::string_view proposed) const {
  std::string kept;
  switch (mode_) {
    case Mode::kFree: return std::string(proposed);
    case Mode::kUnsigned:
    case Mode::kSigned: {
      kept = NumberCharacters(proposed, mode_ == Mode::kSigned, false);
      if (kept.empty() || kept == "-") return kept;
      errno = 0;
      long long value = std::strtoll(kept.c_str(), nullptr, 10);
      if (errno == ERANGE || !WithinBounds(value, minimum_, maximum_)) return std::string(current);
      return kept;
    }
    case Mode::kUnsignedDecimal:
    case Mode::kSignedDecimal: {
      kept = NumberCharacters(proposed, mode_ == Mode::kSignedDecimal, true);
      double value = ini::DecodeDouble(kept);
      if (!WithinBounds(value, decimal_minimum_, decimal_maximum_)) return std::string(current);
      return kept;
    }
    case Mode::kUpperAlnum:
    case Mode::kUpperAlnum6:
    case Mode::kUpperAlnum7:
      for (char c : proposed) {
        if (IsLetter(c) || platform::IsDigit(c)) kept += ini::FoldCase(c);
      }
      return kept;
    case Mode::kNoComma:
      for (char c : proposed) {
        if (c != ',') kept += c;
      }
      return kept;
    case Mode::kNumberText:
      for (char c : proposed) {
        bool space = c == ' ' && !kept.empty() && kept.back() != ' ';
        if (IsLetter(c) || platform::IsDigit(c) || c == '+' || c == '-' || c == '.' || c == ',' || space) kept += c;
      }
      return kept;
  }
  return std::string(proposed);
}

void WEditField::UserEdit(std::string_view text) { WEdit::UserEdit(Filter(Text(), text)); }

}  // namespace prefig
