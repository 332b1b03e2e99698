#pragma once
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/auto_checkbox.h"
#include "controls/edit.h"
#include "controls/push_button.h"
#include "controls/spin_value.h"
#include "pages/config_base.h"
#include "pages/page_table.h"
#include "schema/setting.h"

namespace prefig::test {

// A page with one control of the common kinds that writes down every hook
// the protocol calls, into its own list and into a list shared by all
// test pages (to see the order across pages).
class TestPage : public WPrefigBase {
 public:
  explicit TestPage(int title_id = 900);

  WAutoCheckbox box{this, 901};
  WSpinValue spin{this, 902};
  WEdit edit{this, 903, Help{905}};  // declared help
  WPushButton button{this, 904};
  std::vector<std::string> calls;
  bool refuse_to_hide = false;

  static std::vector<std::string>& SharedLog();
  bool QueryShow(bool show, bool pass_through) override;

 protected:
  void OnShow(bool show) override { Log(show ? "show" : "hide"); }
  void OnLoad(bool first_time) override { Log(first_time ? "load first" : "load"); }
  void OnSave() override { Log("save"); }
  void OnDefaults() override { Log("defaults"); }
  void OnUpdate() override { Log("update"); }

 private:
  void Log(const std::string& call);
};

// The control of a page that edits `setting`.
template <typename Control>
Control& BoundControl(const WConfigBase& page, const Setting& setting) {
  for (WControl* control : page.Controls()) {
    if (control->BoundSetting() == &setting) return static_cast<Control&>(*control);
  }
  throw std::logic_error(std::string("no control for ") + setting.key);
}

// The first control of a page of the type Control for which `wanted` holds.
template <typename Control, typename Wanted>
Control& FindControl(const WConfigBase& page, Wanted wanted) {
  for (WControl* control : page.Controls()) {
    if (auto* typed = dynamic_cast<Control*>(control); typed != nullptr && wanted(*typed)) return *typed;
  }
  throw std::logic_error("no such control");
}
template <typename Control>
Control& FindControl(const WConfigBase& page) {
  return FindControl<Control>(page, [](const Control&) { return true; });
}
// The push button (not an icon button) that shows message `text_id`.
WPushButton& ButtonWithText(const WConfigBase& page, int text_id);

// The setup dialog's table with a TestPage for every entry (title id 2000
// plus the entry's number).
std::array<PageEntry, kPageCount> TestPageTable();

}  // namespace prefig::test
