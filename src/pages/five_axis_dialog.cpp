#include "pages/five_axis_dialog.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>

#include "ini/ini_text.h"
#include "module/module_state.h"
#include "module/services.h"
#include "pages/not_written_message.h"
#include "record/five_axis_files.h"
#include "record/five_axis_kinematics.h"
#include "record/fixed_number.h"

namespace prefig {
namespace {

constexpr int kFiveAxisLengthDecimals = 4;  // L1, L2
constexpr int kFiveAxisVectorDecimals = 5;  // computed vectors and limits
// Entered vectors keep all the decimals a record has.
constexpr int kFiveAxisEnteredDecimals = 7;
constexpr const char* kFiveAxisDeleteFallback = "Delete this machine definition?";

constexpr const char* kFiveAxisLimitNames[kLimitCount] = {"min1", "max1", "min2", "max2"};
constexpr const char* kFiveAxisVectorNames[kVectorFieldCount] = {"axis1.direction.x",
                                                                 "axis1.direction.y",
                                                                 "axis1.direction.z",
                                                                 "axis1.offset.x",
                                                                 "axis1.offset.y",
                                                                 "axis1.offset.z",
                                                                 "axis2.direction.x",
                                                                 "axis2.direction.y",
                                                                 "axis2.direction.z",
                                                                 "axis2.offset.x",
                                                                 "axis2.offset.y",
                                                                 "axis2.offset.z",
                                                                 "tool.x",
                                                                 "tool.y",
                                                                 "tool.z"};

// A field's number: "." or ",", nothing or garbage is 0, kept within what
// a record can hold.
double FiveAxisFieldNumber(const WEdit& field) {
  double value = ini::DecodeDouble(field.Text());
  return std::clamp(value, -kFiveAxisNumberMax, kFiveAxisNumberMax) + 0.0;
}

// The five vectors of a record in the order of the fifteen fields.
std::array<FiveAxisVector*, 5> FiveAxisVectorsOf(FiveAxisRecord& r) {
  return {&r.axis1.direction, &r.axis1.offset, &r.axis2.direction, &r.axis2.offset, &r.tool};
}

void ShowFiveAxisLimits(const FiveAxisRotary& axis, WEdit& min, WEdit& max) {
  bool none = axis.minimum == 0 && axis.maximum == 0;
  min.SetText(none ? "" : ShortNumberText(axis.minimum, kFiveAxisVectorDecimals));
  max.SetText(none ? "" : ShortNumberText(axis.maximum, kFiveAxisVectorDecimals));
}

}  // namespace

WInspect5AxisGetName::WInspect5AxisGetName(std::string_view current)
    : FormDialog(current.empty() ? kAddCaptionId : kRenameCaptionId, kOkButtonMessageId, kCancelButtonMessageId) {
  name_.SetMaximumLength(kFiveAxisNameMax + 1);
  SetLayout(layout::Form{name_}, name_);
  name_.SetText(current);
  name_.SetSelection(0, name_.Text().size());
}

std::optional<std::string> WInspect5AxisGetName::Accept(std::string_view typed) {
  std::string name(ini::Trim(FiveAxisName(ini::Trim(typed))));
  if (name.empty()) return std::nullopt;
  return name;
}

void WInspect5AxisGetName::Ok() {
  std::optional<std::string> name = Accept(name_.Text());
  if (!name) return;
  accepted_ = std::move(*name);
  EndDialog(kIdOk);
}

WInspect5Axis::WInspect5Axis(FiveAxisList list, std::string user_file)
    : FormDialog(kCaptionId, kOkButtonMessageId, kCancelButtonMessageId),
      user_file_(std::move(user_file)),
      list_(std::move(list)) {
  using namespace layout;
  machine_.SetControlName("machine");
  type_.SetControlName("type");
  picture_.SetControlName("picture");
  axis1_icon_.SetControlName("axis1.icon");
  axis2_icon_.SetControlName("axis2.icon");
  used1_.SetControlName("axis1.used");
  used2_.SetControlName("axis2.used");
  box1_.SetControlName("axis1.box");
  box2_.SetControlName("axis2.box");
  for (int i = 0; i < kLimitCount; ++i) limits_[i].SetControlName(kFiveAxisLimitNames[i]);
  l1_.SetControlName("L1");
  l1_.SetLabelText("L1:");
  l2_.SetControlName("L2");
  l2_.SetLabelText("L2:");
  for (int i = 0; i < kVectorFieldCount; ++i) vectors_[i].SetControlName(kFiveAxisVectorNames[i]);
  auto vector_row = [this](int first) { return Row{vectors_[first], vectors_[first + 1], vectors_[first + 2]}; };
  SetLayout(Column{Group{1630,
                         {
                             Row{machine_, rename_, delete_, add_},
                             Row{Form{type_}, Stretch{}},
                             Row{picture_,
                                 Column{
                                     Row{axis1_icon_, used1_, box1_, limits_[kMin1], limits_[kMax1]},
                                     Row{axis2_icon_, used2_, box2_, limits_[kMin2], limits_[kMax2]},
                                     Row{l1_, l2_, Stretch{}},
                                 }},
                             Form{vector_row(0), vector_row(3), vector_row(6), vector_row(9), vector_row(12)},
                         }}},
            machine_);

  for (int type = 0; type < kFiveAxisTypeCount; ++type) type_.AddEntry(kFiveAxisTypeNameMessage + type);
  SelectType(0);
  if (list_.entries.empty()) list_ = BuildFiveAxisList({}, {}, std::nullopt);
  list_.selection = std::clamp(list_.selection, 0, static_cast<int>(list_.entries.size()) - 1);
  FillMachines();
  ShowRecord(list_.entries[list_.selection]);
  opened_ = true;
}

WInspect5Axis::WInspect5Axis(const std::string& user_file, const std::string& template_file,
                             const std::optional<FiveAxisRecord>& current)
    : WInspect5Axis(BuildFiveAxisList(ReadFiveAxisFile(user_file), ReadFiveAxisFile(template_file), current),
                    user_file) {}

// Types 0 to 9 offer a sign per letter, type 10 the head and the table
// side; crossing between them refills both boxes and keeps their indexes.
void WInspect5Axis::SelectType(int type) {
  type = ClampFiveAxisType(type);
  type_.Select(type);
  bool sides = type == kFreeType;
  if (sides == boxes_offer_sides_ && box1_.Count() == kFiveAxisBoxEntries) return;
  boxes_offer_sides_ = sides;
  for (WComboBox* box : {&box1_, &box2_}) {
    int kept = box->Selected();
    box->RemoveAll();
    for (int i = 0; i < kFiveAxisBoxEntries; ++i) box->AddText(FiveAxisBoxText(type, i));
    box->Select(kept);
  }
}

void WInspect5Axis::FillMachines() {
  machine_.RemoveAll();
  for (const FiveAxisRecord& entry : list_.entries) machine_.AddText(entry.name);
  machine_.Select(list_.selection);
}

void WInspect5Axis::ShowRecord(const FiveAxisRecord& record) {
  working_ = record;
  used1_.SetCheck(record.axis1.used != 0);
  used2_.SetCheck(record.axis2.used != 0);
  FiveAxisShape shape = DeriveFiveAxisShape(record);
  SelectType(shape.type);
  box1_.Select(shape.box1);
  box2_.Select(shape.box2);
  if (shape.type != kFreeType) {
    l1_.SetText(ShortNumberText(shape.l1, kFiveAxisLengthDecimals));
    l2_.SetText(ShortNumberText(shape.l2, kFiveAxisLengthDecimals));
  } else {
    int field = 0;
    for (FiveAxisVector* v : FiveAxisVectorsOf(working_)) {
      for (double x : *v) vectors_[field++].SetText(ShortNumberText(x, kFiveAxisEnteredDecimals));
    }
  }
  ShowFiveAxisLimits(record.axis1, limits_[kMin1], limits_[kMax1]);
  ShowFiveAxisLimits(record.axis2, limits_[kMin2], limits_[kMax2]);
  Update(false);
}

bool WInspect5Axis::Update(bool strict) {
  SelectType(type_.Selected());
  const int type = type_.Selected();
  const FiveAxisTypeInfo& info = FiveAxisType(type);
  const bool editable = Editable();
  picture_.Select(type);
  for (WEdit& field : vectors_) {
    field.Show(type == kFreeType || vectors_forced_);
    field.Enable(editable);
  }
  used1_.Enable(editable && type == kFreeType);
  used2_.Enable(editable && type == kFreeType);
  for (WControl* control : std::initializer_list<WControl*>{&type_, &l1_, &l2_, &rename_}) control->Enable(editable);
  delete_.Enable(editable && list_.entries.size() >= 2);

  if (type == kSingleTiltType) {
    used1_.SetCheck(true);
    used2_.SetCheck(false);
    if (editable) {
      limits_[kMin2].SetText("");
      limits_[kMax2].SetText("");
    }
  } else if (type != kFreeType) {
    used1_.SetCheck(true);
    used2_.SetCheck(true);
  }

  const int box1 = std::clamp(box1_.Selected(), 0, kFiveAxisBoxEntries - 1);
  const int box2 = std::clamp(box2_.Selected(), 0, kFiveAxisBoxEntries - 1);
  box1_.Select(box1);
  box2_.Select(box2);
  int fault = FiveAxisLetterFault(type, box1, box2);
  if (fault && strict) {
    MoveFocus(fault == 1 ? box1_ : box2_);
    return false;
  }
  if (fault) {
    for (WEdit& field : vectors_) field.SetText("");
  } else {
    FiveAxisRecord r = working_;
    auto vectors = FiveAxisVectorsOf(r);
    if (type != kFreeType) {
      ApplyFiveAxisShape({type, box1, box2, FiveAxisFieldNumber(l1_), FiveAxisFieldNumber(l2_)}, r);
      int field = 0;
      for (FiveAxisVector* v : vectors) {
        for (double x : *v) vectors_[field++].SetText(ShortNumberText(x, kFiveAxisVectorDecimals));
      }
    } else {
      int field = 0;
      for (FiveAxisVector* v : vectors) {
        for (double& x : *v) x = FiveAxisFieldNumber(vectors_[field++]);
      }
      r.axis1.letter = BoxLetter(box1);
      r.axis1.on_table = BoxSecond(box1);
      r.axis2.letter = BoxLetter(box2);
      r.axis2.on_table = BoxSecond(box2);
    }
    r.axis1.used = used1_.IsChecked();
    r.axis2.used = used2_.IsChecked();
    r.axis1.minimum = FiveAxisFieldNumber(limits_[kMin1]);
    r.axis1.maximum = FiveAxisFieldNumber(limits_[kMax1]);
    r.axis2.minimum = FiveAxisFieldNumber(limits_[kMin2]);
    r.axis2.maximum = FiveAxisFieldNumber(limits_[kMax2]);
    r.reserved2 = 0;
    working_ = r;
  }

  l1_.Show(type != kFreeType);
  l2_.Show(type != kFreeType && info.uses_l2);
  bool on1 = editable && used1_.IsChecked(), on2 = editable && used2_.IsChecked();
  box1_.Enable(on1);
  limits_[kMin1].Enable(on1);
  limits_[kMax1].Enable(on1);
  box2_.Enable(on2);
  limits_[kMin2].Enable(on2);
  limits_[kMax2].Enable(on2);

  // A machine left with letters that its type refuses keeps its last
  // definition that was whole, instead of one without vectors.
  if (opened_ && editable && !fault) {
    FiveAxisRecord& entry = list_.entries[list_.selection];
    std::string name = std::move(entry.name);
    entry = working_;
    entry.name = std::move(name);
  }
  return !fault;
}

void WInspect5Axis::OnEdited(WControl& control) {
  if (&control == &machine_) {
    Select(machine_.Selected());
  } else if (control.Kind() != ControlKind::kPushButton && control.Kind() != ControlKind::kIconButton) {
    Update(false);
  }
}

void WInspect5Axis::Select(int index) {
  if (index < 0 || index >= static_cast<int>(list_.entries.size())) {
    machine_.Select(list_.selection);
    return;
  }
  list_.selection = index;
  ShowRecord(list_.entries[index]);
}

void WInspect5Axis::ForceVectors() {
  vectors_forced_ = true;
  for (WEdit& field : vectors_) field.Show(true);
}

// A template is copied too: the copy is the user's to change.
void WInspect5Axis::Add() {
  WInspect5AxisGetName prompt("");
  if (prompt.Run() != kIdOk) return;
  FiveAxisRecord copy = list_.entries[list_.selection];
  copy.name = prompt.Name();
  list_.entries.insert(list_.entries.begin(), std::move(copy));
  list_.selection = 0;
  ++list_.user_count;
  FillMachines();
  ShowRecord(list_.entries[0]);
}

void WInspect5Axis::Rename() {
  WInspect5AxisGetName prompt(list_.entries[list_.selection].name);
  if (prompt.Run() != kIdOk) return;
  list_.entries[list_.selection].name = prompt.Name();
  working_.name = prompt.Name();
  FillMachines();
}

void WInspect5Axis::Delete() {
  const char* text = MessageText(kDeleteQuestionId);
  MessageBoxRequest question{text ? text : kFiveAxisDeleteFallback, kNoticeCaptionId, MessageIcon::kQuestion,
                             MessageButtons::kYesNo, MessageOwner::kDialog};
  if (GetServices().MessageBox(question) != kIdYes) return;
  list_.entries.erase(list_.entries.begin() + list_.selection);
  --list_.user_count;
  list_.selection = std::max(list_.selection - 1, 0);
  FillMachines();
  ShowRecord(list_.entries[list_.selection]);
}

bool WInspect5Axis::Check() { return Update(true); }

void WInspect5Axis::Ok() {
  if (!Check()) return;
  std::span<const FiveAxisRecord> user(list_.entries.data(), static_cast<size_t>(list_.user_count));
  if (int error = WriteFiveAxisFile(user_file_, user); error != 0) {
    ShowNotWritten(user_file_, error);
    return;
  }
  result_ = list_.entries[list_.selection];
  EndDialog(kIdOk);
}

}  // namespace prefig
