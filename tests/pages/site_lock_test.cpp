// The site's defaults and locks on the pages: a default that never reaches
// the user's file, and a locked control that shows the site's value, takes
// no edit, no Default and writes nothing on OK.
#include <gtest/gtest.h>

#include <filesystem>

#include "context/config_path_handler.h"
#include "controls/auto_checkbox.h"
#include "controls/combo_box.h"
#include "controls/spin_value.h"
#include "ini/ini_file.h"
#include "pages/global/general.h"
#include "pages/machine/backplot.h"
#include "pages/page_text.h"
#include "pages/setup_session.h"
#include "schema/backplot.h"
#include "schema/general.h"
#include "support/temp_dir.h"
#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

using test::BoundControl;
using test::ReadFile;
using test::WriteFile;
namespace fs = std::filesystem;

// A configuration made once without a site, then started again with the
// site folder that ConfigPaths.cfg names, as an administrator rolls it out.
class SiteLockPages : public ::testing::Test {
 protected:
  void SetUp() override {
    configuration.Start();
    configuration.Stop();
    std::string dir = configuration.directory();
    std::string site = dir + "/site";
    fs::create_directory(site);
    WriteFile(site + "/Prefig.ini", "[SYSTEM]\r\nTABCHARS = 4\r\nWARNINGBEEP = No\r\nLOCKED = WARNINGBEEP\r\n");
    WriteFile(site + "/ISO Mill.MAC", "[INSPECT]\r\nLOCKED = FILTERTYPE\r\nFILTERTYPE = MILLFANUC\r\n");
    WriteFile(dir + "/ConfigPaths.cfg", "SITE = " + site + "\r\n");
    ConfigPaths().Reload();
    // The user's file has no TABCHARS, and its own beep setting.
    std::string text = configuration.MainIniText();
    size_t line = text.find("TABCHARS");
    ASSERT_NE(line, std::string::npos);
    text.erase(line, text.find('\n', line) + 1 - line);
    WriteFile(configuration.MainIniPath(), text);
    {
      GIniFile mill;
      mill.Open(dir + "/TYPES/ISO Mill.MAC");
      mill.WriteString("INSPECT", "FILTERTYPE", "HEIDENHAIN");
    }
    configuration.Start();
    for (int i = 0; i < record().MachineTypes().Count(); ++i) {
      SetupSession().working_types.push_back(&record().MachineTypes().At(i));
    }
    SetupSession().current_type = 0;
  }
  GPrefiguration& record() { return configuration.record(); }

  test::TestConfiguration configuration;
};

TEST_F(SiteLockPages, SiteDefaultIsReadAndOkLeavesTheUserFileWithoutIt) {
  std::string before = configuration.MainIniText();
  ASSERT_EQ(before.find("TABCHARS"), std::string::npos);
  EXPECT_EQ(record().Global().Values().Int(schema::kTabChars), 4);
  DGlobal page;
  page.ShowPage(true);
  auto& tab = BoundControl<WSpinValue>(page, schema::kTabChars);
  EXPECT_EQ(tab.Text(), "4");
  EXPECT_TRUE(tab.IsEnabled());
  page.SaveValues();
  EXPECT_EQ(configuration.MainIniText().find("TABCHARS"), std::string::npos);
  // Default gives what the user has without a value of their own: the site's.
  tab.UserEdit("6");
  page.ResetToDefaults();
  EXPECT_EQ(tab.Text(), "4");
  page.SaveValues();
  EXPECT_EQ(configuration.MainIniText().find("TABCHARS"), std::string::npos);
  // A value of the user's own is the user's.
  tab.UserEdit("6");
  page.SaveValues();
  EXPECT_EQ(test::StoredValue(configuration.MainIniPath(), "SYSTEM", "TABCHARS"), "6");
}

// The modified mark and "Reset to default" follow what Default gives: the
// site's value is not a change, and a locked control has nothing to reset.
TEST_F(SiteLockPages, ModifiedAndResetMeasureAgainstTheSiteValue) {
  DGlobal page;
  page.ShowPage(true);
  auto& tab = BoundControl<WSpinValue>(page, schema::kTabChars);
  EXPECT_FALSE(page.IsModified(tab));
  tab.UserEdit("8");  // the program's own default is a change here
  EXPECT_TRUE(page.IsModified(tab));
  EXPECT_TRUE(page.ResetControl(tab));
  EXPECT_EQ(tab.Text(), "4");
  EXPECT_FALSE(page.IsModified(tab));

  auto& beep = BoundControl<WAutoCheckbox>(page, schema::kWarningBeep);
  EXPECT_FALSE(page.IsModified(beep));
  EXPECT_FALSE(page.ResetControl(beep));
  EXPECT_FALSE(beep.IsChecked());
}

TEST_F(SiteLockPages, LockedCheckBoxShowsTheSiteValueAndRefusesEditDefaultAndSave) {
  ASSERT_EQ(test::StoredValue(configuration.MainIniPath(), "SYSTEM", "WARNINGBEEP"), "Yes");
  DGlobal page;
  page.ShowPage(true);
  auto& beep = BoundControl<WAutoCheckbox>(page, schema::kWarningBeep);
  EXPECT_FALSE(beep.IsChecked());
  EXPECT_TRUE(beep.IsLocked());
  EXPECT_FALSE(beep.IsEnabled());
  beep.Enable(true);  // an enable rule cannot free it
  EXPECT_FALSE(beep.IsEnabled());
  EXPECT_EQ(beep.Lock()->site_file, configuration.directory() + "/site/Prefig.ini");

  auto lines = page_text::Describe(page);
  auto line = std::find_if(lines.begin(), lines.end(), [](auto& l) { return l.name == "SYSTEM/WARNINGBEEP"; });
  ASSERT_NE(line, lines.end());
  EXPECT_EQ(line->state, "locked");
  std::string error;
  EXPECT_FALSE(page_text::Edit(beep, "on", &error));
  EXPECT_EQ(error,
            "is locked: SYSTEM/WARNINGBEEP is set by the site file " + configuration.directory() + "/site/Prefig.ini");
  EXPECT_FALSE(page_text::Click(beep, &error));

  std::string before = configuration.MainIniText();
  page.ResetToDefaults();
  EXPECT_FALSE(beep.IsChecked());
  page.SaveValues();
  EXPECT_EQ(configuration.MainIniText(), before);
}

TEST_F(SiteLockPages, LockedFilterOfAMachineTypeKeepsItsValueThroughDefaultAndOk) {
  GMachineType& type = record().MachineTypes().At(0);
  ASSERT_EQ(type.Path().substr(type.Path().rfind('/') + 1), "ISO Mill.MAC");
  // The user's own file says otherwise; the site wins.
  EXPECT_EQ(type.Values().Text(schema::kFilterType), "MILLFANUC");
  DMchInspect page;
  page.ShowPage(true);
  EXPECT_TRUE(page.Filter().IsLocked());
  EXPECT_EQ(page.Filter().Lock()->key, "INSPECT/FILTERTYPE");
  int shown = page.Filter().Selected();
  page.ResetToDefaults();
  EXPECT_EQ(page.Filter().Selected(), shown);
  page.ShowPage(false);
  type.SetChanged();
  EXPECT_TRUE(type.Save());
  EXPECT_EQ(test::StoredValue(type.Path(), "INSPECT", "FILTERTYPE"), "HEIDENHAIN");
  // Another type has no site file: its filter is its own.
  SetupSession().current_type = 1;
  page.ShowPage(true);
  EXPECT_FALSE(page.Filter().IsLocked());
}

}  // namespace
}  // namespace prefig
