#pragma once
#include "controls/auto_checkbox.h"
#include "controls/edit.h"
#include "controls/file_name_field.h"
#include "controls/push_button.h"
#include "controls/spin_value.h"
#include "pages/machine/machine_page.h"
#include "schema/planar.h"

namespace prefig {

// CAD/CAM post: the drawing function's turning, tolerances, grid and
// decimals of the current machine type, and its post processor script.
class DMchPlanar : public WMachinePage {
 public:
  DMchPlanar();

 private:
  void OnLoad(bool first_time) override;
  void OnSave() override;
  void OnDefaults() override;
  // The reals with the decimals the page shows them with.
  void ShowReals();
  void ChoosePostProcessor();
  void OpenManual();

  WAutoCheckbox turning_{this, 2584, schema::kIsTurn};
  WAutoCheckbox diameter_{this, 2535, schema::kTurnDiameterPrg};
  WSpinValue spline_tolerance_{this, 2711, schema::kSplineSubstitutionTolerance};
  WSpinValue decimals_{this, 2697, schema::kPlanarDecimals};
  WFileNameField post_processor_{this, 2715};
  WIcoButton choose_post_processor_{this, icon::kFolder, 2716, [this] { ChoosePostProcessor(); }};
  WPushButton open_manual_{this, 13035, [this] { OpenManual(); }};
  WStatic manual_{this, 2719};
  WAutoCheckbox grid_{this, 2689, schema::kGridOn};
  WSpinValue grid_size_{this, 2696, schema::kGridSize};
  WAutoCheckbox sub_grid_{this, 2687, schema::kShowSubGrid};
  WAutoCheckbox origin_{this, 2688, schema::kAxisOn};
  WSpinValue axis_tolerance_{this, 2713, schema::kAxisSubstitutionTolerance};
  WEdit axis_name_{this, 2714, schema::kAxisSubstitutionName};
};

}  // namespace prefig
