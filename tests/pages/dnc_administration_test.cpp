// The DNC administration and port list pages on a DNC configuration object
// read from its file, driven as a user would.
#include "pages/global/dnc_administration.h"

#include <gtest/gtest.h>

#include "module/module_state.h"
#include "record/dnc_config.h"
#include "support/temp_dir.h"
#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

using namespace schema;
using test::BoundControl;

class DncPages : public ::testing::Test {
 protected:
  void Open(const std::string& text) {
    path = dir.File(kDncConfigFileName);
    test::WriteFile(path, text);
    dnc.Load(path, record.SettingsContext());
    Module().dnc_config = &dnc;
  }
  void TearDown() override { Module().dnc_config = nullptr; }
  std::string Stored(const char* section, const char* key) { return test::StoredValue(path, section, key); }

  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  test::TempDir dir;
  std::string path;
  GDncConfig dnc;
};

TEST_F(DncPages, AnUnknownThemeIsRepairedToDarkAndLightIsWrittenAs0) {
  Open("[GLOBAL]\nDNCLOGTHEME=5\n");
  EXPECT_EQ(Stored("GLOBAL", "DNCLOGTHEME"), "1");
  DDNCAdm page;
  page.ShowPage(true);
  auto& theme = BoundControl<WComboBox>(page, kDncLogTheme);
  EXPECT_EQ(theme.SelectedText(), "Dark");
  page.SaveValues();
  EXPECT_FALSE(Module().restart_notice);
  theme.UserSelect(1);
  page.ResetToDefaults();  // the theme is left as it is
  EXPECT_EQ(theme.SelectedText(), "Light");
  page.SaveValues();
  EXPECT_EQ(Stored("GLOBAL", "DNCLOGTHEME"), "0");
  EXPECT_TRUE(Module().restart_notice);
}

TEST_F(DncPages, TheServerChoiceAsksForARestartAndTheLinksDoNot) {
  Open("[CLIENT]\nLOCALSERVERONLY=No\n");
  DDNCAdm page;
  page.ShowPage(true);
  BoundControl<WAutoCheckbox>(page, kDncShowLinks).Click();
  page.SaveValues();
  EXPECT_FALSE(Module().restart_notice);
  BoundControl<WAutoCheckbox>(page, kDncLocalServerOnly).Click();
  BoundControl<WEdit>(page, kDncFixedServer).UserEdit("feedline.example");
  BoundControl<WAutoCheckbox>(page, kDncWarnOverwrite).Click();
  page.SaveValues();
  EXPECT_TRUE(Module().restart_notice);
  EXPECT_EQ(Stored("CLIENT", "LOCALSERVERONLY"), "Yes");
  EXPECT_EQ(Stored("CLIENT", "SHOWLINKS"), "No");
  EXPECT_EQ(Stored("GLOBAL", "FIXEDSERVER"), "feedline.example");
  EXPECT_EQ(Stored("USERCONFIG", "WARNOVERWRITE"), "Yes");
}

TEST_F(DncPages, QuiverPortsFollowTheLoginsAndKeepTheirValue) {
  Open("[CLIENT]\nUSEQUIVERLOGINS=No\nQUIVERPORTSONLY=Yes\nSHOWFEEDSPEED=Yes\n");
  DDNCAdm page;
  page.ShowPage(true);
  auto& ports_only = BoundControl<WAutoCheckbox>(page, kDncQuiverPortsOnly);
  EXPECT_FALSE(ports_only.IsEnabled());
  EXPECT_TRUE(ports_only.IsChecked());
  EXPECT_FALSE(BoundControl<WAutoCheckbox>(page, kDncShowFeedSpeed).IsEnabled());
  EXPECT_FALSE(BoundControl<WAutoCheckbox>(page, kDncShowMessenger).IsVisible());
  BoundControl<WAutoCheckbox>(page, kDncUseQuiverLogins).Click();
  EXPECT_TRUE(ports_only.IsEnabled());
  page.SaveValues();
  EXPECT_EQ(Stored("CLIENT", "QUIVERPORTSONLY"), "Yes");
  EXPECT_EQ(Stored("CLIENT", "SHOWFEEDSPEED"), "Yes");
}

TEST_F(DncPages, ThePortListsDefaultsAndItsRules) {
  Open("[PORTLIST]\nSHOWCOLORS=No\nSHOWCOL05=Yes\nRESETERRORS=7\n");
  DDNCAdmPortlist page;
  page.ShowPage(true);
  EXPECT_FALSE(BoundControl<WAutoCheckbox>(page, kDncShowProgressBackground).IsEnabled());
  std::string before = test::ReadFile(path);
  page.ResetToDefaults();
  EXPECT_EQ(test::ReadFile(path), before);
  EXPECT_TRUE(BoundControl<WAutoCheckbox>(page, kDncShowProgressBackground).IsEnabled());
  page.SaveValues();
  EXPECT_EQ(Stored("PORTLIST", "SHOWCOLORS"), "Yes");
  EXPECT_EQ(Stored("PORTLIST", "SHOWCOL03"), "Yes");
  EXPECT_EQ(Stored("PORTLIST", "SHOWCOL05"), "No");
  EXPECT_EQ(Stored("PORTLIST", "RESETERRORS"), "60");
}

// Without the host's object the pages hold and write nothing.
TEST_F(DncPages, WithoutAnObjectNothingIsWritten) {
  Module().dnc_config = nullptr;
  DDNCAdm page;
  page.ShowPage(true);
  page.SaveValues();
  EXPECT_FALSE(Module().restart_notice);
}

}  // namespace
}  // namespace prefig
