#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "controls/auto_checkbox.h"
#include "controls/edit.h"
#include "controls/header_ctrl.h"
#include "controls/nc_preview.h"
#include "controls/push_button.h"
#include "pages/machine/machine_page.h"
#include "record/colour_list.h"
#include "schema/syntax_colors.h"

namespace prefig {

// Syntax colours: whether and how NC programs of the current machine type
// are coloured, the fourteen fixed colours, and the user's entries (an
// address letter or word with a colour and three flags).
class DMchColors : public WMachinePage {
 public:
  // The flags above the colour of an entry's item value.
  static constexpr uint32_t kTrailingLetters = kColourTrailingLetters;
  static constexpr uint32_t kTrailingDigits = kColourTrailingDigits;
  static constexpr uint32_t kEntireLine = kColourEntireLine;
  static constexpr uint32_t kColourBits = 0xFFFFFF;
  static constexpr int kFirstUserRow = 14;
  static constexpr int kRowsMax = 256;
  static constexpr int kPreviewLabelId = 16200;

  DMchColors();

 private:
  struct Entry {
    std::string text;  // empty for a fixed row, whose name the list shows
    uint32_t item = 0;
  };

  void OnLoad(bool first_time) override;
  void OnSave() override;
  void OnDefaults() override;
  void OnUpdate() override;
  void OnEdited(WControl& control) override;

  bool IsUserRow(int row) const { return row >= kFirstUserRow && row < static_cast<int>(rows_.size()); }
  int Selected() const { return list_.Selected(); }
  void ShowRows(int select);
  void ShowSelection();
  void ChooseColour();
  void AddEntry();
  void RemoveEntry();
  void Move(int step);
  void AddLetterColours();
  void SetFlag(uint32_t flag, bool on);
  // The sample program in the colours the page shows, saved or not.
  void ShowPreview();

  WAutoCheckbox use_{this, 1273, schema::kUse};
  WAutoCheckbox in_block_{this, 1274, schema::kInBlock};
  WAutoCheckbox modal_{this, 1278, schema::kUseModalColors};
  WHeaderCtrl list_{this};
  WIcoButton choose_{this, icon::kPalette, 1281, [this] { ChooseColour(); }};
  WIcoButton add_{this, icon::kAdd, 1282, [this] { AddEntry(); }};
  WIcoButton remove_{this, icon::kRemove, 1283, [this] { RemoveEntry(); }};
  WIcoButton up_{this, icon::kUp, 1284, [this] { Move(-1); }};
  WIcoButton down_{this, icon::kDown, 1285, [this] { Move(+1); }};
  WEdit text_{this, 1280};
  WAutoCheckbox trailing_digits_{this, 1276};
  WAutoCheckbox trailing_letters_{this, 1275};
  WAutoCheckbox entire_line_{this, 1277};
  WPushButton letter_colours_{this, 1279, [this] { AddLetterColours(); }};
  WNcPreview preview_{this, kPreviewLabelId};

  // Rows 0 to 13 the fixed colours, then the user's entries as shown.
  std::vector<Entry> rows_;
};

}  // namespace prefig
