#include "pages/machine/syntax_colors.h"

#include <algorithm>
#include <string_view>

#include "ini/ini_text.h"
#include "module/services.h"
#include "record/machine_type.h"
#include "record/nc_colouriser.h"
#include "record/nc_sample_programs.h"
#include "record/setting_io.h"

namespace prefig {
namespace {

constexpr int kSyntaxColoursTitleId = 1006;
constexpr int kColourGroupId = 1272;
constexpr int kFirstFixedNameId = 1286;
constexpr int kNewEntryTextId = 436;  // also the list's heading
constexpr int kLettersLeftOutId = 16885;
constexpr int kDefaultedFixedColours = 13;  // Default leaves the last fixed colour as it is

// The item value that "Letter colors" gives each letter A to Z.
constexpr uint32_t kLetterItems[26] = {0x24080FF, 0x24080FF, 0x20080FF, 0x3800000, 0x0FF0000, 0x2000080, 0x2808040,
                                       0x0A00000, 0x0FF0000, 0x0C08000, 0x00000FF, 0x2808000, 0x2008000, 0x2000000,
                                       0x0FF0000, 0x0FF0000, 0x000FF00, 0x0FF0000, 0x2000080, 0x2000080, 0x0FF0000,
                                       0x0C08000, 0x00000FF, 0x0FF0000, 0x0C08000, 0x20000FF};

std::string EntryText(std::string_view text) { return ini::UpperCase(ini::Trim(text)); }

uint32_t FixedDefault(int member) {
  return std::get<uint32_t>(ParseValue(schema::kFixColor, schema::kFixColourDefaults[member]));
}

}  // namespace

DMchColors::DMchColors() : WMachinePage(kSyntaxColoursTitleId, schema::kSyntaxColoursPage) {
  using namespace layout;
  HandledInHooks({&schema::kColourCount, &schema::kFixColor, &schema::kUserColour});
  list_.SetControlName("colors");
  list_.AddColumn(kNewEntryTextId, 0);
  list_.SetOnActivate([this] { ChooseColour(); });
  text_.SetMaximumLength(schema::kUserColour.length + 1);
  EnableWhen(in_block_, use_);
  EnableWhen(modal_, use_);
  UpdateOnChange({&list_, &entire_line_, &add_, &remove_, &up_, &down_, &letter_colours_});
  SetLayout(Column{
      Group{kColourGroupId,
            {Row{use_, in_block_, modal_, Stretch{}},
             Row{list_, Column{choose_, add_, remove_, up_, down_, Stretch{}}, Column{preview_}},
             Row{Form{text_}, Column{trailing_digits_, trailing_letters_, entire_line_}},
             Row{letter_colours_, Stretch{}}}},
  });
}

// The user's entries in the order of their rows, whatever gaps a cleared
// row left in the numbers, so that no entry is lost.
void DMchColors::OnLoad(bool) {
  rows_.clear();
  GMachineType* type = CurrentType();
  for (int i = 0; i < kFirstUserRow; ++i) {
    rows_.push_back({"", type ? type->Values().Colour(schema::kFixColor, i) : FixedDefault(i)});
  }
  if (type != nullptr) {
    std::vector<UserColour> shown = type->Colours().Entries();
    std::stable_sort(shown.begin(), shown.end(),
                     [](const UserColour& a, const UserColour& b) { return a.position < b.position; });
    for (const UserColour& entry : shown) {
      if (static_cast<int>(rows_.size()) >= kRowsMax) break;
      rows_.push_back({entry.text, static_cast<uint32_t>(entry.item)});
    }
  }
  text_.SetText("");
  ShowRows(0);
  ShowSelection();
}

void DMchColors::OnSave() {
  GMachineType* type = CurrentType();
  if (type == nullptr) return;
  for (int i = 0; i < kFirstUserRow; ++i) type->Values().SetValue(schema::kFixColor, rows_[i].item & kColourBits, i);
  std::vector<UserColour> entries;
  for (int row = kFirstUserRow; row < static_cast<int>(rows_.size()); ++row) {
    std::string text = EntryText(rows_[row].text);
    if (text.empty()) continue;
    entries.push_back({text, static_cast<int32_t>(rows_[row].item), row});
  }
  SortForLookup(entries);
  type->Colours().SetEntries(std::move(entries));
}

void DMchColors::OnDefaults() {
  rows_.resize(kFirstUserRow);
  for (int i = 0; i < kDefaultedFixedColours; ++i) rows_[i].item = FixedDefault(i);
  if (const GMachineType* type = CurrentType()) {
    use_.SetCheck(type->Values().Bool(schema::kUse));
    in_block_.SetCheck(type->Values().Bool(schema::kInBlock));
    modal_.SetCheck(type->Values().Bool(schema::kUseModalColors));
  }
  text_.SetText("");
  ShowRows(0);
  ShowSelection();
}

void DMchColors::ShowRows(int select) {
  std::vector<WHeaderCtrl::Row> shown;
  std::vector<Rgba> swatches;
  for (size_t i = 0; i < rows_.size(); ++i) {
    WHeaderCtrl::Row row;
    row.cells = {i < kFirstUserRow ? MessageString(kFirstFixedNameId + static_cast<int>(i), true) : rows_[i].text};
    shown.push_back(std::move(row));
    swatches.push_back(FromStoredColour(rows_[i].item & kColourBits, false));
  }
  list_.SetRows(std::move(shown));
  list_.SetSwatches(std::move(swatches));
  list_.Select(select);
  ShowPreview();
}

void DMchColors::ShowPreview() {
  const GMachineType* type = CurrentType();
  NcSyntax syntax = type != nullptr ? NcSyntaxOf(*type) : NcSyntax{};
  syntax.use = use_.IsChecked();
  syntax.in_block = in_block_.IsChecked();
  syntax.modal = modal_.IsChecked();
  for (int i = 0; i < kFirstUserRow && i < static_cast<int>(rows_.size()); ++i)
    syntax.fixed[i] = rows_[i].item & kColourBits;
  syntax.entries.clear();
  for (int row = kFirstUserRow; row < static_cast<int>(rows_.size()); ++row) {
    syntax.entries.push_back({EntryText(rows_[row].text), static_cast<int32_t>(rows_[row].item), row});
  }
  preview_.ShowProgram(NcSampleProgram(NcSampleFor(type)), syntax);
}

void DMchColors::ShowSelection() {
  int row = Selected();
  bool user = IsUserRow(row);
  uint32_t item = user ? rows_[row].item : 0;
  text_.SetText(user ? rows_[row].text : "");
  trailing_letters_.SetCheck((item & kTrailingLetters) != 0);
  trailing_digits_.SetCheck((item & kTrailingDigits) != 0);
  entire_line_.SetCheck((item & kEntireLine) != 0);
}

void DMchColors::OnUpdate() {
  int row = Selected();
  bool user = IsUserRow(row);
  text_.Enable(user);
  remove_.Enable(user);
  entire_line_.Enable(user);
  up_.Enable(user && row > kFirstUserRow);
  down_.Enable(user && row + 1 < static_cast<int>(rows_.size()));
  add_.Enable(static_cast<int>(rows_.size()) < kRowsMax);
  choose_.Enable(row >= 0);
  bool trailing = user && !entire_line_.IsChecked();
  trailing_letters_.Enable(trailing);
  trailing_digits_.Enable(trailing);
}

void DMchColors::OnEdited(WControl& control) {
  int row = Selected();
  if (&control == &list_) {
    ShowSelection();
  } else if (&control == &text_ && IsUserRow(row)) {
    rows_[row].text = ini::Trim(text_.Text());
    ShowRows(row);
  } else if (&control == &trailing_letters_) {
    SetFlag(kTrailingLetters, trailing_letters_.IsChecked());
  } else if (&control == &trailing_digits_) {
    SetFlag(kTrailingDigits, trailing_digits_.IsChecked());
  } else if (&control == &entire_line_) {
    SetFlag(kEntireLine, entire_line_.IsChecked());
  }
  ShowPreview();
}

void DMchColors::SetFlag(uint32_t flag, bool on) {
  int row = Selected();
  if (!IsUserRow(row)) return;
  rows_[row].item = on ? rows_[row].item | flag : rows_[row].item & ~flag;
}

// The row keeps its flags and takes the colour.
void DMchColors::ChooseColour() {
  int row = Selected();
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  Rgba colour = FromStoredColour(rows_[row].item & kColourBits, false);
  ColorRequest request{.color =
                           0xFF000000u | (uint32_t{colour.red} << 16) | (uint32_t{colour.green} << 8) | colour.blue};
  if (!GetServices().ChooseColor(request)) return;
  Rgba chosen{static_cast<uint8_t>(request.color >> 16), static_cast<uint8_t>(request.color >> 8),
              static_cast<uint8_t>(request.color), 255};
  rows_[row].item = (rows_[row].item & ~kColourBits) | ToStoredColour(chosen, false);
  ShowRows(row);
}

void DMchColors::AddEntry() {
  if (static_cast<int>(rows_.size()) >= kRowsMax) return;
  rows_.push_back({MessageString(kNewEntryTextId, true), 0});
  ShowRows(static_cast<int>(rows_.size()) - 1);
  ShowSelection();
  text_.SetSelection(0, text_.Text().size());
}

void DMchColors::RemoveEntry() {
  int row = Selected();
  if (!IsUserRow(row)) return;
  rows_.erase(rows_.begin() + row);
  ShowRows(std::min(row, static_cast<int>(rows_.size()) - 1));
  ShowSelection();
}

void DMchColors::Move(int step) {
  int row = Selected();
  int to = row + step;
  if (!IsUserRow(row) || !IsUserRow(to)) return;
  std::swap(rows_[row], rows_[to]);
  ShowRows(to);
  ShowSelection();
}

// Only as many letters as the table has room for; the user hears how many
// were left out.
void DMchColors::AddLetterColours() {
  int left_out = 0;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    std::string text(1, letter);
    bool present = std::any_of(rows_.begin() + kFirstUserRow, rows_.end(),
                               [&](const Entry& row) { return EntryText(row.text) == text; });
    if (present) continue;
    if (static_cast<int>(rows_.size()) >= kRowsMax) {
      ++left_out;
      continue;
    }
    rows_.push_back({text, kLetterItems[letter - 'A']});
  }
  modal_.SetCheck(false);
  ShowRows(Selected());
  if (left_out > 0) {
    MessageBoxRequest message;
    message.text = MessageWithText(kLettersLeftOutId, std::to_string(left_out));
    message.caption_id = kNoticeCaptionId;
    message.icon = MessageIcon::kInformation;
    GetServices().MessageBox(message);
  }
}

}  // namespace prefig
