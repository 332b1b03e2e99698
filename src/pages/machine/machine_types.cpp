#include "pages/machine/machine_types.h"

#include <algorithm>

#include "module/services.h"
#include "pages/machine_types/add_machine_type.h"
#include "pages/machine_types/machine_type_texts.h"
#include "pages/machine_types/rename_machine_type.h"
#include "pages/machine_types/type_file.h"
#include "pages/setup_session.h"
#include "record/machine_list.h"
#include "record/prefiguration.h"
#include "record/program_folders.h"
#include "schema/machine_general.h"
#include "schema/quiver.h"

namespace prefig {
namespace {

constexpr int kTitleId = 1261;
constexpr int kDescriptionColumnId = 511;
constexpr int kTypeColumnId = 513;
constexpr int kDescriptionColumnWidth = -70;  // per cent
constexpr int kRemoveQuestionId = 3549;

constexpr int kPageHelpId = 14350;

int Count() { return static_cast<int>(SetupSession().working_types.size()); }

bool IsStored(const GMachineType& type) { return type.Values().Bool(schema::kQuiverStore); }

}  // namespace

DMch::DMch() : WPrefigBase(kTitleId) {
  using namespace layout;
  GPrefiguration* record = Record();
  quiver_mode_ = record != nullptr && record->Host().quiver_connected && record->Host().quiver_stores_types;

  SetHelpId(kPageHelpId);

  auto selected = [this] { return list_.Selected(); };
  EnableWhen(up_, [selected] { return selected() > 0; }, {&list_});
  EnableWhen(down_, [selected] { return selected() >= 0 && selected() < Count() - 1; }, {&list_});
  EnableWhen(add_, [selected] { return selected() >= 0 && Count() < GMachineList::kMax; }, {&list_});
  EnableWhen(rename_, [selected] { return selected() >= 0; }, {&list_});
  EnableWhen(remove_, [selected] { return selected() >= 0 && Count() > 1; }, {&list_});
  UpdateOnChange({&up_, &down_, &add_, &rename_, &remove_});

  SetLayout(Column{Group{
      kTitleId,
      {Row{list_, Column{up_, down_, Stretch{}}}, Row{add_, rename_, remove_, Stretch{}, legend_icon_, legend_}}}});
}

void DMch::OnLoad(bool first_time) {
  if (!first_time) return;
  list_.AddColumn(kDescriptionColumnId, kDescriptionColumnWidth);
  list_.AddColumn(kTypeColumnId, 0);
  list_.SetCheckBoxes(quiver_mode_);
  legend_icon_.Show(quiver_mode_);
  legend_.Show(quiver_mode_);
  std::vector<WHeaderCtrl::Row> rows;
  for (const GMachineType* type : SetupSession().working_types) rows.push_back(RowOf(*type));
  list_.SetRows(std::move(rows));
  list_.Select(SetupSession().current_type);
}

// With check boxes, each type is stored in the database as its row says.
void DMch::OnSave() {
  if (!quiver_mode_) return;
  const auto& rows = list_.Rows();
  const auto& types = SetupSession().working_types;
  for (size_t i = 0; i < types.size() && i < rows.size(); ++i) {
    if (IsStored(*types[i]) == rows[i].checked) continue;
    types[i]->Values().SetBool(schema::kQuiverStore, rows[i].checked);
    types[i]->SetChanged();
  }
}

void DMch::OnEdited(WControl& control) {
  if (&control == &list_ && list_.Selected() >= 0) SetupSession().current_type = list_.Selected();
}

WHeaderCtrl::Row DMch::RowOf(const GMachineType& type) const {
  int basic_type = std::clamp(type.BasicType(), 0, static_cast<int>(kBasicTypeColumnTextIds.size()) - 1);
  return {.cells = {type.Description(), MessageString(kBasicTypeColumnTextIds[basic_type])},
          .checked = quiver_mode_ && IsStored(type),
          .grey = !quiver_mode_ && IsStored(type)};
}

bool DMch::SelectedIsCurrent() const {
  return list_.Selected() >= 0 && list_.Selected() == SetupSession().current_type && CurrentMachineType() != nullptr;
}

void DMch::MakeCurrent(int row) {
  list_.Select(row);
  SetupSession().current_type = list_.Selected();
}

// The order alone concerns the setup dialog; a type made, renamed or
// removed concerns the host too.
void DMch::ListChanged(bool types_changed) {
  SetupSession().list_changed = true;
  GPrefiguration* record = Record();
  if (types_changed && record != nullptr) record->Host().machine_types_changed = true;
}

void DMch::Move(int direction) {
  if (!SelectedIsCurrent()) return;
  int from = list_.Selected();
  int to = from + direction;
  if (to < 0 || to >= Count()) return;
  auto& types = SetupSession().working_types;
  std::swap(types[from], types[to]);
  std::vector<WHeaderCtrl::Row> rows = list_.Rows();
  std::swap(rows[from], rows[to]);
  list_.SetRows(std::move(rows));
  MakeCurrent(to);
  ListChanged(false);
}

// The new type follows the selected one. Its file is named after its
// description; the identifier names it when the description leaves nothing
// that a file name may hold.
void DMch::Add() {
  GPrefiguration* record = Record();
  SetupSessionState& session = SetupSession();
  if (record == nullptr || Count() >= GMachineList::kMax || !SelectedIsCurrent()) return;
  DAddMch dialog(session.working_types, CurrentMachineType(),
                 record->ProgramDirectory() + "/" + std::string(kTemplatesFolder));
  if (dialog.Run() != kIdOk) return;
  std::string identifier = record->MachineTypes().NewIdentifier(session.working_types);
  std::string path = type_file::PathFor(record->TypesDirectory(), dialog.NewDescription(), identifier);
  auto type =
      type_file::Create(dialog.Chosen(), path, dialog.NewDescription(), identifier, record->MachineTypeContext());
  if (type == nullptr) {
    ShowTypeFileError(path);
    return;
  }
  int at = list_.Selected() + 1;
  std::vector<WHeaderCtrl::Row> rows = list_.Rows();
  rows.insert(rows.begin() + at, RowOf(*type));
  session.working_types.insert(session.working_types.begin() + at, type.get());
  session.new_types.push_back(std::move(type));
  list_.SetRows(std::move(rows));
  MakeCurrent(at);
  ListChanged(true);
}

// The file moves with the description, and keeps its contents.
void DMch::Rename() {
  GPrefiguration* record = Record();
  GMachineType* type = CurrentMachineType();
  if (record == nullptr || !SelectedIsCurrent() || (!quiver_mode_ && IsStored(*type))) return;
  std::vector<std::string> names;
  for (const GMachineType* listed : SetupSession().working_types) names.push_back(listed->Description());
  DRenameMch dialog(type->Description(), std::move(names));
  if (dialog.Run() != kIdOk) return;
  std::string path = type_file::PathFor(record->TypesDirectory(), dialog.NewDescription(), type->Name(), type->Path());
  if (!type_file::Move(*type, path)) {
    ShowTypeFileError(path);
    return;
  }
  // The file says what its name says, even when the dialog is cancelled.
  type->Values().SetText(schema::kDescription, dialog.NewDescription());
  type->Values().Save(type->Ini(), schema::kDescription);
  type->SetChanged();
  std::vector<WHeaderCtrl::Row> rows = list_.Rows();
  rows[list_.Selected()].cells[0] = type->Description();
  list_.SetRows(std::move(rows));
  ListChanged(true);
}

// The type goes to the removed list; the close step decides about its file.
void DMch::Remove() {
  SetupSessionState& session = SetupSession();
  GMachineType* type = CurrentMachineType();
  if (Count() < 2 || !SelectedIsCurrent() || session.removed_types.size() >= kRemovedTypesMax ||
      (!quiver_mode_ && IsStored(*type))) {
    return;
  }
  MessageBoxRequest question;
  question.text = MessageWithText(kRemoveQuestionId, type->Description());
  question.caption_id = kNoticeCaptionId;
  question.icon = MessageIcon::kQuestion;
  question.buttons = MessageButtons::kYesNo;
  if (GetServices().MessageBox(question) != kIdYes) return;
  int at = list_.Selected();
  session.removed_types.push_back(type);
  session.working_types.erase(session.working_types.begin() + at);
  std::vector<WHeaderCtrl::Row> rows = list_.Rows();
  rows.erase(rows.begin() + at);
  list_.SetRows(std::move(rows));
  MakeCurrent(std::min(at, Count() - 1));
  ListChanged(true);
}

}  // namespace prefig
