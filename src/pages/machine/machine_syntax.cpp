#include "pages/machine/machine_syntax.h"

#include "ini/ini_text.h"
#include "record/machine_type.h"
#include "record/nc_colouriser.h"
#include "record/nc_sample_programs.h"

namespace prefig {
namespace {

constexpr int kTitleId = 1008;
constexpr int kSyntaxGroupId = 1419;
constexpr int kCodesGroupId = 1420;
constexpr int kUnitsGroupId = 1418;
// Entries of the feed unit list that a turning type's rapid rate is given in.
constexpr int kMetricPerMinute = 0;
constexpr int kInchPerMinute = 5;
constexpr int kRapidRateMaximum = 100000000;
constexpr int kRapidRateStep = 1000;
// One character and its terminator; block skip takes up to four characters.
constexpr size_t kCharFieldLength = 2;
constexpr size_t kBlockSkipFieldLength = 5;

}  // namespace

DMchMachine::DMchMachine() : WMachinePage(kTitleId, schema::kControlSyntaxPage) {
  using namespace layout;
  HandledInHooks({&schema::kRapidRate, &schema::kToolChangeTime, &schema::kIgnoreToolReg, &schema::kFilterDllIndex});
  for (WEdit* field : {&comment_start_, &comment_end_, &decimal_point_}) field->SetMaximumLength(kCharFieldLength);
  block_skip_.SetMaximumLength(kBlockSkipFieldLength);
  rapid_rate_.Setup(0, kRapidRateMaximum, kRapidRateStep);
  arc_type_.Show(false);
  EnableWhen(multi_line_start_, multi_line_comments_);
  EnableWhen(multi_line_end_, multi_line_comments_);
  UpdateOnChange({&feed_units_, &turn_path_units_});
  SetLayout(Column{
      Row{Group{kSyntaxGroupId,
                {Row{Form{comment_start_, comment_end_}, Form{block_skip_, decimal_point_}}, block_skip_after_,
                 decimal_gray_key_, multi_line_comments_, Form{multi_line_start_, multi_line_end_}}},
          Column{preview_}},
      Group{kCodesGroupId, {Row{Form{tool_change_, feed_}, Form{tool_load_, speed_}}}},
      Group{kUnitsGroupId,
            {Row{Form{path_units_, turn_path_units_, feed_units_, turn_feed_units_, arc_type_},
                 Form{decimals_, rapid_rate_}}}},
      Stretch{},
  });
}

// A turning program measures feed per revolution: its own unit lists take
// the place of the milling ones.
void DMchMachine::OnLoad(bool) {
  const GMachineType* type = CurrentType();
  bool turning = type != nullptr && type->IsTurning();
  for (WComboBox* list : {&path_units_, &feed_units_}) list->Show(!turning);
  for (WComboBox* list : {&turn_path_units_, &turn_feed_units_}) list->Show(turning);
  if (type != nullptr) rapid_rate_.SetText(type->Values().Text(schema::kRapidRate));
  ShowPreview();
}

void DMchMachine::OnEdited(WControl&) { ShowPreview(); }

// An empty field is shown as the type would read it back: the loader's
// replacement for an empty comment start or block skip.
void DMchMachine::ShowPreview() {
  const GMachineType* type = CurrentType();
  NcSyntax syntax = type != nullptr ? NcSyntaxOf(*type) : NcSyntax{};
  auto first = [](const WEdit& field, const Setting& s) {
    std::string text(ini::Trim(field.Value()));
    if (text.empty() && s.if_empty != nullptr) text = s.if_empty;
    return text.empty() ? '\0' : text[0];
  };
  syntax.comment_start = first(comment_start_, schema::kCommentStart);
  syntax.comment_end = first(comment_end_, schema::kCommentEnd);
  syntax.decimal = first(decimal_point_, schema::kDecimal);
  syntax.block_skip = std::string(ini::Trim(block_skip_.Value()));
  if (syntax.block_skip.empty() && schema::kBlockSkip.if_empty != nullptr)
    syntax.block_skip = schema::kBlockSkip.if_empty;
  syntax.block_skip_after = block_skip_after_.IsChecked();
  syntax.multi_line_comments = multi_line_comments_.IsChecked();
  syntax.multi_line_start = multi_line_start_.Value();
  syntax.multi_line_end = multi_line_end_.Value();
  preview_.ShowProgram(NcSampleProgram(NcSampleFor(type)), syntax);
}

void DMchMachine::OnSave() {
  if (GMachineType* type = CurrentType()) {
    type->Values().SetText(schema::kRapidRate, CutToLength(rapid_rate_.Text(), schema::kRapidRate.length));
  }
}

void DMchMachine::OnDefaults() {
  const GMachineType* type = CurrentType();
  if (type == nullptr) return;
  if (auto text = PageDefaultText(schema::kRapidRate, PlaceOf(schema::kRapidRate).context)) rapid_rate_.SetText(*text);
  ShowPreview();
}

// The rapid rate is a speed: in the feed unit of a milling type, and per
// minute in the path unit of a turning type (its feed is per revolution,
// which no rapid move is).
void DMchMachine::OnUpdate() {
  const GMachineType* type = CurrentType();
  bool turning = type != nullptr && type->IsTurning();
  int per_minute = turn_path_units_.Selected() == 1 ? kInchPerMinute : kMetricPerMinute;
  const auto& entries = feed_units_.Entries();
  std::string unit = !turning                                        ? feed_units_.SelectedText()
                     : per_minute < static_cast<int>(entries.size()) ? entries[per_minute].text
                                                                     : std::string();
  if (WStatic* label = rapid_rate_.Label()) label->SetText(MessageWithText(rapid_rate_.TextId(), unit));
}

}  // namespace prefig
