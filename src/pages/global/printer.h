#pragma once
#include <optional>

#include "controls/auto_checkbox.h"
#include "controls/edit.h"
#include "controls/font_sample.h"
#include "controls/spin_value.h"
#include "pages/config_base.h"
#include "schema/printer.h"

namespace prefig {

// A margin as typed ("0.5 in", "3,25"): its number and whether it is in
// inches. Empty when the text holds no number within the setting's range.
struct TypedMargin {
  double value = 0;
  bool inches = false;
};
std::optional<TypedMargin> ParseMargin(std::string_view text, const Setting& range);

// The Printer page: how the host prints programs, raw or drawn, with headers,
// footers, margins and the two printing fonts.
class DPrinter : public WPrefigBase {
 public:
  DPrinter();

 private:
  void OnLoad(bool first_time) override;
  void OnSave() override;
  void OnDefaults() override;
  bool Raw() const { return raw_.IsChecked(); }
  bool Endless() const { return raw_.IsChecked() && endless_.IsChecked(); }

  WAutoCheckbox raw_{this, 1190, schema::kRaw};
  WAutoCheckbox use_colors_{this, 1192, schema::kUseColors};
  WAutoCheckbox syntax_highlight_{this, 1194, schema::kUseSyntaxColors};
  WAutoCheckbox print_headers_{this, 1196, schema::kPrintHeader};
  WAutoCheckbox header_first_page_{this, 1197, schema::kPrintHeaderFirst};
  WAutoCheckbox print_footers_{this, 1198, schema::kPrintFooter};
  WAutoCheckbox form_feed_{this, 1215, schema::kSendFormFeed};
  WAutoCheckbox form_feed_last_{this, 1216, schema::kFormFeedLast};
  WAutoCheckbox endless_{this, 1213, schema::kEndlessPaper};
  WSpinValue paper_width_{this, 1214, schema::kPaperWidth};
  WSpinValue paper_height_{this, 1212, schema::kPaperHeight};
  WEdit head_left_{this, 1200, schema::kHeadLeft};
  WEdit head_center_{this, 1204, schema::kHeadCenter};
  WEdit head_right_{this, 1199, schema::kHeadRight};
  WEdit foot_left_{this, 1206, schema::kFootLeft};
  WEdit foot_center_{this, 1207, schema::kFootCenter};
  WEdit foot_right_{this, 1205, schema::kFootRight};
  WFontSample single_font_{this, 1208, schema::kPrintFont, {.sample_text = "G0 X100.0"}};
  WFontSample multi_font_{this, 1209, schema::kPrintMultiColumnFont, {.sample_text = "G1 Y100.0"}};
  // A number with an optional unit: the hooks load and save them.
  WEdit left_margin_{this, 1210};
  WEdit right_margin_{this, 1211};
};

}  // namespace prefig
