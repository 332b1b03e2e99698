#include "pages/global/feature_selection.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "context/config_path_handler.h"
#include "module/module_state.h"
#include "pages/config_paths_dialog.h"
#include "record/prefiguration.h"

namespace prefig {
namespace {

constexpr int kFeaturesTitleId = 1013;
constexpr int kSwitchesGroupId = 1582;
constexpr int kPasswordGroupId = 1593;

// The password prompt compares what it is given in upper case.
std::string UpperCasePassword(std::string_view value) {
  std::string upper(value);
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
  return upper;
}

}  // namespace

DPlugingSelect::DPlugingSelect() : WPrefigBase(kFeaturesTitleId, schema::kFeaturesPage) {
  using namespace layout;
  optimizer_off_.Show(false);
  password_.SetPassword(true);
  password_.SetSaveRule(&UpperCasePassword);
  EnableWhen(solid_off_, [this] { return !backplot_off_.IsChecked(); }, {&backplot_off_});
  EnableWhen(file_compare_off_, quiver_off_);
  SetLayout(Column{
      Group{kSwitchesGroupId,
            {Row{Column{backplot_off_, solid_off_, dnc_off_, file_compare_off_, math_off_},
                 Column{quiver_off_, dnc_admin_off_, drafter_off_, mazak_view_off_}}}},
      Group{kPasswordGroupId, {Form{password_}}},
      Row{paths_, Stretch{}},
      Stretch{},
  });
}

// Solid simulation is part of the backplot: without it, it is off too.
void DPlugingSelect::OnLoad(bool first_time) {
  (void)first_time;
  GPrefiguration* record = Record();
  if (record == nullptr) return;
  if (record->Global().Values().Bool(schema::kDisableBackplot)) solid_off_.SetCheck(true);
  Remember();
}

void DPlugingSelect::Remember() {
  GPrefiguration* record = Record();
  if (record == nullptr) return;
  const SettingValues& values = record->Global().Values();
  loaded_switches_.clear();
  for (const WControl* control : Controls()) {
    const Setting* s = control->BoundSetting();
    if (s == nullptr || s->kind != Kind::kYesNo) continue;
    bool on = values.Bool(*s) || (s == &schema::kDisableSolid && values.Bool(schema::kDisableBackplot));
    loaded_switches_.push_back(on);
  }
}

void DPlugingSelect::OnSave() {
  GPrefiguration* record = Record();
  if (record == nullptr) return;
  const SettingValues& values = record->Global().Values();
  size_t at = 0;
  for (const WControl* control : Controls()) {
    const Setting* s = control->BoundSetting();
    if (s == nullptr || s->kind != Kind::kYesNo) continue;
    if (at < loaded_switches_.size() && loaded_switches_[at] != values.Bool(*s)) Module().restart_notice = true;
    ++at;
  }
  Remember();
}

void DPlugingSelect::EditConfigurationPaths() {
  bool changed = false;
  DConfigPaths dialog(ConfigPaths(), &changed);
  dialog.Run();
  if (changed) Module().restart_notice = true;
}

}  // namespace prefig
