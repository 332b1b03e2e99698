// The Backplot page on a record started from the templates: the filter that
// a type's stored pair names, the enable rules of a turning and of a
// Heidenhain filter, what reaches the type and the main INI file, and when.
#include "pages/machine/backplot.h"

#include <gtest/gtest.h>

#include "module/host_interface.h"
#include "pages/editor_setup_main.h"
#include "pages/five_axis_dialog.h"
#include "pages/run_setup.h"
#include "pages/setup_session.h"
#include "record/five_axis_files.h"
#include "record/five_axis_record.h"
#include "record/nc_filter_table.h"
#include "schema/backplot_view.h"
#include "schema/control_syntax.h"
#include "schema/machine_general.h"
#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

using namespace schema;
using test::BoundControl;

constexpr int kHeidenhainEntry = 10;  // of the default filter table
constexpr int kFanucTurningEntry = 3;

class BackplotPage : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < record.MachineTypes().Count(); ++i) SetupSession().working_types.push_back(&Type(i));
    SetupSession().current_type = 0;
  }
  GMachineType& Type(int position) { return record.MachineTypes().At(position); }
  std::vector<std::string> FilterKeys(const GMachineType& type) {
    const SettingValues& v = type.Values();
    return {v.Text(kFilterUri), v.Text(kFilterDll), v.Text(kFilterType), v.Bool(kTurnPrg) ? "turning" : "milling"};
  }

  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  ScriptedServices& services = configuration.services;
};

// A Heidenhain type read from an old file carries the upgrade's pair, which
// no entry of the table bears: looking at the page must not make it an ISO
// type, whatever the basic type and the template.
TEST_F(BackplotPage, ShowingAndOkKeepEveryTypesFilterKeys) {
  ASSERT_GE(record.MachineTypes().Count(), 4);
  for (int i = 0; i < record.MachineTypes().Count(); ++i) {
    GMachineType& type = Type(i);
    for (int basic = 0; basic < 4; ++basic) {
      type.Ini().WriteString("GENERAL", "BASICTYPE", std::to_string(basic).c_str());
      for (const char* key : {"FILTERURI", "FILTERTYPE", "FILTERDLL"}) type.Ini().DeleteKey("INSPECT", key);
      ASSERT_TRUE(type.Load(record.MachineTypeContext()));
      std::vector<std::string> before = FilterKeys(type);
      SetupSession().current_type = i;
      DMchInspect page;
      page.ShowPage(true);
      if (basic == 1) {
        EXPECT_EQ(page.Filter().Selected(), kHeidenhainEntry) << type.Description();
      }
      page.ShowPage(false);
      page.ShowPage(true);
      page.SaveValues();
      EXPECT_EQ(FilterKeys(type), before) << type.Description() << ", basic type " << basic;
    }
  }
}

TEST_F(BackplotPage, DefaultSelectsTheFilterThatTheBasicTypeMeans) {
  for (auto [basic, entry] : {std::pair{0, 2}, {1, kHeidenhainEntry}, {2, 0}, {3, 2}}) {
    Type(0).Values().SetInt(kBasicType, basic);
    DMchInspect page;
    page.ShowPage(true);
    page.ResetToDefaults();
    EXPECT_EQ(page.Filter().Selected(), entry) << basic;
    page.ShowPage(false);
    const NcFilter& chosen = record.NcFilters().Entries()[entry];
    EXPECT_EQ(Type(0).Values().Text(kFilterType), chosen.control_key);
    EXPECT_EQ(Type(0).Values().Text(kFilterUri), chosen.uri);
    // The page's own defaults, unlike the loader's.
    EXPECT_TRUE(Type(0).Values().Bool(kDiaArc));
    EXPECT_FALSE(Type(0).Values().Bool(kIgnoreTool0));
    EXPECT_FALSE(Type(0).Values().Bool(kNoRadiusComp));
  }
}

// Setup opens the 5-axis dialog on the type's machine; what OK hands back
// becomes the type's definition, and Cancel changes nothing.
TEST_F(BackplotPage, SetupEditsTheTypesFiveAxisMachine) {
  const std::string before = Type(0).Values().Text(kCfg5Axis);
  DMchInspect page;
  page.ShowPage(true);
  ASSERT_EQ(page.FiveAxisMachine().SelectedText(), "DMU-70");
  services.dialog_scripts.push_back([](ModalDialog& dialog) { dialog.Cancel(); });
  page.FiveAxisSetup().Click();
  page.ShowPage(false);
  EXPECT_EQ(Type(0).Values().Text(kCfg5Axis), before);

  page.ShowPage(true);
  services.dialog_scripts.push_back([](ModalDialog& dialog) {
    auto& five_axis = dynamic_cast<WInspect5Axis&>(dialog);
    EXPECT_EQ(five_axis.Entries()[five_axis.Selection()].name, "DMU-70");
    five_axis.L1().UserEdit("200");
    five_axis.Ok();
  });
  page.FiveAxisSetup().Click();
  EXPECT_EQ(services.dialogs_run, 2);
  page.ShowPage(false);
  std::optional<FiveAxisRecord> stored = ParseFiveAxisRecord(Type(0).Values().Text(kCfg5Axis));
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->name, "DMU-70");
  EXPECT_EQ(stored->axis1.offset[2], -200);
}

// A definition that cannot be read is kept as it is, not replaced by
// whichever machine the list would show.
TEST_F(BackplotPage, AnUnreadableFiveAxisDefinitionIsKept) {
  Type(0).Values().SetText(kCfg5Axis, "1$broken");
  DMchInspect page;
  page.ShowPage(true);
  EXPECT_EQ(page.FiveAxisMachine().Selected(), -1);
  page.ShowPage(false);
  EXPECT_EQ(Type(0).Values().Text(kCfg5Axis), "1$broken");
}

TEST_F(BackplotPage, ATurningFilterEnablesTheLatheControlsAndDisablesFiveAxis) {
  DMchInspect page;
  page.ShowPage(true);
  auto& orientation = BoundControl<WComboBox>(page, kLatheFlip);
  auto& diameter = BoundControl<WAutoCheckbox>(page, kDiaPrg);
  auto& diameter_arc = BoundControl<WAutoCheckbox>(page, kDiaArc);
  auto& five_axis = BoundControl<WAutoCheckbox>(page, kIs5Axis);
  EXPECT_FALSE(orientation.IsEnabled());
  EXPECT_TRUE(five_axis.IsEnabled());
  EXPECT_TRUE(page.ToolLibrary().IsEnabled());
  EXPECT_EQ(page.UvwMoves().Text(), "Use U/V/W relative moves");

  page.Filter().UserSelect(kFanucTurningEntry);
  EXPECT_TRUE(orientation.IsEnabled());
  EXPECT_TRUE(diameter.IsEnabled());
  EXPECT_EQ(diameter_arc.IsEnabled(), diameter.IsChecked());
  EXPECT_EQ(page.UvwMoves().Text(), "Use U/W relative moves");
  EXPECT_FALSE(five_axis.IsEnabled());
  EXPECT_FALSE(page.FiveAxisMachine().IsEnabled());
  EXPECT_FALSE(page.FiveAxisSetup().IsEnabled());
  EXPECT_FALSE(page.ToolLibrary().IsEnabled());
  EXPECT_FALSE(BoundControl<WAutoCheckbox>(page, kNoRadiusComp).IsEnabled());

  page.ShowPage(false);
  EXPECT_EQ(Type(0).Values().Text(kFilterType), "TURNFANUCA");
  EXPECT_TRUE(Type(0).Values().Bool(kTurnPrg));
  EXPECT_NE(Type(0).BackplotParameters().find("TURNFANUCA"), std::string::npos);
}

TEST_F(BackplotPage, AHeidenhainFilterDisablesWhatItsControlHasNot) {
  DMchInspect page;
  page.ShowPage(true);
  page.Filter().UserSelect(kHeidenhainEntry);
  for (const Setting* s : {&kShowCycles, &kNullArcs, &kIgnoreTool0, &kUseMili}) {
    EXPECT_FALSE(BoundControl<WAutoCheckbox>(page, *s).IsEnabled()) << s->key;
  }
  EXPECT_TRUE(BoundControl<WAutoCheckbox>(page, kIgnoreToolLoad).IsEnabled());
  page.Filter().UserSelect(0);
  EXPECT_TRUE(BoundControl<WAutoCheckbox>(page, kShowCycles).IsEnabled());
}

TEST_F(BackplotPage, MapLettersAreStoredAsACleanCommaList) {
  DMchInspect page;
  page.ShowPage(true);
  BoundControl<WEdit>(page, kMapLetters).UserEdit(" A ;, B,, C ");
  page.ShowPage(false);
  EXPECT_EQ(Type(0).Values().Text(kMapLetters), "A,B,C");
}

// The settings of the whole configuration wait for OK; the hidden solid
// animation list has nothing to store, so its key keeps its value.
TEST_F(BackplotPage, TheMainIniKeysAreWrittenOnOkOnlyAndSolidAnimationIsKept) {
  record.WriteString("INSPECT", "SOLIDANIMATIONOPTS", "7");  // as the loader read it
  record.Global().Values().SetInt(kSolidAnimationOpts, 7);
  std::string before = configuration.MainIniText();
  DMchInspect page;
  page.ShowPage(true);
  BoundControl<WComboBox>(page, kMapping).UserSelect(1);
  page.ShowPage(false);
  EXPECT_EQ(configuration.MainIniText(), before);  // Cancel would leave it so
  page.DialogAccepted();
  EXPECT_EQ(test::StoredValue(configuration.MainIniPath(), "INSPECT", "MAPPING"), "1");
  EXPECT_EQ(test::StoredValue(configuration.MainIniPath(), "INSPECT", "SOLIDANIMATIONOPTS"), "7");
}

// The whole dialog: Cancel after a change of the mapping leaves the main INI
// file as it was, OK writes it.
TEST_F(BackplotPage, TheMappingReachesTheFileOnlyThroughTheDialogsOk) {
  SetupSession() = {};
  const std::string before = configuration.MainIniText();
  std::vector<GMachineType*> list(256, nullptr);
  int count = 0;
  for (bool ok : {false, true}) {
    services.dialog_scripts.push_back([ok](ModalDialog& dialog) {
      auto& setup = dynamic_cast<DEditorSetupMain&>(dialog);
      auto* page = dynamic_cast<DMchInspect*>(setup.CurrentPage());
      ASSERT_NE(page, nullptr);
      BoundControl<WComboBox>(*page, kMapping).UserSelect(1);
      ok ? setup.Ok() : setup.Cancel();
    });
    RunSetupSession(-10, list.data(), &count, &record, nullptr);
    if (!ok) {
      EXPECT_EQ(configuration.MainIniText(), before);
    }
  }
  EXPECT_EQ(test::StoredValue(configuration.MainIniPath(), "INSPECT", "MAPPING"), "1");
}

TEST_F(BackplotPage, TheToolLibraryButtonPostsTheTypeToTheHost) {
  DMchInspect page;
  page.ShowPage(true);
  page.ToolLibrary().Click();
  ASSERT_EQ(services.host_messages.size(), 1u);
  EXPECT_EQ(services.host_messages[0].message, kMsgOpenToolLibrary);
  EXPECT_EQ(services.host_messages[0].wparam, reinterpret_cast<uintptr_t>(&Type(0)));
  EXPECT_TRUE(record.Host().tool_library_requested);
  EXPECT_TRUE(Type(0).ToolLibraryRequested());
}

}  // namespace
}  // namespace prefig
