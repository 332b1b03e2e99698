#include "pages/machine/renumbering.h"

#include <array>
#include <climits>
#include <optional>

#include "ini/ini_text.h"
#include "record/machine_type.h"
#include "record/setting_values.h"

namespace prefig {
namespace {

constexpr int kTitleId = 1004;
constexpr int kModeGroupId = 1346;
constexpr int kFormatGroupId = 1354;

// START keeps the largest number for "no first block number"; the others
// keep 0 for "none".
constexpr int kNoStart = INT_MAX;

std::string ShownNumber(int value, int none) { return value == none ? std::string() : std::to_string(value); }

// An empty field is the setting's "none", as it is shown: were it 0, a
// first block number of "none" would become 0 by the page's mere showing.
int StoredNumber(const WEditField& field, const Setting& setting, int none) {
  std::string text = field.Value();
  if (text.empty()) return none;
  long long value = ini::DecodeInt(text);
  if (value < setting.min) return static_cast<int>(setting.min);
  if (value > setting.max) return static_cast<int>(setting.max);
  return static_cast<int>(value);
}

}  // namespace

std::string CompactSkipList(std::string_view text) {
  std::string trimmed(ini::Trim(text));
  std::string compact = ini::NormaliseCommaList(trimmed, ",");
  bool leading_comma = !trimmed.empty() && trimmed.front() == ',';
  return leading_comma ? std::string(",") + compact : compact;
}

std::array<DMchRenum::NumberField, 4> DMchRenum::NumberFields() {
  return {{{&start_, &schema::kRenumStart, kNoStart},
           {&restart_, &schema::kRenumRestart, 0},
           {&from_, &schema::kRenumFrom, 0},
           {&to_, &schema::kRenumTo, 0}}};
}

DMchRenum::DMchRenum() : WMachinePage(kTitleId, schema::kRenumberPage) {
  using namespace layout;
  HandledInHooks({&schema::kRenumStart, &schema::kRenumRestart, &schema::kRenumFrom, &schema::kRenumTo});
  skip_starting_.SetSaveRule(&CompactSkipList);
  skip_containing_.SetSaveRule(&CompactSkipList);
  canned_cycles_.Show(false);
  EnableWhen(start_next_, [this] { return !start_trigger_.Value().empty(); }, {&start_trigger_});
  EnableWhen(renumber_empty_, [this] { return !existing_only_.IsChecked(); }, {&existing_only_});
  EnableWhen(skip_starting_, [this] { return !existing_only_.IsChecked(); }, {&existing_only_});
  SetLayout(Column{
      Group{kModeGroupId,
            {Row{Column{auto_numbering_, existing_only_, renumber_empty_},
                 Column{show_quick_, undo_large_, auto_indent_}}}},
      Group{kFormatGroupId,
            {Row{Form{format_, interval_, preceding_, spaces_, start_, restart_},
                 Form{start_from_, skip_over_, alternate_, from_, to_}},
             Form{skip_starting_, skip_containing_, restart_trigger_, start_trigger_}, start_next_, canned_cycles_}},
      Stretch{},
  });
}

void DMchRenum::OnLoad(bool) {
  const GMachineType* type = CurrentType();
  if (type == nullptr) return;
  for (const NumberField& number : NumberFields()) {
    number.field->SetValue(ShownNumber(type->Values().Int(*number.setting), number.none));
  }
}

void DMchRenum::OnSave() {
  GMachineType* type = CurrentType();
  if (type == nullptr) return;
  for (const NumberField& number : NumberFields()) {
    type->Values().SetInt(*number.setting, StoredNumber(*number.field, *number.setting, number.none));
  }
}

// The base has put the table's page defaults in; a key of the type's own
// default section replaces them. Only the controls change: the section is
// read, never written, and the type keeps its values until OK.
void DMchRenum::OnDefaults() {
  GMachineType* type = CurrentType();
  if (type == nullptr) return;
  GIniFile& ini = type->Ini();
  auto own_default = [&](const Setting& s) -> std::optional<SettingValue> {
    if (!ini.KeyExists(schema::kRenumDefaultSection, s.key)) return std::nullopt;
    std::string text = ini.GetString(schema::kRenumDefaultSection, s.key);
    if (s.kind == Kind::kInteger) {
      long long value = ini::DecodeInt(text);
      return static_cast<int>(value < s.min ? s.min : value > s.max ? s.max : value);
    }
    return ParseValue(s, CutToLength(text, s.length));
  };
  SettingValues defaults(Scope::kType);
  for (WControl* control : Controls()) {
    const Setting* s = control->BoundSetting();
    if (s == nullptr || !PageDefaultText(*s, PlaceOf(*s).context)) continue;
    if (auto value = own_default(*s)) {
      defaults.SetValue(*s, *value);
      LoadControl(*control, defaults);
    }
  }
  for (const NumberField& number : NumberFields()) {
    auto value = own_default(*number.setting);
    int shown = value ? std::get<int>(*value)
                      : ini::DecodeInt(PageDefaultText(*number.setting, PlaceOf(*number.setting).context).value_or(""));
    number.field->SetValue(ShownNumber(shown, number.none));
  }
}

}  // namespace prefig
