#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "context/message_ids.h"
#include "controls/auto_checkbox.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/picture.h"
#include "controls/push_button.h"
#include "pages/form_dialog.h"
#include "record/five_axis_list.h"
#include "record/five_axis_record.h"

namespace prefig {

enum FiveAxisLimit { kMin1, kMax1, kMin2, kMax2, kLimitCount };
// x, y, z of: axis 1 direction, axis 1 offset, axis 2 direction, axis 2
// offset, tool direction.
inline constexpr int kVectorFieldCount = 15;

// The name prompt of the 5-axis dialog: one field; OK takes a name that is
// not empty after trimming, and otherwise leaves the prompt open.
class WInspect5AxisGetName : public FormDialog {
 public:
  static constexpr int kAddCaptionId = 1641;
  static constexpr int kRenameCaptionId = 1642;
  static constexpr int kNameLabelId = 1640;

  // Empty for a new machine; the machine's name to rename it.
  explicit WInspect5AxisGetName(std::string_view current);

  WEdit& NameField() { return name_; }
  void Ok() override;
  // After OK: the name as a record holds it.
  const std::string& Name() const { return accepted_; }

  // A name that is not empty after trimming, cut to what a record holds.
  static std::optional<std::string> Accept(std::string_view typed);

 private:
  WEdit name_{this, kNameLabelId};
  std::string accepted_;
};

// The 5-axis machine setup: the machine list (the user's machines, then
// the templates, then the templates in inches), the kinematic type with its
// picture, the two rotary axes, the lengths L1 and L2 and the fifteen vector
// values. Every change updates the working record and copies it into the
// selected user machine; templates show but cannot be changed. OK writes the
// user's machines to User5Axis.cfg and hands back the selected record.
class WInspect5Axis : public FormDialog {
 public:
  static constexpr int kCaptionId = 1629;
  static constexpr int kDeleteQuestionId = 1711;

  // Opens on the list: type 0, then the selected entry shown and updated
  // once (that first update does not touch the entry). `user_file` is what
  // OK writes.
  WInspect5Axis(FiveAxisList list, std::string user_file);
  // The list of the two files and the host's current record.
  WInspect5Axis(const std::string& user_file, const std::string& template_file,
                const std::optional<FiveAxisRecord>& current);

  const std::vector<FiveAxisRecord>& Entries() const { return list_.entries; }
  int Selection() const { return list_.selection; }
  int UserCount() const { return list_.user_count; }
  bool Editable() const { return list_.selection < list_.user_count; }
  const FiveAxisRecord& Working() const { return working_; }

  WComboBox& Machine() { return machine_; }
  WPushButton& RenameButton() { return rename_; }
  WPushButton& DeleteButton() { return delete_; }
  WPushButton& AddButton() { return add_; }
  WComboBox& Type() { return type_; }
  const WPicture& Picture() const { return picture_; }
  // The axis 1 icon shows the vector fields for every type; the axis 2
  // icon finds the type that the current values make.
  WIcoButton& AxisIcon(int axis) { return axis == 0 ? axis1_icon_ : axis2_icon_; }
  WAutoCheckbox& Used(int axis) { return axis == 0 ? used1_ : used2_; }
  WComboBox& AxisBox(int axis) { return axis == 0 ? box1_ : box2_; }
  WEdit& Limit(FiveAxisLimit limit) { return limits_[limit]; }
  WEdit& L1() { return l1_; }
  WEdit& L2() { return l2_; }
  WEdit& Vector(int field) { return vectors_[field]; }

  // OK's check: a strict update. A letter pair that the type does not
  // allow fails and puts the focus on the refused axis box.
  bool Check();
  // The check, then User5Axis.cfg rewritten with the user machines; the
  // dialog stays open when either fails.
  void Ok() override;
  // The record the host gets after OK.
  const std::optional<FiveAxisRecord>& Result() const { return result_; }

 private:
  void OnEdited(WControl& control) override;
  // Shows a record: the type and everything else derived from it, then one update.
  void ShowRecord(const FiveAxisRecord& record);
  // Recomputes the vectors and the working record from the controls and
  // copies it into the selected user machine. A letter pair that the type
  // does not allow fails: strict, it moves the focus and stops; otherwise
  // it clears the computed vector fields and leaves the entry as it was.
  bool Update(bool strict);
  void SelectType(int type);
  void FillMachines();
  void Select(int index);
  void Add();
  void Rename();
  void Delete();
  void ForceVectors();

  WComboBox machine_{this, 0};
  WPushButton rename_{this, 455, [this] { Rename(); }};
  WPushButton delete_{this, 499, [this] { Delete(); }};
  WPushButton add_{this, 448, [this] { Add(); }};
  WComboBox type_{this, 1639};
  WPicture picture_{this,
                    {"five_axis_type_0", "five_axis_type_1", "five_axis_type_2", "five_axis_type_3", "five_axis_type_4",
                     "five_axis_type_5", "five_axis_type_6", "five_axis_type_7", "five_axis_type_8", "five_axis_type_9",
                     "five_axis_type_10"}};
  WIcoButton axis1_icon_{this, "five_axis_axis1", kShowVectorsMessageId, [this] { ForceVectors(); }};
  WAutoCheckbox used1_{this, 0};
  WComboBox box1_{this, 1638};
  WIcoButton axis2_icon_{this, "five_axis_axis2", kDeriveTypeMessageId,
                         [this] { ShowRecord(FiveAxisRecord(working_)); }};
  WAutoCheckbox used2_{this, 0};
  WComboBox box2_{this, 1637};
  WEdit limits_[kLimitCount]{{this, 434}, {this, 435}, {this, 434}, {this, 435}};
  WEdit l1_{this, 0};
  WEdit l2_{this, 0};
  WEdit vectors_[kVectorFieldCount]{{this, 1636}, {this, 0},    {this, 0},    {this, 1635}, {this, 0},
                                    {this, 0},    {this, 1634}, {this, 0},    {this, 0},    {this, 1633},
                                    {this, 0},    {this, 0},    {this, 1632}, {this, 0},    {this, 0}};

  std::string user_file_;
  FiveAxisList list_;
  FiveAxisRecord working_;
  bool boxes_offer_sides_ = false;  // head and table (type 10) instead of the signs
  bool vectors_forced_ = false;
  bool opened_ = false;
  std::optional<FiveAxisRecord> result_;
};

}  // namespace prefig
