#include "pages/global/dnc_administration.h"

#include "module/module_state.h"
#include "record/dnc_config.h"
#include "record/prefiguration.h"

namespace prefig {
namespace {

constexpr int kDncTitleId = 1012;
constexpr int kClientGroupId = 4380;
constexpr int kClientOptionsGroupId = 4620;
constexpr int kPortListTitleId = 4632;
constexpr int kDarkTheme = 1;
constexpr int kLightTheme = 0;

}  // namespace

SettingPlace DncPlaceOf(const Setting& setting) {
  GDncConfig* dnc = Module().dnc_config;
  if (dnc == nullptr || setting.scope != Scope::kDnc) return {};
  GPrefiguration* record = Module().record;
  return {&dnc->Values(), &dnc->Ini(), record != nullptr ? record->SettingsContext() : LoadContext{}};
}

DDNCAdm::DDNCAdm() : WPrefigBase(kDncTitleId, schema::kDncAdministrationPage) {
  using namespace layout;
  show_messenger_.Show(false);
  theme_.SetLabelText("Select log theme:");
  EnableWhen(show_feed_speed_, [] { return false; }, {});
  EnableWhen(quiver_ports_only_, quiver_logins_);
  SetLayout(Column{
      Group{kClientGroupId,
            {Row{Column{show_manual_, show_log_, show_system_log_, progress_view_},
                 Column{show_terminal_, show_feed_speed_, show_debug_}}}},
      Group{kClientOptionsGroupId,
            {Row{Column{allow_restart_, local_server_only_, show_links_, double_click_links_, double_click_ports_,
                        show_all_files_, hide_send_receive_},
                 Column{open_root_, keep_file_dialog_, allow_local_files_, quiver_logins_, quiver_ports_only_,
                        confirm_overwrite_}}}},
      Row{Form{theme_}, Stretch{}},
      Form{fixed_server_},
      Stretch{},
  });
}

void DDNCAdm::OnLoad(bool first_time) {
  if (first_time) {
    theme_.RemoveAll();
    theme_.AddText("Dark", kDarkTheme);
    theme_.AddText("Light", kLightTheme);
  }
  SettingPlace place = PlaceOf(schema::kDncLogTheme);
  if (place.values == nullptr) return;
  theme_.SelectData(place.values->Int(schema::kDncLogTheme));
  if (theme_.Selected() < 0) theme_.Select(0);
  Remember();
}

void DDNCAdm::Remember() {
  SettingPlace place = PlaceOf(schema::kDncLogTheme);
  if (place.values == nullptr) return;
  loaded_local_server_only_ = place.values->Bool(schema::kDncLocalServerOnly);
  loaded_local_files_ = place.values->Bool(schema::kDncAllowLocalFiles);
  loaded_theme_ = place.values->Int(schema::kDncLogTheme);
}

// The client reads the server choice, the local files and the theme when it starts.
void DDNCAdm::OnSave() {
  SettingPlace place = PlaceOf(schema::kDncLogTheme);
  if (place.values == nullptr) return;
  const SettingValues& values = *place.values;
  if (values.Bool(schema::kDncLocalServerOnly) != loaded_local_server_only_ ||
      values.Bool(schema::kDncAllowLocalFiles) != loaded_local_files_ ||
      values.Int(schema::kDncLogTheme) != loaded_theme_) {
    Module().restart_notice = true;
  }
  Remember();
}

DDNCAdmPortlist::DDNCAdmPortlist() : WPrefigBase(kPortListTitleId, schema::kDncPortListPage) {
  using namespace layout;
  EnableWhen(progress_background_, show_colors_);
  SetLayout(Column{
      Group{kPortListTitleId,
            {Row{Column{show_colors_, progress_background_, drag_between_groups_, groups_fullscreen_, groups_docked_,
                        collapse_groups_},
                 Column{column_1_, column_2_, column_3_, column_4_, column_5_},
                 Column{column_6_, column_7_, column_8_, column_9_, column_10_}}}},
      Row{Form{reset_errors_}, Stretch{}},
      Stretch{},
  });
}

}  // namespace prefig
