#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "controls/control.h"

namespace prefig {

// A list as an edit field shows it unless it has a separator of its own:
// items joined with ", ".
inline constexpr char kListSeparator[] = ", ";

// A one-line text field with a label. In list mode its value is a comma
// list, shown and saved with the items joined by ", " (or a separator of
// its own).
class WEdit : public WControl {
 public:
  // The longest text setting (8447 characters, a renumbering skip list)
  // and its terminator: a field takes what its setting keeps.
  static constexpr size_t kLengthMax = 8448;

  WEdit(ControlOwner* owner, int label_id, Help help = {}) : WEdit(owner, label_id, ControlKind::kEdit, help) {}
  // A text setting within its length, or a comma list in list mode.
  WEdit(ControlOwner* owner, int label_id, SettingRef setting, Help help = {})
      : WEdit(owner, label_id, setting, ControlKind::kEdit, help) {}

  // At most `size` - 1 characters, as a bounded copy would hold.
  std::string GetText(size_t size) const;
  // The text as a value: at most maximum length - 1 characters, trimmed, and
  // in list mode normalised.
  std::string Value() const;
  void SetValue(std::string_view value);

  // A page's own rule for what a bound field stores (cleaned, normalised):
  // it turns the value into the text that is saved.
  using SaveRule = std::string (*)(std::string_view value);
  void SetSaveRule(SaveRule rule) { save_rule_ = rule; }
  // The value as the page saves it.
  std::string StoredText() const { return save_rule_ != nullptr ? save_rule_(Value()) : Value(); }
  // What the field would store if it showed `value` (SetValue), leaving it as it is.
  std::string StoredTextFor(std::string_view value) const;

  // The size of the value with its terminator, 1 to kLengthMax: the user
  // may type one character less.
  void SetMaximumLength(size_t length);
  size_t MaximumLength() const { return maximum_length_; }
  void SetListMode(bool on) { list_mode_ = on; }
  void SetListSeparator(const char* separator) { list_separator_ = separator; }  // a literal
  // Echo "*" for every character (a password).
  void SetPassword(bool on);
  bool IsPassword() const { return password_; }

  // The selection (start and end, end exclusive) as the user left it.
  size_t SelectionStart() const { return selection_start_; }
  size_t SelectionEnd() const { return selection_end_; }
  void SetSelection(size_t start, size_t end);
  // Replaces the selection and puts the cursor after the new text.
  void ReplaceSelection(std::string_view text);

  // What the user types.
  virtual void UserEdit(std::string_view text);
  // The focus left the field.
  void UserLeave();

 protected:
  // The edit fields of other kinds.
  WEdit(ControlOwner* owner, int label_id, ControlKind kind, Help help);
  WEdit(ControlOwner* owner, int label_id, SettingRef setting, ControlKind kind, Help help);

 private:
  size_t maximum_length_ = kLengthMax;
  bool list_mode_ = false;
  const char* list_separator_ = kListSeparator;
  SaveRule save_rule_ = nullptr;
  bool password_ = false;
  size_t selection_start_ = 0;
  size_t selection_end_ = 0;
};

}  // namespace prefig
