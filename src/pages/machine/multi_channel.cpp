#include "pages/machine/multi_channel.h"

#include "ini/ini_text.h"
#include "record/channel_methods.h"
#include "record/channel_parser.h"
#include "record/channel_test_field.h"
#include "record/machine_type.h"
#include "record/nc_colouriser.h"
#include "record/nc_sample_programs.h"
#include "schema/control_syntax.h"

namespace prefig {
namespace {

constexpr int kTitleId = 1041;
constexpr int kGroupId = 1556;

struct PatternField {
  WEditAscii* field;
  const Setting* setting;
};

std::string CompactChannelOrder(std::string_view text) { return ini::NormaliseCommaList(text, ","); }

StoredPattern ShownPattern(const WEditAscii& field) {
  return {field.Value(), field.TriggerMode() == WEditAscii::kRegularExpressionMode};
}

}  // namespace

WMchMultiChannel::WMchMultiChannel() : WMachinePage(kTitleId, schema::kMultiChannelPage) {
  using namespace layout;
  HandledInHooks({&schema::kChannelStart, &schema::kSyncCommand, &schema::kSyncCommandNumber, &schema::kChannelEnd});
  order_.SetSaveRule(&CompactChannelOrder);
  // The prefix takes two of the setting's characters.
  for (WEditAscii* field : {&start_, &end_, &sync_, &sync_number_}) field->SetMaximumLength(kMaxStoredPatternText + 1);
  auto_start_.Show(false);
  start_end_.SetControlName("channel");
  sync_result_.SetControlName("sync");
  for (WControl* control : std::initializer_list<WControl*>{&auto_start_, &mode_, &test_line_, &start_end_label_,
                                                            &start_end_, &sync_result_label_, &sync_result_, &order_}) {
    EnableWhen(*control, enable_);
  }
  for (WControl* control :
       std::initializer_list<WControl*>{&sync_, &sync_number_, &by_channel_numbers_, &start_, &end_}) {
    EnableWhen(*control, [this] { return enable_.IsChecked() && UserDefined(); }, {&enable_, &mode_});
  }
  UpdateOnChange({&mode_, &enable_, &by_channel_numbers_, &test_line_, &start_, &end_, &sync_, &sync_number_});
  SetLayout(Column{
      Group{kGroupId,
            {enable_, auto_start_, Form{mode_}, by_channel_numbers_,
             Form{start_, end_, sync_, sync_number_, order_, test_line_}, Row{start_end_label_, start_end_, Stretch{}},
             Row{sync_result_label_, sync_result_, Stretch{}}}},
      preview_,
      Stretch{},
  });
}

bool WMchMultiChannel::UserDefined() const { return ChannelMethodOf(mode_.Selected()) == nullptr; }

void WMchMultiChannel::OnLoad(bool first_time) {
  GMachineType* type = CurrentType();
  if (type == nullptr) return;
  if (first_time) {
    for (int mode = 1; mode <= kChannelMethodCount; ++mode) mode_.AddText(ChannelMethodOf(mode)->list_entry);
  }
  mode_.Select(type->Values().Int(schema::kMultiChannelMode));  // the methods were not there for the base
  for (auto [field, setting] :
       {PatternField{&start_, &schema::kChannelStart}, PatternField{&end_, &schema::kChannelEnd},
        PatternField{&sync_, &schema::kSyncCommand}, PatternField{&sync_number_, &schema::kSyncCommandNumber}}) {
    StoredPattern pattern = ParseStoredPattern(type->Values().Text(*setting));
    field->SetTriggerMode(pattern.regex ? WEditAscii::kRegularExpressionMode : 0);
    field->SetValue(pattern.text);
  }
}

// The test line is saved with the other values: the type's saver writes it
// on OK, so Cancel leaves the file as it was.
void WMchMultiChannel::OnSave() {
  GMachineType* type = CurrentType();
  if (type == nullptr) return;
  for (auto [field, setting] :
       {PatternField{&start_, &schema::kChannelStart}, PatternField{&end_, &schema::kChannelEnd},
        PatternField{&sync_, &schema::kSyncCommand}, PatternField{&sync_number_, &schema::kSyncCommandNumber}}) {
    type->Values().SetText(*setting, FormatStoredPattern(ShownPattern(*field)));
  }
  type->RebuildChannelParser();
}

ChannelSettings WMchMultiChannel::ShownSettings() const {
  ChannelSettings settings;
  settings.mode = mode_.Selected();
  settings.by_channel_numbers = by_channel_numbers_.IsChecked();
  settings.start = ShownPattern(start_);
  settings.end = ShownPattern(end_);
  settings.sync = ShownPattern(sync_);
  settings.sync_number = ShownPattern(sync_number_);
  return settings;
}

void WMchMultiChannel::OnUpdate() {
  GChannelParser parser(ShownSettings());
  std::string line = test_line_.Value();
  start_end_.SetText(ChannelStartEndText(parser.IsStart(line), parser.IsEnd(line)));
  sync_result_.SetText(SyncResultText(parser.Evaluate(line), parser.ByChannelNumbers()));

  // The marks use the type's comment characters and block skip, as the
  // type's own parser does in the editor.
  const GMachineType* type = CurrentType();
  ChannelSettings marks = ShownSettings();
  if (type != nullptr) {
    marks.comment_start = type->Values().Char(schema::kCommentStart);
    marks.comment_end = type->Values().Char(schema::kCommentEnd);
    marks.block_skip = type->Values().Text(schema::kBlockSkip);
  }
  GChannelParser marker(marks);
  preview_.ShowProgram(NcSampleProgram(NcSample::kTurning), type != nullptr ? NcSyntaxOf(*type) : NcSyntax{},
                       enable_.IsChecked() ? &marker : nullptr);
}

}  // namespace prefig
