#include "controls/combo_box.h"

#include <cstdarg>
#include <cstdio>

#include "ini/ini_text.h"

namespace prefig {

WComboBox::WComboBox(ControlOwner* owner, int label_id, Help help) : WControl(owner, ControlKind::kComboBox, help) {
  MakeLabel(label_id);
}

WComboBox::WComboBox(ControlOwner* owner, int label_id, std::initializer_list<int> entry_ids, Help help)
    : WComboBox(owner, label_id, help) {
  entry_ids_ = entry_ids;
}

WComboBox::WComboBox(ControlOwner* owner, int label_id, std::initializer_list<std::string_view> entry_texts, Help help)
    : WComboBox(owner, label_id, help) {
  entry_texts_.assign(entry_texts.begin(), entry_texts.end());
}

WComboBox::WComboBox(ControlOwner* owner, int label_id, SettingRef setting, std::initializer_list<int> entry_ids,
                     Value value, Help help)
    : WComboBox(owner, label_id, entry_ids, help) {
  BindTo(setting);
  value_ = value;
}

WComboBox::WComboBox(ControlOwner* owner, int label_id, SettingRef setting,
                     std::initializer_list<std::string_view> entry_texts, Value value, Help help)
    : WComboBox(owner, label_id, entry_texts, help) {
  BindTo(setting);
  value_ = value;
}

int WComboBox::Append(std::string text, intptr_t data) {
  entries_.push_back({std::move(text), data});
  ++added_;
  Changed();
  return Count() - 1;
}

int WComboBox::AddEntry(int message_id, intptr_t data) { return Append(MessageString(message_id), data); }

int WComboBox::AddText(std::string_view text, intptr_t data) { return Append(std::string(text), data); }

void WComboBox::RemoveAll() {
  entries_.clear();
  selected_ = -1;
  Changed();
}

void WComboBox::Select(int index) {
  if (index < 0 || index >= Count()) index = -1;
  if (selected_ == index) return;
  selected_ = index;
  Changed();
}

bool WComboBox::SelectData(intptr_t data) {
  for (int i = 0; i < Count(); ++i) {
    if (entries_[i].data == data) {
      Select(i);
      return true;
    }
  }
  return false;
}

bool WComboBox::SelectText(std::string_view text, AddMissing add, bool allow_empty) {
  for (int i = 0; i < Count(); ++i) {
    if (ini::SameName(entries_[i].text, text)) {
      Select(i);
      return true;
    }
  }
  if (add == AddMissing::kNo || (text.empty() && !allow_empty)) return false;
  if (add == AddMissing::kAtEnd) {
    Select(AddText(text));
  } else {
    entries_.insert(entries_.begin(), Entry{std::string(text), 0});
    ++added_;
    selected_ = -1;
    Select(0);
  }
  return true;
}

void WComboBox::SelectNumber(int n) {
  for (int i = 0; i < Count(); ++i) {
    if (ini::DecodeInt(entries_[i].text) >= n) {
      Select(i);
      return;
    }
  }
  Select(Count() - 1);
}

std::string WComboBox::SelectedText() const { return selected_ < 0 ? std::string() : entries_[selected_].text; }

intptr_t WComboBox::SelectedData() const { return selected_ < 0 ? 0 : entries_[selected_].data; }

void WComboBox::UserSelect(int index) {
  int before = selected_;
  Select(index);
  if (selected_ != before) Edited();
}

void WComboBox::ApplyTexts() {
  WControl::ApplyTexts();
  for (int id : entry_ids_) AddEntry(id);
  for (const std::string& text : entry_texts_) AddText(text);
}

std::vector<std::string> WComboBox::DeclaredEntries() const {
  std::vector<std::string> texts;
  for (int id : entry_ids_) texts.push_back(MessageString(id));
  texts.insert(texts.end(), entry_texts_.begin(), entry_texts_.end());
  return texts;
}

}  // namespace prefig
