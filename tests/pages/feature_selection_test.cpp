// The Feature selection page driven as a user would, with what reaches
// section SYSTEM and the restart notice checked.
#include "pages/global/feature_selection.h"

#include <gtest/gtest.h>

#include "context/config_path_handler.h"
#include "module/module_state.h"
#include "pages/config_paths_dialog.h"
#include "support/temp_dir.h"
#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

using namespace schema;
using test::BoundControl;

class FeatureSelectionPage : public ::testing::Test {
 protected:
  test::TestConfiguration configuration;

  std::string Stored(const char* key) { return test::StoredValue(configuration.MainIniPath(), "SYSTEM", key); }
};

// The prompt that checks the password compares upper case; stored files
// keep the hexadecimal form.
TEST_F(FeatureSelectionPage, ThePasswordIsStoredTrimmedInUpperCaseAsHexadecimal) {
  GPrefiguration& record = configuration.Start();
  DPlugingSelect page;
  page.ShowPage(true);
  auto& password = BoundControl<WEdit>(page, kPassword);
  EXPECT_TRUE(password.IsPassword());
  password.UserEdit(" abc ");
  page.SaveValues();
  EXPECT_EQ(Stored("PASSWORD"), "414243");
  EXPECT_EQ(record.Global().Values().Text(kPassword), "ABC");
  EXPECT_FALSE(Module().restart_notice);
  page.LoadValues();
  page.ResetToDefaults();  // the password stays
  EXPECT_EQ(password.Text(), "ABC");
  password.UserEdit("");
  page.SaveValues();
  EXPECT_EQ(Stored("PASSWORD"), "");
}

TEST_F(FeatureSelectionPage, WithoutTheBackplotSolidIsOffAndCannotBeSwitched) {
  configuration.Start("[SYSTEM]\nDISABLEBACKPLOT=No\nDISABLESOLID=No\n");
  {
    DPlugingSelect page;
    page.ShowPage(true);
    auto& solid = BoundControl<WAutoCheckbox>(page, kDisableSolid);
    EXPECT_TRUE(solid.IsEnabled());
    BoundControl<WAutoCheckbox>(page, kDisableBackplot).Click();
    EXPECT_FALSE(solid.IsEnabled());
    page.SaveValues();
    EXPECT_TRUE(Module().restart_notice);
  }
  EXPECT_EQ(Stored("DISABLESOLID"), "No");
  Module().restart_notice = false;
  DPlugingSelect again;
  again.ShowPage(true);
  EXPECT_TRUE(BoundControl<WAutoCheckbox>(again, kDisableSolid).IsChecked());
  again.SaveValues();  // solid counted as off already: no change
  EXPECT_FALSE(Module().restart_notice);
  EXPECT_EQ(Stored("DISABLESOLID"), "Yes");
}

TEST_F(FeatureSelectionPage, FileCompareFollowsQuiverAndTheOptimizerIsHiddenButKept) {
  configuration.Start("[SYSTEM]\nDISABLEGTANG=Yes\nDISABLEQUIVER=No\n");
  DPlugingSelect page;
  page.ShowPage(true);
  auto& optimizer = BoundControl<WAutoCheckbox>(page, kDisableGTang);
  EXPECT_FALSE(optimizer.IsVisible());
  EXPECT_FALSE(BoundControl<WAutoCheckbox>(page, kDisableFileComp).IsEnabled());
  BoundControl<WAutoCheckbox>(page, kDisableQuiver).Click();
  EXPECT_TRUE(BoundControl<WAutoCheckbox>(page, kDisableFileComp).IsEnabled());
  page.ResetToDefaults();
  page.SaveValues();
  EXPECT_EQ(Stored("DISABLEGTANG"), "No");
  EXPECT_TRUE(Module().restart_notice);
}

TEST_F(FeatureSelectionPage, SavingUnchangedSwitchesAsksForNoRestart) {
  configuration.Start("[SYSTEM]\nDISABLEDNC=Yes\n");
  DPlugingSelect page;
  page.ShowPage(true);
  page.SaveValues();
  EXPECT_FALSE(Module().restart_notice);
  BoundControl<WAutoCheckbox>(page, kDisableMazakView).Click();
  BoundControl<WAutoCheckbox>(page, kDisableMazakView).Click();
  page.SaveValues();
  EXPECT_FALSE(Module().restart_notice);
}

TEST_F(FeatureSelectionPage, TheButtonOpensThePathsDialogAndCancelChangesNothing) {
  configuration.Start();
  DPlugingSelect page;
  page.ShowPage(true);
  bool opened = false;
  configuration.services.dialog_scripts.push_back([&opened](ModalDialog& dialog) {
    auto& paths = dynamic_cast<DConfigPaths&>(dialog);
    opened = true;
    paths.Cancel();
  });
  test::ButtonWithText(page, 1610).Click();
  EXPECT_TRUE(opened);
  EXPECT_FALSE(Module().restart_notice);
}

// New paths take effect at the next start.
TEST_F(FeatureSelectionPage, PathsInstalledFromTheDialogAskForARestart) {
  configuration.Start();
  test::TempDir program;
  ConfigPaths().SetProgramFile(program.File("editor"));
  DPlugingSelect page;
  page.ShowPage(true);
  configuration.services.dialog_scripts.push_back([&program](ModalDialog& dialog) {
    auto& paths = dynamic_cast<DConfigPaths&>(dialog);
    paths.CopyFiles().Click();  // nothing to copy from
    paths.Keys().UserSelect(2);
    paths.Path().UserEdit(program.File("data"));
    paths.Ok();
  });
  test::ButtonWithText(page, 1610).Click();
  ConfigPaths().SetProgramFile("");
  EXPECT_TRUE(Module().restart_notice);
  EXPECT_NE(test::ReadFile(program.File("ConfigPaths.cfg")).find("DATA = " + program.File("data")), std::string::npos);
}

}  // namespace
}  // namespace prefig
