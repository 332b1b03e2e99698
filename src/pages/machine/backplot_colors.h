#pragma once
#include <memory>
#include <vector>

#include "controls/auto_checkbox.h"
#include "controls/color_indicator.h"
#include "controls/header_ctrl.h"
#include "controls/push_button.h"
#include "controls/slider.h"
#include "pages/config_base.h"
#include "schema/backplot_colors.h"

namespace prefig {

// Backplot colours: the colours of the backplot and the solid verification
// views, for the whole configuration. Every entry of the colour table is a
// colour bound to its setting; the listed ones are edited through the list,
// the sliders and the chooser, and the others that follow them (the
// background's other corners, the sides of the bounding box, ...) are
// derived from them whenever they change.
class DInspectColors : public WPrefigBase {
 public:
  DInspectColors();

  WHeaderCtrl& List() { return list_; }
  WColorIndicator& Preview() { return preview_; }
  WSlider& Red() { return red_; }
  WSlider& Green() { return green_; }
  WSlider& Blue() { return blue_; }
  WSlider& Opacity() { return opacity_; }
  WSlider& Lightness() { return lightness_; }
  WPushButton& SelectButton() { return select_; }
  WPushButton& DefaultButton() { return default_; }
  WAutoCheckbox& NoGradient() { return no_gradient_; }
  // The colour of a table entry as the page holds it.
  Rgba Colour(const Setting& setting) const;

 private:
  void OnLoad(bool first_time) override;
  void OnDefaults() override;
  void OnEdited(WControl& control) override;

  // The colour of the table entry that the selected row lists.
  WColorIndicator* Selected();
  // The entry's colour on the swatch, the preview and the sliders.
  void ShowEntry();
  void SetSelectedColour(Rgba colour);
  void Derive();
  void FillSwatches();
  void Choose();
  void DefaultEntry();

  WHeaderCtrl list_{this, 0};
  WColorIndicator preview_{this};
  WSlider red_{this, 2415, 0, 255, {.page_step = 32, .tick_interval = 32}};
  WSlider green_{this, 2413, 0, 255, {.page_step = 32, .tick_interval = 32}};
  WSlider blue_{this, 2414, 0, 255, {.page_step = 32, .tick_interval = 32}};
  WSlider opacity_{this, 2412, 0, 255, {.page_step = 32, .tick_interval = 32}};
  WSlider lightness_{this, 2416, 0, 255, {.page_step = 32, .tick_interval = 32}};
  WPushButton select_{this, 2411, [this] { Choose(); }};
  WPushButton default_{this, 328, [this] { DefaultEntry(); }};
  WAutoCheckbox no_gradient_{this, 2417, schema::kNoGradient};
  // One per table entry, in table order; none is laid out.
  std::vector<std::unique_ptr<WColorIndicator>> colours_;
  std::vector<int> listed_;  // the table index of each row
};

}  // namespace prefig
