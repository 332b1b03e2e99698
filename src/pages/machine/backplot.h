#pragma once
#include <optional>
#include <string>
#include <vector>

#include "controls/auto_checkbox.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/push_button.h"
#include "pages/machine/machine_page.h"
#include "record/five_axis_record.h"
#include "schema/backplot.h"
#include "schema/backplot_view.h"

namespace prefig {

// Backplot: how the backplot and the solid verification read and draw the
// current machine type's programs (the NC filter, lathe and arc options,
// 5-axis plotting with its machine, letter mapping), and two settings of
// the whole configuration, which reach the main INI file only on OK.
class DMchInspect : public WMachinePage {
 public:
  DMchInspect();

  void DialogAccepted() override;

  WComboBox& Filter() { return filter_; }
  WComboBox& FiveAxisMachine() { return machines_; }
  WIcoButton& FiveAxisSetup() { return setup_; }
  WPushButton& ToolLibrary() { return tool_library_; }
  WAutoCheckbox& UvwMoves() { return uvw_; }

 private:
  void OnLoad(bool first_time) override;
  void OnSave() override;
  void OnDefaults() override;
  void OnUpdate() override;

  bool TurningFilter() const;
  bool HeidenhainFilter() const;
  void FillFiveAxisMachines(const std::string& definition);
  void SetupFiveAxis();
  void OpenToolLibrary();

  WComboBox filter_{this, 2574};
  WPushButton tool_library_{this, 2591, [this] { OpenToolLibrary(); }};
  WAutoCheckbox only_decimals_{this, 2546, schema::kOnlyUseDecimals};
  WAutoCheckbox diameter_{this, 2535, schema::kDiaPrg};
  WAutoCheckbox diameter_arc_{this, 2537, schema::kDiaArc};
  WAutoCheckbox zero_arcs_{this, 2525, schema::kNullArcs};
  WAutoCheckbox cycles_{this, 2538, schema::kShowCycles};
  WAutoCheckbox ignore_m6_{this, 2589, schema::kIgnoreToolLoad};
  WAutoCheckbox ignore_tool0_{this, 2592, schema::kIgnoreTool0};
  WAutoCheckbox ignore_block_skip_{this, 2590, schema::kIgnoreBlockSkip};
  // ARCTPYE belongs to the syntax page's table; both pages edit it.
  WComboBox arc_type_{this, 1417, {2578, 2579, 2580, 2581, 2582}};
  WAutoCheckbox five_axis_{this, 2543, schema::kIs5Axis};
  WAutoCheckbox thousandths_{this, 2593, schema::kUseMili};
  WAutoCheckbox no_radius_comp_{this, 2596, schema::kNoRadiusComp};
  WAutoCheckbox shortest_angle_{this, 2595, schema::kUseShortAngle};
  WAutoCheckbox uvw_{this, 2539, schema::kUseUvw};
  WComboBox orientation_{this, 2536, schema::kLatheFlip, {2638, 2639, 2640, 2641, 2642, 2643, 2644, 2645, 2646}};
  WComboBox machines_{this, 2544};
  WIcoButton setup_{this, "setup", 2545, [this] { SetupFiveAxis(); }};
  WComboBox mapping_{this, 2571, schema::kMapping, {2560, 2561}};
  WEdit map_letters_{this, 2540, schema::kMapLetters};
  WComboBox print_quality_{this, 2551, schema::kPrintQuality, {2554, 2555, 2556}};
  WComboBox solid_animation_{this, 0};

  int loaded_filter_ = -1;  // the entry shown for the type's stored filter
  std::vector<FiveAxisRecord> five_axis_entries_;
  // The definition that OK stores unless another machine is chosen: the
  // type's, or what the 5-axis dialog handed back; and its record.
  std::string five_axis_text_;
  std::optional<FiveAxisRecord> stored_five_axis_;
};

}  // namespace prefig
