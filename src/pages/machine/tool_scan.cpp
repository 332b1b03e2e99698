#include "pages/machine/tool_scan.h"

#include "module/services.h"
#include "record/machine_type.h"
#include "schema/control_syntax.h"

namespace prefig {
namespace {

constexpr int kToolScanTitleId = 2647;
constexpr int kScanGroupId = 2656;
constexpr int kInsertGroupId = 2657;
constexpr int kCustomPlacement = 2;
constexpr size_t kWordSize = 64;  // 63 characters and the terminator

// In the order of the lists' entries.
constexpr const Setting* kTypeWords[DMchInspectToolscan::kTypeCount] = {
    &schema::kToolTypeEndMillFlat, &schema::kToolTypeEndMillSphere, &schema::kToolTypeEndMillBull,
    &schema::kToolTypeTaperMill,   &schema::kToolTypeDrill,         &schema::kToolTypeCenterDrill,
    &schema::kToolTypeSpotDrill,   &schema::kToolTypeReamer,        &schema::kToolTypeBoringBar,
    &schema::kToolTypeCounterBore, &schema::kToolTypeCounterSink,   &schema::kToolTypeChamferMill,
    &schema::kToolTypeFaceMill,    &schema::kToolTypeSlotMill,      &schema::kToolTypeRadMill};
constexpr const Setting* kDimensionWords[DMchInspectToolscan::kDimensionCount] = {
    &schema::kDimensionFluteLength,   &schema::kDimensionTaperAngle, &schema::kDimensionShoulderLength,
    &schema::kDimensionCornerRadius,  &schema::kDimensionDiameter,   &schema::kDimensionBodyLength,
    &schema::kDimensionArborDiameter, &schema::kDimensionMetric,     &schema::kDimensionImperial};
enum DimensionPosition { kFlute, kTaper, kShoulder, kCorner, kDiameter, kBody, kArbor, kMetric, kImperial };
constexpr int kFirstInchUnit = 4;  // PATHUNITS from here on are inch units

bool LettersOnly(std::string_view text) {
  for (char c : text) {
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
  }
  return true;
}

// A comment character that the type may leave empty (no character at all).
std::string CommentChar(const GMachineType* type, const Setting& s) {
  return type == nullptr ? std::string() : type->Values().Text(s).substr(0, 1);
}

}  // namespace

std::optional<ToolScanWord> ToolScanWordOf(const Setting& s) {
  if (&s == &schema::kToolLineTrigger) return ToolScanWord::kTrigger;
  for (const Setting* word : kTypeWords) {
    if (word == &s) return ToolScanWord::kType;
  }
  for (const Setting* word : kDimensionWords) {
    if (word == &s) return ToolScanWord::kDimension;
  }
  return std::nullopt;
}

int ToolScanRefusal(ToolScanWord word, std::string_view text) {
  switch (word) {
    case ToolScanWord::kType: return text.find('"') != std::string_view::npos ? 2653 : 0;
    case ToolScanWord::kDimension: return LettersOnly(text) ? 0 : 2654;
    case ToolScanWord::kTrigger: return LettersOnly(text) ? 0 : 2655;
  }
  return 0;
}

DMchInspectToolscan::DMchInspectToolscan() : WMachinePage(kToolScanTitleId, schema::kToolScanPage) {
  using namespace layout;
  HandledInHooks({&schema::kToolLineTrigger});
  for (const Setting* s : kTypeWords) HandledInHooks({s});
  for (const Setting* s : kDimensionWords) HandledInHooks({s});
  type_word_.SetControlName("type word");
  dimension_word_.SetControlName("dimension word");
  example_.SetControlName("example");
  for (WEdit* field : {&trigger_, &type_word_, &dimension_word_}) field->SetMaximumLength(kWordSize);
  for (WControl* control : std::initializer_list<WControl*>{&trigger_, &types_, &type_word_, &dimensions_,
                                                            &dimension_word_, &example_label_, &example_}) {
    EnableWhen(*control, auto_scan_);
  }
  EnableWhen(placement_, write_tools_);
  EnableWhen(placement_regex_, [this] { return write_tools_.IsChecked() && placement_.Selected() == kCustomPlacement; },
             {&write_tools_, &placement_});
  UpdateOnChange({&types_, &dimensions_});
  SetLayout(Column{
      Group{kScanGroupId,
            {auto_scan_, Form{trigger_}, Row{Form{types_}, type_word_}, Row{Form{dimensions_}, dimension_word_},
             Row{example_label_, example_}}},
      Group{kInsertGroupId, {write_tools_, Form{placement_, placement_regex_}}},
      Stretch{},
  });
}

void DMchInspectToolscan::OnLoad(bool) {
  const GMachineType* type = CurrentType();
  for (int i = 0; i < kTypeCount; ++i) type_words_[i] = type ? type->Values().Text(*kTypeWords[i]) : "";
  for (int i = 0; i < kDimensionCount; ++i) {
    dimension_words_[i] = type ? type->Values().Text(*kDimensionWords[i]) : "";
  }
  trigger_word_ = type ? type->Values().Text(schema::kToolLineTrigger) : "";
  trigger_.SetText(trigger_word_);
  types_.Select(0);
  dimensions_.Select(0);
  refused_type_.clear();
  refused_dimension_.clear();
  refused_trigger_.clear();
}

void DMchInspectToolscan::OnSave() {
  GMachineType* type = CurrentType();
  if (type == nullptr) return;
  type->Values().SetText(schema::kToolLineTrigger, trigger_word_);
  for (int i = 0; i < kTypeCount; ++i) type->Values().SetText(*kTypeWords[i], type_words_[i]);
  for (int i = 0; i < kDimensionCount; ++i) type->Values().SetText(*kDimensionWords[i], dimension_words_[i]);
}

void DMchInspectToolscan::OnDefaults() {
  for (int i = 0; i < kTypeCount; ++i) type_words_[i] = kTypeWords[i]->loader;
  for (int i = 0; i < kDimensionCount; ++i) dimension_words_[i] = kDimensionWords[i]->loader;
  trigger_word_ = schema::kToolLineTrigger.loader;
  trigger_.SetText(trigger_word_);
  types_.Select(0);
  dimensions_.Select(0);
}

void DMchInspectToolscan::OnUpdate() {
  if (types_.Selected() >= 0) type_word_.SetText(type_words_[types_.Selected()]);
  if (dimensions_.Selected() >= 0) dimension_word_.SetText(dimension_words_[dimensions_.Selected()]);
  BuildExample();
}

void DMchInspectToolscan::OnLeft(WControl& control) {
  if (&control == &trigger_ || &control == &type_word_ || &control == &dimension_word_ ||
      &control == &placement_regex_) {
    TakeOverWords();
  }
}

bool DMchInspectToolscan::Refused(const std::string& text, std::string& last_refused, int message_id) {
  if (text == last_refused) return true;
  last_refused = text;
  MessageBoxRequest message;
  message.text = MessageString(message_id);
  message.caption_id = kErrorCaptionId;
  message.icon = MessageIcon::kStop;
  message.buttons = MessageButtons::kOk;
  GetServices().MessageBox(message);
  return true;
}

void DMchInspectToolscan::TakeOverWords() {
  std::string type_word = type_word_.GetText(kWordSize);
  std::string dimension_word = dimension_word_.GetText(kWordSize);
  std::string trigger = trigger_.GetText(kWordSize);
  bool refused = false;
  if (int id = ToolScanRefusal(ToolScanWord::kType, type_word)) refused |= Refused(type_word, refused_type_, id);
  if (int id = ToolScanRefusal(ToolScanWord::kDimension, dimension_word))
    refused |= Refused(dimension_word, refused_dimension_, id);
  if (int id = ToolScanRefusal(ToolScanWord::kTrigger, trigger)) refused |= Refused(trigger, refused_trigger_, id);
  if (refused) return;
  refused_type_.clear();
  refused_dimension_.clear();
  refused_trigger_.clear();
  if (types_.Selected() >= 0) type_words_[types_.Selected()] = type_word;
  if (dimensions_.Selected() >= 0) dimension_words_[dimensions_.Selected()] = dimension_word;
  trigger_word_ = trigger;
  BuildExample();
}

void DMchInspectToolscan::BuildExample() {
  const GMachineType* type = CurrentType();
  bool inch = type != nullptr && type->Values().Int(schema::kPathUnits) >= kFirstInchUnit;
  const std::string& unit = dimension_words_[inch ? kImperial : kMetric];
  const char* size = inch ? "1/2" : "10";
  const std::string& tool = types_.Selected() >= 0 ? type_words_[types_.Selected()] : type_words_[0];
  const auto& d = dimension_words_;
  std::string line = CommentChar(type, schema::kCommentStart) + " " + trigger_word_ + " T2 \"" + tool + "\" " + unit +
                     " " + d[kDiameter] + size + " " + d[kFlute] + "=20.5 " + d[kShoulder] + "=30 " + d[kBody] + "40 " +
                     d[kArbor] + "=" + size + " " + d[kTaper] + "10 " + d[kCorner] + "4";
  std::string end = CommentChar(type, schema::kCommentEnd);
  example_.SetText(end.empty() ? line : line + " " + end);
}

}  // namespace prefig
