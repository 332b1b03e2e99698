// The tool scan page: the words checked once when a field is left, each
// refusal reported once per text, the example line and the enable rules.
#include "pages/machine/tool_scan.h"

#include <gtest/gtest.h>

#include "controls/combo_box.h"
#include "pages/page_text.h"
#include "pages/setup_session.h"
#include "schema/control_syntax.h"
#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

using namespace schema;

class ToolScan : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < record.MachineTypes().Count(); ++i) {
      SetupSession().working_types.push_back(&record.MachineTypes().At(i));
    }
    SetupSession().current_type = 0;
  }
  GMachineType& Type() { return record.MachineTypes().At(0); }
  template <typename Control>
  Control& Named(const char* name) {
    std::string error;
    WControl* control = page_text::Find(page_text::Describe(page), name, &error);
    if (control == nullptr) throw std::logic_error(error);
    return static_cast<Control&>(*control);
  }
  WEdit& Trigger() { return Named<WEdit>("#2649"); }
  WEdit& TypeWord() { return Named<WEdit>("type word"); }
  WEdit& DimensionWord() { return Named<WEdit>("dimension word"); }
  // Typing into a field and leaving it.
  void Enter(WEdit& field, const char* text) {
    field.UserEdit(text);
    field.UserLeave();
  }
  std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (const auto& box : services.message_boxes) texts.push_back(box.text);
    return texts;
  }

  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  ScriptedServices& services = configuration.services;
  DMchInspectToolscan page;
};

TEST_F(ToolScan, TheExampleShowsTheWordsAndTheTypesUnit) {
  page.ShowPage(true);
  EXPECT_EQ(page.Example(), "( TOOL T2 \"END MILL FLAT\" UM D10 FL=20.5 SL=30 BL40 AD=10 A10 CR4 )");
  page.ShowPage(false);
  Type().Values().SetInt(kPathUnits, 4);
  Type().Values().SetText(kCommentEnd, "");
  page.ShowPage(true);
  Named<WComboBox>("#2650").UserSelect(4);
  EXPECT_EQ(page.Example(), "( TOOL T2 \"DRILL\" UI D1/2 FL=20.5 SL=30 BL40 AD=1/2 A10 CR4");
}

// A refused keyword is reported once for its text, and while it stands no
// other word is taken over either.
TEST_F(ToolScan, ARefusedWordIsReportedOncePerTextAndNothingIsTakenOver) {
  page.ShowPage(true);
  Enter(Trigger(), "TOOL 1");
  Enter(TypeWord(), "FLAT MILL");
  Trigger().UserLeave();
  Enter(DimensionWord(), "FLUTE");
  EXPECT_EQ(Messages(), std::vector<std::string>{"The tool line trigger may contain letters only."});
  EXPECT_EQ(services.message_boxes[0].caption_id, kErrorCaptionId);
  EXPECT_EQ(services.message_boxes[0].icon, MessageIcon::kStop);

  Enter(Trigger(), "TOOL 2");  // a new text is reported again
  EXPECT_EQ(Messages().size(), 2u);
  Enter(TypeWord(), "FLAT \"MILL\"");
  EXPECT_EQ(Messages().back(), "A tool type word must not contain a double quote.");
  page.ShowPage(false);
  EXPECT_EQ(Type().Values().Text(kToolLineTrigger), "TOOL");
  EXPECT_EQ(Type().Values().Text(kToolTypeEndMillFlat), "END MILL FLAT");
  EXPECT_EQ(Type().Values().Text(kDimensionFluteLength), "FL");
}

TEST_F(ToolScan, AcceptedWordsAreSavedAndAnEmptyDimensionWordIsAccepted) {
  page.ShowPage(true);
  Named<WComboBox>("#2651").UserSelect(8);  // the inch unit
  Enter(DimensionWord(), "");
  Enter(Trigger(), "WZ");
  Enter(TypeWord(), "FLACH");
  Enter(DimensionWord(), "Z1");
  EXPECT_EQ(Messages(), std::vector<std::string>{"A tool dimension keyword may contain letters only."});
  Enter(DimensionWord(), "");
  EXPECT_EQ(page.Example(), "( WZ T2 \"FLACH\" UM D10 FL=20.5 SL=30 BL40 AD=10 A10 CR4 )");
  page.ShowPage(false);
  EXPECT_EQ(Type().Values().Text(kToolLineTrigger), "WZ");
  EXPECT_EQ(Type().Values().Text(kToolTypeEndMillFlat), "FLACH");
  EXPECT_EQ(Type().Values().Text(kDimensionImperial), "");
  EXPECT_TRUE(Type().IsChanged());
}

TEST_F(ToolScan, TheCustomPlacementIsEnabledOnlyForTheThirdPlacement) {
  page.ShowPage(true);
  auto& write = test::BoundControl<WAutoCheckbox>(page, kAutoWriteTools);
  auto& placement = test::BoundControl<WComboBox>(page, kAutoWriteToolPlacement);
  auto& expression = test::BoundControl<WEdit>(page, kAutoWriteToolRegex);
  EXPECT_FALSE(placement.IsEnabled());
  write.Click();
  EXPECT_TRUE(placement.IsEnabled());
  EXPECT_FALSE(expression.IsEnabled());
  placement.UserSelect(2);
  EXPECT_TRUE(expression.IsEnabled());
  test::BoundControl<WAutoCheckbox>(page, kAutoToolScan).Click();
  EXPECT_FALSE(Trigger().IsEnabled());
  EXPECT_FALSE(TypeWord().IsEnabled());

  page.ResetToDefaults();
  EXPECT_FALSE(expression.IsEnabled());
  EXPECT_TRUE(Trigger().IsEnabled());
}

}  // namespace
}  // namespace prefig
