#include "controls/edit.h"

#include <algorithm>

#include "ini/ini_text.h"
#include "schema/setting.h"

namespace prefig {

WEdit::WEdit(ControlOwner* owner, int label_id, ControlKind kind, Help help) : WControl(owner, kind, help) {
  MakeLabel(label_id);
}

WEdit::WEdit(ControlOwner* owner, int label_id, SettingRef bound, ControlKind kind, Help help)
    : WEdit(owner, label_id, kind, help) {
  BindTo(bound);
  const Setting& setting = *bound.setting;
  list_mode_ = setting.kind == Kind::kCommaList;
  int length = list_mode_ ? setting.length * std::max(1, setting.items) + 2 * setting.items : setting.length;
  if (length > 0) maximum_length_ = std::clamp<size_t>(static_cast<size_t>(length) + 1, 1, kLengthMax);
}

std::string WEdit::GetText(size_t size) const { return size == 0 ? std::string() : Text().substr(0, size - 1); }

std::string WEdit::Value() const {
  std::string value(ini::Trim(GetText(maximum_length_)));
  return list_mode_ ? ini::NormaliseCommaList(value, list_separator_) : value;
}

std::string WEdit::StoredTextFor(std::string_view value) const {
  std::string shown = list_mode_ ? ini::NormaliseCommaList(value, list_separator_) : std::string(value);
  std::string kept(ini::Trim(std::string_view(shown).substr(0, maximum_length_ - 1)));
  if (list_mode_) kept = ini::NormaliseCommaList(kept, list_separator_);
  return save_rule_ != nullptr ? save_rule_(kept) : kept;
}

void WEdit::SetValue(std::string_view value) {
  SetText(list_mode_ ? ini::NormaliseCommaList(value, list_separator_) : std::string(value));
}

void WEdit::SetMaximumLength(size_t length) {
  maximum_length_ = std::clamp<size_t>(length, 1, kLengthMax);
  Changed();
}

void WEdit::SetPassword(bool on) {
  password_ = on;
  Changed();
}

void WEdit::SetSelection(size_t start, size_t end) {
  selection_start_ = std::min(start, Text().size());
  selection_end_ = std::clamp(end, selection_start_, Text().size());
}

void WEdit::ReplaceSelection(std::string_view text) {
  std::string updated = Text();
  updated.replace(selection_start_, selection_end_ - selection_start_, text);
  size_t cursor = selection_start_ + text.size();
  UserEdit(updated);
  SetSelection(cursor, cursor);
}

void WEdit::UserEdit(std::string_view text) {
  if (SetText(text)) Edited();
}

void WEdit::UserLeave() {
  if (ControlOwner* owner = Owner()) owner->ControlLeft(*this);
}

}  // namespace prefig
