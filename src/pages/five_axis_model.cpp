#include "pages/five_axis_model.h"

#include <algorithm>
#include <span>

#include "module/module_state.h"
#include "module/services.h"
#include "record/fixed_number.h"
#include "record/five_axis_files.h"
#include "ini/ini_text.h"

namespace prefig {
namespace {

constexpr int kLengthDecimals = 4;  // L1, L2
constexpr int kVectorDecimals = 5;  // computed vectors and limits
// Entered vectors keep all the decimals a record has.
constexpr int kEnteredDecimals = 7;
constexpr const char* kDeleteFallback = "Delete this machine definition?";

// An edit field's number: "." or ",", nothing or garbage is 0, kept within
// what a record can hold.
double FieldNumber(const FiveAxisField& field) {
  double value = ini::DecodeDouble(field.text);
  return std::clamp(value, -kFiveAxisNumberMax, kFiveAxisNumberMax) + 0.0;
}

// The fifteen vectors in field order.
std::array<FiveAxisVector*, 5> Vectors(FiveAxisRecord& r) {
  return {&r.axis1.direction, &r.axis1.offset, &r.axis2.direction, &r.axis2.offset, &r.tool};
}

void ShowLimits(const FiveAxisRotary& axis, FiveAxisField& min, FiveAxisField& max) {
  bool none = axis.minimum == 0 && axis.maximum == 0;
  min.text = none ? "" : ShortNumberText(axis.minimum, kVectorDecimals);
  max.text = none ? "" : ShortNumberText(axis.maximum, kVectorDecimals);
}

}  // namespace

GFiveAxisModel::GFiveAxisModel(FiveAxisList list) : list_(std::move(list)) {
  if (list_.entries.empty()) list_ = BuildFiveAxisList({}, {}, std::nullopt);
  list_.selection = std::clamp(list_.selection, 0, static_cast<int>(list_.entries.size()) - 1);
  controls_.type = 0;
  Show(list_.entries[list_.selection]);
  opened_ = true;
}

GFiveAxisModel GFiveAxisModel::Open(const std::string& user_file, const std::string& template_file,
                                    const std::optional<FiveAxisRecord>& current) {
  return GFiveAxisModel(BuildFiveAxisList(ReadFiveAxisFile(user_file), ReadFiveAxisFile(template_file), current));
}

std::vector<std::string> GFiveAxisModel::AxisBoxEntries() const {
  std::vector<std::string> entries;
  for (int i = 0; i < kFiveAxisBoxEntries; ++i) entries.push_back(FiveAxisBoxText(controls_.type, i));
  return entries;
}

void GFiveAxisModel::Show(const FiveAxisRecord& record) {
  FiveAxisControls& c = controls_;
  working_ = record;
  c.used[0] = record.axis1.used != 0;
  c.used[1] = record.axis2.used != 0;
  FiveAxisShape shape = DeriveFiveAxisShape(record);
  c.type = shape.type;
  c.box[0] = shape.box1;
  c.box[1] = shape.box2;
  if (shape.type != kFreeType) {
    c.l1.text = ShortNumberText(shape.l1, kLengthDecimals);
    c.l2.text = ShortNumberText(shape.l2, kLengthDecimals);
  } else {
    int field = 0;
    for (FiveAxisVector* v : Vectors(working_)) {
      for (double x : *v) c.vectors[field++].text = ShortNumberText(x, kEnteredDecimals);
    }
  }
  ShowLimits(record.axis1, c.limits[kMin1], c.limits[kMax1]);
  ShowLimits(record.axis2, c.limits[kMin2], c.limits[kMax2]);
  Update(false);
}

bool GFiveAxisModel::Update(bool strict) {
  FiveAxisControls& c = controls_;
  c.focus = FiveAxisFocus::kNone;
  c.type = ClampFiveAxisType(c.type);
  const int type = c.type;
  const FiveAxisTypeInfo& info = FiveAxisType(type);
  const bool editable = Editable();
  c.bitmap = info.bitmap;
  c.vectors_shown = type == kFreeType || vectors_forced_;
  c.used_enabled = editable && type == kFreeType;
  c.type_enabled = c.l1.enabled = c.l2.enabled = c.rename_enabled = editable;
  c.delete_enabled = editable && list_.entries.size() >= 2;
  for (FiveAxisField& field : c.vectors) field.enabled = editable;

  if (type == kSingleTiltType) {
    c.used[0] = true;
    c.used[1] = false;
    if (editable) c.limits[kMin2].text = c.limits[kMax2].text = "";
  } else if (type != kFreeType) {
    c.used[0] = c.used[1] = true;
  }

  int fault = FiveAxisLetterFault(type, c.box[0], c.box[1]);
  if (fault && strict) {
    c.focus = fault == 1 ? FiveAxisFocus::kAxis1Box : FiveAxisFocus::kAxis2Box;
    return false;
  }
  if (fault) {
    for (FiveAxisField& field : c.vectors) field.text.clear();
  } else {
    FiveAxisRecord r = working_;
    auto vectors = Vectors(r);
    if (type != kFreeType) {
      ApplyFiveAxisShape({type, c.box[0], c.box[1], FieldNumber(c.l1), FieldNumber(c.l2)}, r);
      int field = 0;
      for (FiveAxisVector* v : vectors) {
        for (double x : *v) c.vectors[field++].text = ShortNumberText(x, kVectorDecimals);
      }
    } else {
      int field = 0;
      for (FiveAxisVector* v : vectors) {
        for (double& x : *v) x = FieldNumber(c.vectors[field++]);
      }
      r.axis1.letter = BoxLetter(c.box[0]);
      r.axis1.on_table = BoxSecond(c.box[0]);
      r.axis2.letter = BoxLetter(c.box[1]);
      r.axis2.on_table = BoxSecond(c.box[1]);
    }
    r.axis1.used = c.used[0];
    r.axis2.used = c.used[1];
    r.axis1.minimum = FieldNumber(c.limits[kMin1]);
    r.axis1.maximum = FieldNumber(c.limits[kMax1]);
    r.axis2.minimum = FieldNumber(c.limits[kMin2]);
    r.axis2.maximum = FieldNumber(c.limits[kMax2]);
    r.reserved2 = 0;
    working_ = r;
  }

  c.l1.shown = type != kFreeType;
  c.l2.shown = type != kFreeType && info.uses_l2;
  for (int axis = 0; axis < 2; ++axis) {
    bool on = editable && c.used[axis];
    c.box_enabled[axis] = c.limits[axis * 2].enabled = c.limits[axis * 2 + 1].enabled = on;
  }

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

void GFiveAxisModel::Edit(FiveAxisField& field, std::string_view text) {
  if (!field.enabled) return;
  field.text = std::string(text);
  Update(false);
}

void GFiveAxisModel::SetType(int type) {
  if (!controls_.type_enabled) return;
  controls_.type = ClampFiveAxisType(type);
  Update(false);
}

void GFiveAxisModel::SetAxisBox(int axis, int index) {
  if (axis < 0 || axis > 1 || !controls_.box_enabled[axis]) return;
  controls_.box[axis] = std::clamp(index, 0, kFiveAxisBoxEntries - 1);
  Update(false);
}

void GFiveAxisModel::SetUsed(int axis, bool used) {
  if (axis < 0 || axis > 1 || !controls_.used_enabled) return;
  controls_.used[axis] = used;
  Update(false);
}

void GFiveAxisModel::SetL1(std::string_view text) { Edit(controls_.l1, text); }
void GFiveAxisModel::SetL2(std::string_view text) { Edit(controls_.l2, text); }

void GFiveAxisModel::SetLimit(FiveAxisLimit limit, std::string_view text) {
  if (limit >= 0 && limit < kLimitCount) Edit(controls_.limits[limit], text);
}

void GFiveAxisModel::SetVector(int field, std::string_view text) {
  if (field >= 0 && field < kVectorFieldCount) Edit(controls_.vectors[field], text);
}

void GFiveAxisModel::ClickAxis1Icon() {
  vectors_forced_ = true;
  controls_.vectors_shown = true;
}

void GFiveAxisModel::ClickAxis2Icon() {
  FiveAxisRecord current = working_;
  Show(current);
}

void GFiveAxisModel::Select(int index) {
  if (index < 0 || index >= static_cast<int>(list_.entries.size())) return;
  list_.selection = index;
  Show(list_.entries[index]);
}

std::optional<std::string> GFiveAxisModel::AcceptName(std::string_view typed) {
  std::string name(ini::Trim(FiveAxisName(ini::Trim(typed))));
  if (name.empty()) return std::nullopt;
  return name;
}

bool GFiveAxisModel::Add(std::string_view typed) {
  auto name = AcceptName(typed);
  if (!name) return false;
  FiveAxisRecord copy = list_.entries[list_.selection];
  copy.name = *name;
  list_.entries.insert(list_.entries.begin(), std::move(copy));
  list_.selection = 0;
  ++list_.user_count;
  Show(list_.entries[0]);
  return true;
}

bool GFiveAxisModel::Rename(std::string_view typed) {
  auto name = AcceptName(typed);
  if (!Editable() || !name) return false;
  list_.entries[list_.selection].name = *name;
  working_.name = *name;
  return true;
}

bool GFiveAxisModel::Delete() {
  if (!Editable() || list_.entries.size() < 2) return false;
  const char* text = MessageText(kDeleteQuestion);
  MessageBoxRequest question{text ? text : kDeleteFallback, kNoticeCaptionId, MessageIcon::kQuestion,
                             MessageButtons::kYesNo, MessageOwner::kDialog};
  if (GetServices().MessageBox(question) != kIdYes) return false;
  list_.entries.erase(list_.entries.begin() + list_.selection);
  --list_.user_count;
  list_.selection = std::max(list_.selection - 1, 0);
  Show(list_.entries[list_.selection]);
  return true;
}

bool GFiveAxisModel::Ok(const std::string& user_file) {
  if (!Update(true)) return false;
  std::span<const FiveAxisRecord> user(list_.entries.data(), static_cast<size_t>(list_.user_count));
  if (WriteFiveAxisFile(user_file, user) != 0) return false;
  result_ = list_.entries[list_.selection];
  return true;
}

}  // namespace prefig
