#include "pages/global/global.h"

namespace prefig {

namespace {
constexpr int kTitleId = 1002;
constexpr int kGroupId = 1058;
}  // namespace

DGlobal::DGlobal() : WPrefigBase(kTitleId) {
  using namespace layout;
  line_feeds_.Setup(0, 4, 1);
  tab_width_.Setup(1, 50, 1);
  window_size_.Setup(10, 90, 1);
  exit_minutes_.Setup(5, 99999, 5);
  EnableWhen(exit_minutes_, exit_when_inactive_);
  SetLayout(Column{
      Group{kGroupId,
            {Row{Column{warning_beep_, start_maximized_, reopen_files_, remember_window_, open_maximized_,
                        remember_cursor_, confirm_exit_, open_multiple_, path_in_title_},
                 Column{protect_read_only_, force_read_only_, wrapped_read_only_, check_modified_, check_conflicts_,
                        keep_backup_, specify_name_, show_all_files_, hide_formula_results_, hide_download_link_}}}},
      Row{Form{line_feeds_, tab_width_, recent_list_, size_unit_},
          Form{language_, Row{window_size_, percent_}, exit_when_inactive_, exit_minutes_}},
      Row{associate_, Stretch{}},
      Stretch{},
  });
}

void DGlobal::OnLoad(bool) {}

void DGlobal::OnSave() {}

void DGlobal::AssociateFileExtensions() {}

}  // namespace prefig
