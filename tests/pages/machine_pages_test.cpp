// The pages of the current machine type: the banner, loading on every
// showing and saving when hidden, and each page's own rules, on a record
// started from the templates.
#include <gtest/gtest.h>

#include <filesystem>

#include "controls/combo_box.h"
#include "controls/edit.h"
#include "module/module_state.h"
#include "module/plugin_abi.h"
#include "pages/machine/file_compare.h"
#include "pages/machine/file_extensions.h"
#include "pages/machine/load_save.h"
#include "pages/machine/machine_general.h"
#include "pages/setup_session.h"
#include "schema/file_compare.h"
#include "schema/load_save.h"
#include "schema/machine_general.h"
#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

using namespace schema;
using test::BoundControl;
namespace fs = std::filesystem;

class MachinePages : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < record.MachineTypes().Count(); ++i) SetupSession().working_types.push_back(&Type(i));
    SetupSession().current_type = 0;
  }
  GMachineType& Type(int position) { return record.MachineTypes().At(position); }
  // The type's file says `key` = `value`, and the type has read it.
  void Reread(GMachineType& type, const char* section, const char* key, const char* value) {
    type.Ini().WriteString(section, key, value);
    type.Load(record.MachineTypeContext());
  }

  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  ScriptedServices& services = configuration.services;
};

// What a page showed of one type never reaches another: it saves when it is
// hidden, and OK finds it hidden.
TEST_F(MachinePages, EachShowingLoadsTheCurrentTypeAndHidingSavesIntoIt) {
  DMchGeneral page;
  EXPECT_EQ(page.GetTitle(true), "General machine settings");
  EXPECT_EQ(page.GetTitle(false), "General machine settings - ISO Milling");
  std::string file_before = test::StoredValue(Type(0).Path(), "GENERAL", "COLINDICATOR");
  page.ShowPage(true);
  auto& indicator = BoundControl<WSpinValue>(page, kColIndicator);
  EXPECT_EQ(indicator.Text(), "0");
  indicator.UserEdit("2000");
  page.ShowPage(false);
  EXPECT_EQ(Type(0).Values().Int(kColIndicator), 1000);
  EXPECT_TRUE(Type(0).IsChanged());
  EXPECT_EQ(test::StoredValue(Type(0).Path(), "GENERAL", "COLINDICATOR"),
            file_before);  // the type's saver writes it on OK

  Type(1).Values().SetInt(kColIndicator, 80);
  SetupSession().current_type = 1;
  page.ShowPage(true);
  EXPECT_EQ(indicator.Text(), "80");
  indicator.UserEdit("90");
  page.ShowPage(false);
  SetupSession().current_type = 2;
  page.SaveValues();  // OK while the page is hidden
  EXPECT_EQ(Type(1).Values().Int(kColIndicator), 90);
  EXPECT_FALSE(Type(2).IsChanged());
  EXPECT_EQ(Type(2).Values().Int(kColIndicator), 0);
}

TEST(FileExtensions, AreCleanedAsTheLoadSavePageStoresThem) {
  EXPECT_EQ(extensions::CleanList("ncl, .iso,, ., tap"), "NCL,ISO,TAP");
  EXPECT_EQ(extensions::CleanList(" .a*b?, c:d|e , ..x, \"f\" "), "AB,CDE,.X,F");
  EXPECT_EQ(extensions::CleanList("a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r"), "A,B,C,D,E,F,G,H,I,J,K,L,M,N,O,P");
  EXPECT_EQ(extensions::CleanDefault(" .nc "), "nc");
  EXPECT_EQ(extensions::CleanDefault("." + std::string(40, 'y')), std::string(32, 'y'));
}

TEST_F(MachinePages, TheLoadSavePageStoresCleanExtensionsAndNormalisedPaths) {
  DMchFile page;
  page.ShowPage(true);
  auto& others = BoundControl<WEdit>(page, kLoadExt);
  EXPECT_EQ(others.Text(), "NCL,ISO,TAP,NC1");  // joined without blanks
  others.UserEdit("ncl, .iso,, ., tap");
  BoundControl<WEdit>(page, kSaveExt).UserEdit(".nc");
  BoundControl<WEdit>(page, kLoadPath).UserEdit("  \"\\\\server\\\\programs//mill\\\" ");
  page.ShowPage(false);
  const SettingValues& values = Type(0).Values();
  EXPECT_EQ(values.List(kLoadExt), (std::vector<std::string>{"NCL", "ISO", "TAP"}));
  EXPECT_EQ(values.Text(kSaveExt), "nc");
  EXPECT_EQ(values.Text(kLoadPath), "//server/programs/mill");
  page.ShowPage(true);
  EXPECT_EQ(others.Text(), "NCL,ISO,TAP");
}

TEST_F(MachinePages, TheExtensionDefaultsFollowTheBasicType) {
  SetupSession().current_type = 2;  // Heidenhain
  DMchFile page;
  page.ShowPage(true);
  BoundControl<WEdit>(page, kSaveExt).UserEdit("X");
  page.ResetToDefaults();
  EXPECT_EQ(BoundControl<WEdit>(page, kSaveExt).Text(), "H");
  EXPECT_EQ(BoundControl<WEdit>(page, kLoadExt).Text(), "HH,HNC");
  page.SaveValues();
  EXPECT_EQ(Type(2).Values().List(kLoadExt), (std::vector<std::string>{"HH", "HNC"}));
}

TEST_F(MachinePages, TheUnicodeBoxesExcludeEachOtherAndYieldToThePrompt) {
  Type(0).Ini().WriteString("LOADSAVE", "UNIALWAYS", "Yes");
  Reread(Type(0), "LOADSAVE", "UNIPROMPT", "Yes");
  EXPECT_FALSE(Type(0).Values().Bool(kUniAlways));  // read as No while the prompt is on
  DMchFile page;
  page.ShowPage(true);
  auto& prompt = BoundControl<WAutoCheckbox>(page, kUniPrompt);
  auto& always = BoundControl<WAutoCheckbox>(page, kUniAlways);
  auto& never = BoundControl<WAutoCheckbox>(page, kUniNever);
  EXPECT_TRUE(prompt.IsChecked());
  EXPECT_FALSE(always.IsEnabled());
  EXPECT_FALSE(never.IsEnabled());
  prompt.Click();
  always.Click();
  never.Click();
  EXPECT_FALSE(always.IsChecked());
  always.Click();
  prompt.Click();
  EXPECT_FALSE(always.IsChecked());
  EXPECT_FALSE(always.IsEnabled());

  auto& separate = BoundControl<WAutoCheckbox>(page, kDiffLoadSave);
  auto& save_path = BoundControl<WEdit>(page, kSavePath);
  EXPECT_FALSE(save_path.IsEnabled());
  separate.Click();
  EXPECT_TRUE(save_path.IsEnabled());
}

TEST_F(MachinePages, TheFolderButtonsUseTheChooserPlugInWhenItIsThere) {
  DMchFile page;
  page.ShowPage(true);
  auto& load_path = BoundControl<WEdit>(page, kLoadPath);
  auto& browse = test::FindControl<WIcoButton>(page);
  load_path.UserEdit("\\nc\\programs\\ ");
  browse.Click();
  EXPECT_EQ(load_path.Text(), "\\nc\\programs\\ ");  // no chooser beside the program: the text stays

  std::string dll = configuration.directory() + "/Dll";
  fs::create_directories(dll);
  fs::copy_file(std::string(PREFIG_TEST_PLUGIN_BASE) + "/Dll/" + kFileDirSelectorLibrary,
                dll + "/" + kFileDirSelectorLibrary);
  browse.Click();
  EXPECT_EQ(load_path.Text(), "/nc/programs/chosen");  // normalised, then chosen
}

// Default shows every difference; a file without the key does not.
TEST_F(MachinePages, FileCompareDefaultsDifferFromTheLoadersForShowAll) {
  Type(0).Ini().DeleteKey("FILECOMPARE", "SHOWALL");
  Type(0).Load(record.MachineTypeContext());
  EXPECT_FALSE(Type(0).Values().Bool(kShowAll));
  DMchFilecompare page;
  page.ShowPage(true);
  auto& show_all = BoundControl<WAutoCheckbox>(page, kShowAll);
  EXPECT_FALSE(show_all.IsChecked());
  page.ResetToDefaults();
  EXPECT_TRUE(show_all.IsChecked());
  page.ShowPage(false);
  EXPECT_TRUE(Type(0).Values().Bool(kShowAll));
}

}  // namespace
}  // namespace prefig
