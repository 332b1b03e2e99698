#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "controls/control.h"

namespace prefig {

// A drop-down list. Entries come from message ids or are texts of their
// own; each may carry a number (item data).
class WComboBox : public WControl {
 public:
  struct Entry {
    std::string text;
    intptr_t data = 0;
  };
  enum class AddMissing { kNo, kAtEnd, kAtStart };
  // What a bound combo box stores: the index of its selection, the number
  // its entry shows, the entry's item data, or the entry's text.
  enum class Value { kIndex, kNumber, kData, kText };

  // Declared entries: message ids, or fixed texts, added on the first load.
  WComboBox(ControlOwner* owner, int label_id, Help help = {});
  WComboBox(ControlOwner* owner, int label_id, std::initializer_list<int> entry_ids, Help help = {});
  WComboBox(ControlOwner* owner, int label_id, std::initializer_list<std::string_view> entry_texts, Help help = {});
  WComboBox(ControlOwner* owner, int label_id, SettingRef setting, std::initializer_list<int> entry_ids,
            Value value = Value::kIndex, Help help = {});
  WComboBox(ControlOwner* owner, int label_id, SettingRef setting, std::initializer_list<std::string_view> entry_texts,
            Value value, Help help = {});
  Value StoredValue() const { return value_; }

  int AddEntry(int message_id, intptr_t data = 0);
  int AddText(std::string_view text, intptr_t data = 0);
  void RemoveAll();
  // How many entries were added since the control was made.
  int AddedCount() const { return added_; }

  const std::vector<Entry>& Entries() const { return entries_; }
  int Count() const { return static_cast<int>(entries_.size()); }
  int Selected() const { return selected_; }  // -1: none
  void Select(int index);                     // out of range: none
  bool SelectData(intptr_t data);
  // Case-insensitive; when missing, the text can be added at the end (and
  // selected) or at the start (and the first entry selected). An empty text
  // is added only when allowed.
  bool SelectText(std::string_view text, AddMissing add = AddMissing::kNo, bool allow_empty = false);
  // The first entry whose number is at least n, else the last entry.
  void SelectNumber(int n);
  // The selected entry's text (empty for none).
  std::string SelectedText() const;
  intptr_t SelectedData() const;

  // The user picked an entry.
  void UserSelect(int index);

  void ApplyTexts() override;
  // The entries the declaration gives, as ApplyTexts adds them (a page not
  // yet loaded has no entries yet).
  std::vector<std::string> DeclaredEntries() const;

 private:
  int Append(std::string text, intptr_t data);

  std::vector<Entry> entries_;
  int selected_ = -1;
  int added_ = 0;
  std::vector<int> entry_ids_;
  std::vector<std::string> entry_texts_;
  Value value_ = Value::kIndex;
};

}  // namespace prefig
