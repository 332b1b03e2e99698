#pragma once
#include <string_view>

#include "controls/auto_checkbox.h"
#include "controls/combo_box.h"
#include "controls/font_sample.h"
#include "controls/spin_value.h"
#include "pages/config_base.h"
#include "schema/mazak_view.h"

namespace prefig {

// Whether a language code names Japanese ("ja-JP", "ja", "jp", "jp2").
bool IsJapaneseCode(std::string_view code);

// Mazatrol view: how the host's viewer shows Mazatrol programs.
class DSetupMazakView : public WPrefigBase {
 public:
  DSetupMazakView();

 private:
  void OnLoad(bool first_time) override;
  void OnSave() override;
  void OnDefaults() override;

  WSpinValue decimals_{this, 1127, schema::kMazakDecimals};
  // The number is the entry's index, but the last entry's is 100: the
  // hooks correct what the binding loads and saves.
  WComboBox language_{this, 1068, schema::kMazakLang, std::initializer_list<int>{}};
  WAutoCheckbox show_tpc_{this, 1128, schema::kMazakShowTpc};
  WFontSample font_{this, 0, schema::kMazakViewFont, {.sample_id = 1148, .upright = true}};
};

}  // namespace prefig
