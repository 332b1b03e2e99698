#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/five_axis_kinematics.h"
#include "record/five_axis_list.h"
#include "record/five_axis_record.h"

namespace prefig {

// An edit field and its label.
struct FiveAxisField {
  std::string text;
  bool shown = true;
  bool enabled = true;
};

enum FiveAxisLimit { kMin1, kMax1, kMin2, kMax2, kLimitCount };
// x, y, z of: axis 1 direction, axis 1 offset, axis 2 direction, axis 2
// offset, tool direction.
inline constexpr int kVectorFieldCount = 15;

enum class FiveAxisFocus { kNone, kAxis1Box, kAxis2Box };

// Everything the 5-axis dialog shows; the view renders it as it is.
struct FiveAxisControls {
  int type = 0;
  int bitmap = 0;
  bool type_enabled = true;
  int box[2] = {0, 0};  // axis box selections, see BoxIndex
  bool box_enabled[2] = {true, true};
  bool used[2] = {true, true};  // the check boxes beside the axes
  bool used_enabled = false;
  FiveAxisField l1, l2;
  FiveAxisField limits[kLimitCount];
  FiveAxisField vectors[kVectorFieldCount];
  bool vectors_shown = false;
  bool rename_enabled = true, delete_enabled = true;
  FiveAxisFocus focus = FiveAxisFocus::kNone;  // where a refused OK puts the focus
};

// Message ids of the dialog's questions and prompts.
inline constexpr int kAddNameCaption = 1641;
inline constexpr int kRenameNameCaption = 1642;
inline constexpr int kNameLabel = 1640;
inline constexpr int kDeleteQuestion = 1711;

// The state of the 5-axis machine dialog and its operations, without a
// toolkit. Edits of a control that is disabled (every editing control of a
// template entry, for one) are ignored.
class GFiveAxisModel {
 public:
  // Opens on the list: type 0, then the selected entry shown and updated
  // once (that first update does not touch the entry).
  explicit GFiveAxisModel(FiveAxisList list);
  static GFiveAxisModel Open(const std::string& user_file, const std::string& template_file,
                             const std::optional<FiveAxisRecord>& current);

  const std::vector<FiveAxisRecord>& Entries() const { return list_.entries; }
  int Selection() const { return list_.selection; }
  int UserCount() const { return list_.user_count; }
  bool Editable() const { return list_.selection < list_.user_count; }
  const FiveAxisControls& Controls() const { return controls_; }
  const FiveAxisRecord& Working() const { return working_; }
  std::vector<std::string> AxisBoxEntries() const;

  // Shows a record: the type and everything else derived from it, then one
  // update.
  void Show(const FiveAxisRecord& record);
  // Recomputes the vectors and the working record from the controls and
  // copies it into the selected user machine. A letter pair that the type
  // does not allow fails: strict, it sets the focus and stops; otherwise it
  // clears the computed vector fields and leaves the entry as it was.
  bool Update(bool strict);

  void SetType(int type);
  void SetAxisBox(int axis, int index);  // axis 0 or 1
  void SetUsed(int axis, bool used);
  void SetL1(std::string_view text);
  void SetL2(std::string_view text);
  void SetLimit(FiveAxisLimit limit, std::string_view text);
  void SetVector(int field, std::string_view text);
  void ClickAxis1Icon();  // shows the vector fields for every type
  void ClickAxis2Icon();  // derives the type again from the current values

  void Select(int index);
  // The name prompt's rule: a name that is not empty after trimming, cut to
  // what a record holds.
  static std::optional<std::string> AcceptName(std::string_view typed);
  // Add and Rename take the name typed into the prompt; false when it is
  // refused or there is nothing to rename.
  bool Add(std::string_view name);
  bool Rename(std::string_view name);
  // Asks first (through the services); false when refused or not allowed.
  bool Delete();
  // Strict update, then User5Axis.cfg rewritten with the user machines; false
  // (the dialog stays open) when either fails.
  bool Ok(const std::string& user_file);
  void Cancel() { result_.reset(); }
  // The record the host gets after OK.
  const std::optional<FiveAxisRecord>& Result() const { return result_; }

 private:
  void Edit(FiveAxisField& field, std::string_view text);

  FiveAxisList list_;
  FiveAxisControls controls_;
  FiveAxisRecord working_;
  bool vectors_forced_ = false;
  bool opened_ = false;
  std::optional<FiveAxisRecord> result_;
};

}  // namespace prefig
