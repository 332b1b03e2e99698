// The General page on a record started from its files, driven as a user
// would, with what reaches the main INI file checked.
#include "pages/global/general.h"

#include <gtest/gtest.h>

#include "module/module_state.h"
#include "pages/setup_session.h"
#include "schema/general.h"
#include "schema/load_save.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"
#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

using namespace schema;
using test::BoundControl;

class GeneralPage : public ::testing::Test {
 protected:
  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  DGlobal page;

  std::string Stored(const char* section, const char* key) {
    return test::StoredValue(configuration.MainIniPath(), section, key);
  }
  WComboBox& Languages() {
    return test::FindControl<WComboBox>(page, [](const WComboBox& c) { return c.BoundSetting() == nullptr; });
  }
};

TEST_F(GeneralPage, ShowsTheRecordsValues) {
  record.Global().Values().SetBool(kConfirmExit, true);
  record.Global().Values().SetInt(kTabChars, 4);
  record.Global().Values().SetInt(kShowSize, 2);
  page.ShowPage(true);
  EXPECT_TRUE(BoundControl<WAutoCheckbox>(page, kConfirmExit).IsChecked());
  EXPECT_EQ(BoundControl<WSpinValue>(page, kTabChars).Text(), "4");
  auto& size_unit = BoundControl<WComboBox>(page, kShowSize);
  EXPECT_EQ(size_unit.Selected(), 2);
  EXPECT_EQ(size_unit.Label()->Text(), "Show file size in:");
  EXPECT_EQ(Languages().SelectedText(), "English (United States)");
}

TEST_F(GeneralPage, TheRecentListShowsTheNextSizeUp) {
  auto& recent = BoundControl<WComboBox>(page, kRecentListSize);
  for (auto [stored, shown] : {std::pair{25, "28"}, {24, "24"}, {0, "4"}, {100, "32"}}) {
    record.Global().Values().SetInt(kRecentListSize, stored);
    page.LoadValues();
    EXPECT_EQ(recent.SelectedText(), shown) << stored;
  }
}

TEST_F(GeneralPage, TheWindowSizeIsAFractionShownInPerCent) {
  record.Global().Values().SetDouble(kDefaultWinSize, 0.29);
  page.ShowPage(true);
  auto& size = BoundControl<WSpinValue>(page, kDefaultWinSize);
  EXPECT_EQ(size.Text(), "29");
  page.SaveValues();
  EXPECT_EQ(Stored("INSPECT", "DEFAULTWINSIZE"), "0.290000");
  size.UserEdit("95");  // clamped when saved
  page.SaveValues();
  EXPECT_EQ(Stored("INSPECT", "DEFAULTWINSIZE"), "0.900000");
}

TEST_F(GeneralPage, DefaultsThenOkWriteThePagesDefaults) {
  record.Global().Values().SetInt(kTabChars, 3);
  record.Global().Values().SetInt(kRecentListSize, 32);
  record.Global().Values().SetInt(kShutdownTimeout, 5);
  record.Global().Values().SetDouble(kDefaultWinSize, 0.5);
  page.ShowPage(true);
  page.ResetToDefaults();
  EXPECT_EQ(record.Global().Values().Int(kTabChars), 3);  // Default touches the controls only
  page.SaveValues();
  EXPECT_EQ(Stored("SYSTEM", "RECENTLISTSIZE"), "16");
  EXPECT_EQ(Stored("SYSTEM", "TABCHARS"), "8");
  EXPECT_EQ(Stored("SYSTEM", "SHUTDOWNTIMEOUT"), "240");
  EXPECT_EQ(Stored("INSPECT", "DEFAULTWINSIZE"), "0.660000");
  EXPECT_EQ(record.Global().Values().Int(kTabChars), 8);
}

TEST_F(GeneralPage, TheMinutesFollowTheExitBoxWithTheirLabel) {
  page.ShowPage(true);
  auto& minutes = BoundControl<WSpinValue>(page, kShutdownTimeout);
  auto& exit = BoundControl<WAutoCheckbox>(page, kShutdownTimeoutEnabled);
  EXPECT_FALSE(minutes.IsEnabled());
  exit.Click();
  EXPECT_TRUE(minutes.IsEnabled());
  EXPECT_TRUE(minutes.Label()->IsEnabled());
  EXPECT_EQ(minutes.StepSize(), 5);
  minutes.UserStep(+1);
  EXPECT_EQ(minutes.Text(), "245");
}

TEST_F(GeneralPage, ANewLanguageNeedsARestartButAnOldSpellingDoesNot) {
  page.ShowPage(true);
  record.WriteString("GLOBAL", "LANGUAGE", "us");  // the legacy code of en-US
  page.SaveValues();
  EXPECT_FALSE(Module().restart_notice);
  EXPECT_EQ(Stored("GLOBAL", "LANGUAGE"), "en-US");
  record.WriteString("GLOBAL", "LANGUAGE", "de");
  page.SaveValues();
  EXPECT_TRUE(Module().restart_notice);
  EXPECT_EQ(Stored("GLOBAL", "LANGUAGE"), "en-US");

  Module().restart_notice = false;
  Languages().UserSelect(0);  // Deutsch
  ASSERT_EQ(Languages().SelectedText(), "Deutsch");
  page.SaveValues();
  EXPECT_TRUE(Module().restart_notice);
  EXPECT_EQ(Stored("GLOBAL", "LANGUAGE"), "de-DE");
  EXPECT_EQ(record.Language(), "en-US");  // the running language stays
}

// Each type registers its default extension and its other ones where it
// marks them; an extension registers once.
TEST_F(GeneralPage, AssociateRegistersTheMarkedExtensionsOfTheMachineTypes) {
  GMachineList& types = record.MachineTypes();
  ASSERT_GE(types.Count(), 2);
  for (int i = 0; i < types.Count(); ++i) {
    types.At(i).Values().SetBool(kRegDefaultExt, false);
    types.At(i).Values().SetBool(kRegOtherExt, false);
    SetupSession().working_types.push_back(&types.At(i));
  }
  types.At(0).Values().SetBool(kRegDefaultExt, true);
  types.At(0).Values().SetText(kSaveExt, "tap");
  types.At(0).Values().SetList(kLoadExt, {"nope"});
  types.At(1).Values().SetBool(kRegOtherExt, true);
  types.At(1).Values().SetList(kLoadExt, {"TAP", "mpf"});
  page.ShowPage(true);
  for (WControl* control : page.Controls()) {
    if (control->Kind() == ControlKind::kPushButton) static_cast<WPushButton*>(control)->Click();
  }
  EXPECT_EQ(Stored("EXTENSIONS", "CURRENT"), "tap,mpf");
}

// A desktop whose association files cannot be written: the user is told,
// and the list of what was attempted is kept for the next Associate.
TEST_F(GeneralPage, AssociateThatCannotWriteTheDesktopsFilesSaysSo) {
  test::ScopedEnv env;
  std::string blocked = configuration.directory() + "/not-a-folder";
  test::WriteFile(blocked, "");
  env.Set("XDG_DATA_HOME", blocked);
  env.Set("XDG_CONFIG_HOME", blocked);
  GMachineList& types = record.MachineTypes();
  for (int i = 0; i < types.Count(); ++i) SetupSession().working_types.push_back(&types.At(i));
  types.At(0).Values().SetBool(kRegDefaultExt, true);
  types.At(0).Values().SetText(kSaveExt, "tap");
  page.ShowPage(true);
  for (WControl* control : page.Controls()) {
    if (control->Kind() == ControlKind::kPushButton) static_cast<WPushButton*>(control)->Click();
  }
  ASSERT_EQ(configuration.services.message_boxes.size(), 1u);
  EXPECT_EQ(configuration.services.message_boxes[0].text,
            "Not every file extension could be associated with the editor: the desktop's association files could not "
            "all be written.");
  EXPECT_EQ(configuration.services.message_boxes[0].caption_id, kErrorCaptionId);
  EXPECT_NE(Stored("EXTENSIONS", "CURRENT").find("tap"), std::string::npos);
}

}  // namespace
}  // namespace prefig
