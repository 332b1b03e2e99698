#pragma once
#include <array>
#include <string>
#include <string_view>

#include "controls/edit.h"

namespace prefig {

// A trigger text field: the context menu inserts control characters by
// name ("\LF "), and the drop button inside its right border chooses how the
// text is meant: two plain modes, or a regular expression that the pattern
// engine checks after every change.
class WEditAscii : public WEdit {
 public:
  struct AsciiEntry {
    int code;
    const char* name;
  };
  static constexpr int kAsciiEntryCount = 34;  // codes 0 to 32 and 127
  static const std::array<AsciiEntry, kAsciiEntryCount>& AsciiEntries();
  // "ASCII %d\t%s / x%02X"
  static std::string AsciiMenuText(int index);
  // The backslash and the name, and a space when that is shorter than 4.
  static std::string AsciiInsertion(int index);

  static constexpr int kModeCount = 3;
  static constexpr int kRegularExpressionMode = 2;
  static constexpr int kFirstModeTextId = 6000;  // the mode menu: ids 6000 to 6002

  // What the mark beside the text shows.
  enum class Mark { kFirstMode, kSecondMode, kValidExpression, kInvalidExpression };

  WEditAscii(ControlOwner* owner, int label_id, Help help = {});
  WEditAscii(ControlOwner* owner, int label_id, SettingRef setting, Help help = {});

  // Replaces the selection with the entry's insertion.
  void InsertAscii(int index);

  int TriggerMode() const { return mode_; }
  void SetTriggerMode(int mode);
  // The user chose a mode from the drop button's menu.
  void UserSetTriggerMode(int mode);
  // In regular-expression mode, whether the text compiles as a trigger.
  Mark CurrentMark() const;

 private:
  int mode_ = 0;
};

}  // namespace prefig
