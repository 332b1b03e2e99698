#include "controls/edit_ascii.h"

#include <algorithm>
#include <cstdio>

#include "record/pattern.h"

namespace prefig {

const std::array<WEditAscii::AsciiEntry, WEditAscii::kAsciiEntryCount>& WEditAscii::AsciiEntries() {
  static constexpr std::array<AsciiEntry, kAsciiEntryCount> kEntries{{
      {0, "NUL"},  {1, "SOH"},  {2, "STX"},  {3, "ETX"},  {4, "EOT"},  {5, "ENQ"},   {6, "ACK"},
      {7, "BEL"},  {8, "BS"},   {9, "HT"},   {10, "LF"},  {11, "VT"},  {12, "FF"},   {13, "CR"},
      {14, "SO"},  {15, "SI"},  {16, "DLE"}, {17, "DC1"}, {18, "DC2"}, {19, "DC3"},  {20, "DC4"},
      {21, "NAK"}, {22, "SYN"}, {23, "ETB"}, {24, "CAN"}, {25, "EM"},  {26, "SUB"},  {27, "ESC"},
      {28, "FS"},  {29, "GS"},  {30, "RS"},  {31, "US"},  {32, "SPC"}, {127, "DEL"},
  }};
  return kEntries;
}

std::string WEditAscii::AsciiMenuText(int index) {
  const AsciiEntry& entry = AsciiEntries().at(index);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "ASCII %d\t%s / x%02X", entry.code, entry.name, entry.code);
  return buffer;
}

std::string WEditAscii::AsciiInsertion(int index) {
  std::string text = std::string("\\") + AsciiEntries().at(index).name;
  if (text.size() < 4) text += ' ';
  return text;
}

WEditAscii::WEditAscii(ControlOwner* owner, int label_id, Help help)
    : WEdit(owner, label_id, ControlKind::kEditAscii, help) {}

WEditAscii::WEditAscii(ControlOwner* owner, int label_id, SettingRef setting, Help help)
    : WEdit(owner, label_id, setting, ControlKind::kEditAscii, help) {}

void WEditAscii::InsertAscii(int index) { ReplaceSelection(AsciiInsertion(index)); }

void WEditAscii::SetTriggerMode(int mode) {
  mode = std::clamp(mode, 0, kModeCount - 1);
  if (mode == mode_) return;
  mode_ = mode;
  Changed();
}

void WEditAscii::UserSetTriggerMode(int mode) {
  int before = mode_;
  SetTriggerMode(mode);
  if (mode_ != before) Edited();
}

WEditAscii::Mark WEditAscii::CurrentMark() const {
  if (mode_ != kRegularExpressionMode) return mode_ == 0 ? Mark::kFirstMode : Mark::kSecondMode;
  return PatternError(Text()).empty() ? Mark::kValidExpression : Mark::kInvalidExpression;
}

}  // namespace prefig
