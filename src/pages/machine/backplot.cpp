#include "pages/machine/backplot.h"

#include <algorithm>

#include "module/host_interface.h"
#include "module/module_state.h"
#include "module/services.h"
#include "pages/five_axis_dialog.h"
#include "pages/run_five_axis.h"
#include "record/backplot_parameters.h"
#include "record/five_axis_files.h"
#include "record/five_axis_list.h"
#include "record/machine_type.h"
#include "record/nc_filter_table.h"
#include "record/prefiguration.h"
#include "schema/control_syntax.h"

namespace prefig {
namespace {

constexpr int kBackplotTitleId = 1010;
constexpr int kToolSetupGroupId = 2547;
constexpr int kUvwMovesId = 2539;
constexpr int kUwMovesId = 2541;  // a lathe has no V
constexpr const char* kSolidAnimationLabel = "Solid animation options:";

// The setup dialog fills the table when it opens; a page shown without it
// (prefig page, a test) has the default entries.
const GNcFilterTable* FilterTable() {
  GPrefiguration* record = Module().record;
  if (record == nullptr) return nullptr;
  record->NcFilters().Fill();
  return &record->NcFilters();
}

// Entry 0 when nothing is selected.
const NcFilter* SelectedFilter(const WComboBox& list) {
  const GNcFilterTable* table = FilterTable();
  if (table == nullptr || table->Count() == 0) return nullptr;
  return &table->Entries()[std::clamp(list.Selected(), 0, table->Count() - 1)];
}

}  // namespace

DMchInspect::DMchInspect() : WMachinePage(kBackplotTitleId, {schema::kBackplotPage, schema::kBackplotViewPage}) {
  using namespace layout;
  HandledInHooks({&schema::kFilterUri, &schema::kFilterDll, &schema::kFilterType, &schema::kTurnPrg, &schema::kCfg5Axis,
                  &schema::kSolidAnimationOpts});
  EditsInHooks(filter_, {&schema::kFilterUri, &schema::kFilterDll, &schema::kFilterType});
  filter_.SetControlName("filter");
  arc_type_.SetControlName("arc type");
  machines_.SetControlName("5-axis machine");
  solid_animation_.SetControlName("solid animation");
  solid_animation_.SetLabelText(kSolidAnimationLabel);
  print_quality_.Show(false);
  solid_animation_.Show(false);
  map_letters_.SetSaveRule(&NormaliseMapLetters);

  auto turning = [this] { return TurningFilter(); };
  auto not_heidenhain = [this] { return !HeidenhainFilter(); };
  EnableWhen(orientation_, turning, {&filter_});
  EnableWhen(diameter_, turning, {&filter_});
  EnableWhen(diameter_arc_, [this] { return TurningFilter() && diameter_.IsChecked(); }, {&filter_, &diameter_});
  for (WControl* control :
       std::initializer_list<WControl*>{&cycles_, &zero_arcs_, &ignore_tool0_, &thousandths_, &arc_type_}) {
    EnableWhen(*control, not_heidenhain, {&filter_});
  }
  EnableWhen(tool_library_, [this] { return !TurningFilter(); }, {&filter_});
  EnableWhen(five_axis_, [this] { return !TurningFilter(); }, {&filter_});
  EnableWhen(machines_, [this] { return !TurningFilter() && five_axis_.IsChecked(); }, {&filter_, &five_axis_});
  EnableWhen(setup_, [this] { return !TurningFilter() && five_axis_.IsChecked(); }, {&filter_, &five_axis_});
  EnableWhen(no_radius_comp_, [this] { return !TurningFilter(); }, {&filter_});

  SetLayout(Column{
      Row{Form{filter_}, tool_library_, Stretch{}},
      Group{kToolSetupGroupId,
            {Row{Column{only_decimals_, diameter_, diameter_arc_, zero_arcs_, cycles_, ignore_m6_, ignore_tool0_,
                        ignore_block_skip_},
                 Column{five_axis_, thousandths_, no_radius_comp_, shortest_angle_, uvw_}},
             Form{arc_type_, orientation_, Row{machines_, setup_}, mapping_, map_letters_, print_quality_,
                  solid_animation_}}},
      Stretch{},
  });
}

bool DMchInspect::TurningFilter() const {
  const NcFilter* filter = SelectedFilter(filter_);
  return filter != nullptr && filter->turning;
}

bool DMchInspect::HeidenhainFilter() const {
  const NcFilter* filter = SelectedFilter(filter_);
  return filter != nullptr && IsHeidenhainControl(filter->control_key);
}

void DMchInspect::OnLoad(bool first_time) {
  const GNcFilterTable* table = FilterTable();
  if (first_time && table != nullptr) {
    for (const NcFilter& filter : table->Entries()) filter_.AddText(filter.display_name);
  }
  GPrefiguration* record = Record();
  if (first_time && record != nullptr) {
    // The settings of the whole configuration stay as the user left them
    // while other types are shown, until OK.
    LoadControl(mapping_, record->Global().Values());
    LoadControl(print_quality_, record->Global().Values());
  }
  const GMachineType* type = CurrentType();
  if (type == nullptr) return;
  const SettingValues& values = type->Values();
  loaded_filter_ = table ? table->Find(values.Text(schema::kFilterUri), values.Text(schema::kFilterType)) : -1;
  filter_.Select(loaded_filter_);
  arc_type_.Select(values.Int(schema::kArcType));
  five_axis_text_ = values.Text(schema::kCfg5Axis);
  FillFiveAxisMachines(five_axis_text_);
}

void DMchInspect::FillFiveAxisMachines(const std::string& definition) {
  stored_five_axis_ = ParseFiveAxisRecord(definition);
  machines_.RemoveAll();
  five_axis_entries_.clear();
  FiveAxisList list = BuildFiveAxisList(ReadFiveAxisFile(ConfiguredUserFiveAxisFile()),
                                        ReadFiveAxisFile(ConfiguredTemplateFiveAxisFile()), stored_five_axis_);
  five_axis_entries_ = std::move(list.entries);
  for (const FiveAxisRecord& entry : five_axis_entries_) machines_.AddText(entry.name);
  // A definition that cannot be read is no entry; none is selected, so
  // that saving keeps it.
  machines_.Select(stored_five_axis_ ? list.selection : -1);
}

// The filter keys change only when the user chose another filter: a type
// whose stored pair the table spells differently keeps it.
void DMchInspect::OnSave() {
  GMachineType* type = CurrentType();
  if (type == nullptr) return;
  SettingValues& values = type->Values();
  values.SetInt(schema::kArcType, std::max(arc_type_.Selected(), 0));
  const NcFilter* filter = SelectedFilter(filter_);
  if (filter != nullptr && std::max(filter_.Selected(), 0) != loaded_filter_) {
    values.SetText(schema::kFilterUri, filter->uri);
    values.SetText(schema::kFilterDll, filter->library);
    values.SetText(schema::kFilterType, filter->control_key);
    values.SetBool(schema::kTurnPrg, filter->turning);
    loaded_filter_ = std::max(filter_.Selected(), 0);
  }
  // The type's own machine keeps its text as stored.
  int machine = machines_.Selected();
  bool other = machine >= 0 && machine < static_cast<int>(five_axis_entries_.size()) &&
               five_axis_entries_[machine] != stored_five_axis_;
  values.SetText(schema::kCfg5Axis, other ? FormatFiveAxisRecord(five_axis_entries_[machine]) : five_axis_text_);
  type->RebuildBackplotParameters();
}

void DMchInspect::OnDefaults() {
  const GMachineType* type = CurrentType();
  const GNcFilterTable* table = FilterTable();
  int basic = type != nullptr ? type->BasicType() : 0;
  if (table != nullptr && !filter_.IsLocked()) {
    filter_.Select(table->Find(NcFormatUri(PageDefault(schema::kFilterUri, basic, false)),
                               PageDefault(schema::kFilterType, basic, false)));
  }
  arc_type_.Select(0);
}

void DMchInspect::OnUpdate() { uvw_.SetTextFromId(TurningFilter() ? kUwMovesId : kUvwMovesId); }

void DMchInspect::DialogAccepted() {
  GPrefiguration* record = Record();
  if (record == nullptr) return;
  bool was_cached = record->SetCached(true);
  // The hidden list has no entries to choose from: what the record holds
  // goes back unchanged.
  record->Global().Values().Save(*record, schema::kSolidAnimationOpts);
  SaveControl(mapping_, record->Global().Values(), record);
  SaveControl(print_quality_, record->Global().Values(), record);
  record->SetCached(was_cached);
}

void DMchInspect::SetupFiveAxis() {
  int machine = machines_.Selected();
  std::optional<FiveAxisRecord> current = stored_five_axis_;
  if (machine >= 0 && machine < static_cast<int>(five_axis_entries_.size())) current = five_axis_entries_[machine];
  WInspect5Axis dialog(ConfiguredUserFiveAxisFile(), ConfiguredTemplateFiveAxisFile(), current);
  if (dialog.Run() != kIdOk || !dialog.Result()) return;
  five_axis_text_ = FormatFiveAxisRecord(*dialog.Result());
  FillFiveAxisMachines(five_axis_text_);
}

void DMchInspect::OpenToolLibrary() {
  GMachineType* type = CurrentType();
  if (type == nullptr) return;
  // The setup dialog's window is the renderer's; the host needs the type.
  GetServices().PostToHost(kMsgOpenToolLibrary, reinterpret_cast<uintptr_t>(type), 0);
  type->SetToolLibraryRequested(true);
  if (GPrefiguration* record = Record()) record->Host().tool_library_requested = true;
}

}  // namespace prefig
