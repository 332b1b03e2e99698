// The NC preview of the Syntax colours, Machine and Multi-channel pages: it
// shows the page's values before OK, and leaves the type as it was.
#include <gtest/gtest.h>

#include "controls/auto_checkbox.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/header_ctrl.h"
#include "controls/nc_preview.h"
#include "pages/machine/machine_syntax.h"
#include "pages/machine/multi_channel.h"
#include "pages/machine/syntax_colors.h"
#include "pages/setup_session.h"
#include "record/machine_type.h"
#include "schema/control_syntax.h"
#include "schema/machine_general.h"
#include "schema/multi_channel.h"
#include "schema/syntax_colors.h"
#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

using namespace schema;

// The colour of byte `at` of line `line` (from 0); 0xFFFFFFFF when no span holds it.
uint32_t PreviewColourAt(const WNcPreview& preview, size_t line, size_t at) {
  for (const NcSpan& span : preview.Lines().at(line).spans) {
    if (at >= span.begin && at < span.begin + span.length) return span.colour;
  }
  return 0xFFFFFFFF;
}

class NcPreviewPages : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < record.MachineTypes().Count(); ++i) {
      SetupSession().working_types.push_back(&record.MachineTypes().At(i));
    }
    SetupSession().current_type = 0;
    // A milling type whose comments are green and words coloured.
    Type().Values().SetValue(kBasicType, 0);
    Type().Values().SetValue(kFixColor, uint32_t{0x00C000}, kNcComment);
    Type().Values().SetBool(kUse, true);
    Type().Values().SetBool(kInBlock, true);
    Type().Values().SetText(kCommentStart, "(");
    Type().Values().SetText(kCommentEnd, ")");
    Type().Colours().SetEntries({});
  }
  GMachineType& Type() { return record.MachineTypes().At(0); }
  static const WNcPreview& Preview(const WConfigBase& page) { return test::FindControl<WNcPreview>(page); }

  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  ScriptedServices& services = configuration.services;
};

// Line 2 of the milling sample: "O1001 (FLANGE - OP10)", its comment at byte 6.
TEST_F(NcPreviewPages, SyntaxColoursShowTheUnsavedTableAndUseSwitch) {
  DMchColors page;
  page.ShowPage(true);
  const WNcPreview& preview = Preview(page);
  ASSERT_EQ(preview.Lines().size(), 13u);
  EXPECT_EQ(preview.Lines()[1].text, "O1001 (FLANGE - OP10)");
  EXPECT_EQ(PreviewColourAt(preview, 1, 6), 0x00C000u);

  auto& list = test::FindControl<WHeaderCtrl>(page);
  list.UserSelect(kNcComment);
  services.color_answers.push_back(0xFF123456);  // 0xAARRGGBB
  test::FindControl<WIcoButton>(page, [](const WIcoButton& b) { return b.TooltipId() == 1281; }).Click();
  EXPECT_EQ(PreviewColourAt(preview, 1, 6), 0x563412u);
  EXPECT_EQ(Type().Values().Colour(kFixColor, kNcComment), 0x00C000u) << "nothing saved before the page is left";

  // A new entry "O" of the whole line colours the line but its comment.
  test::FindControl<WIcoButton>(page, [](const WIcoButton& b) { return b.TooltipId() == 1282; }).Click();
  test::FindControl<WEdit>(page, [](const WEdit& e) { return e.TextId() == 1280; }).UserEdit("o");
  test::FindControl<WAutoCheckbox>(page, [](const WAutoCheckbox& b) { return b.TextId() == 1277; }).Click();
  EXPECT_EQ(PreviewColourAt(preview, 1, 0), 0x000000u);
  EXPECT_EQ(PreviewColourAt(preview, 1, 2), 0x000000u) << "the number too";
  EXPECT_EQ(PreviewColourAt(preview, 1, 6), 0x563412u);
  EXPECT_NE(PreviewColourAt(preview, 2, 0), 0x000000u) << "the next line has its own colours";

  BoundControl<WAutoCheckbox>(page, kUse).Click();  // off: plain text throughout
  for (const WNcPreview::Line& line : preview.Lines()) {
    ASSERT_LE(line.spans.size(), 1u) << line.text;
  }
}

TEST_F(NcPreviewPages, MachineShowsTheCommentAndSkipCharactersAsTyped) {
  DMchMachine page;
  page.ShowPage(true);
  const WNcPreview& preview = Preview(page);
  ASSERT_EQ(preview.Lines()[6].text, "/N50 M00");
  EXPECT_EQ(PreviewColourAt(preview, 1, 6), 0x00C000u);
  EXPECT_EQ(PreviewColourAt(preview, 6, 0), 0x00C000u);

  BoundControl<WEdit>(page, kCommentStart).UserEdit("[");
  BoundControl<WEdit>(page, kBlockSkip).UserEdit(";");
  EXPECT_NE(PreviewColourAt(preview, 1, 6), 0x00C000u);
  EXPECT_NE(PreviewColourAt(preview, 6, 0), 0x00C000u);
  EXPECT_EQ(Type().Values().Text(kCommentStart), "(");

  // Empty fields read back as the type's loader reads them: "(" and "/".
  BoundControl<WEdit>(page, kCommentStart).UserEdit("");
  BoundControl<WEdit>(page, kBlockSkip).UserEdit("");
  EXPECT_EQ(PreviewColourAt(preview, 1, 6), 0x00C000u);
  EXPECT_EQ(PreviewColourAt(preview, 6, 0), 0x00C000u);

  BoundControl<WAutoCheckbox>(page, kMlcEnabled).Click();
  BoundControl<WEdit>(page, kMlcStart).UserEdit("O1001");
  BoundControl<WEdit>(page, kMlcEnd).UserEdit("N20");
  EXPECT_EQ(PreviewColourAt(preview, 2, 0), 0x00C000u) << "inside the multi-line comment";
  EXPECT_NE(PreviewColourAt(preview, 3, 5), 0x00C000u) << "after its end";
}

TEST_F(NcPreviewPages, MultiChannelMarksTheLinesTheShownMethodSynchronises) {
  WMchMultiChannel page;
  page.ShowPage(true);
  auto& enable = BoundControl<WAutoCheckbox>(page, kMultiChannelEnable);
  if (enable.IsChecked()) enable.Click();
  EXPECT_EQ(NcPreviewSummary(Preview(page)), "18 lines");
  enable.Click();
  BoundControl<WComboBox>(page, kMultiChannelMode).UserSelect(2);  // Fanuc M3xx
  EXPECT_EQ(NcPreviewSummary(Preview(page)), "18 lines; synchronised: 7, 10, 14, 16");
  EXPECT_TRUE(Preview(page).Lines()[6].sync);
  BoundControl<WComboBox>(page, kMultiChannelMode).UserSelect(5);  // Fanuc M1xx: none in the sample
  EXPECT_EQ(NcPreviewSummary(Preview(page)), "18 lines");
}

}  // namespace
}  // namespace prefig
