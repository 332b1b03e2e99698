// Finding settings across the whole setup dialog, the modified state of a
// control and its reset, on a record started from its files.
#include "pages/setting_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/spin_value.h"
#include "pages/config_base.h"
#include "pages/editor_setup_main.h"
#include "schema/general.h"
#include "schema/printer.h"
#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

using namespace schema;
using setting_search::Field;
using setting_search::Find;
using setting_search::Fold;
using setting_search::Match;

TEST(SettingSearchFold, DropsCaseAndAccentsAndKeepsTheRest) {
  EXPECT_EQ(Fold("Größe ÉCRAN Œuvre Ĳssel naïve"), "grosse ecran oeuvre ijssel naive");
  EXPECT_EQ(Fold("SYSTEM/TABCHARS"), "system/tabchars");
  EXPECT_EQ(Fold("e\xCC\x81t\xC3\xA9"), "ete");  // a decomposed and a composed é
  EXPECT_EQ(Fold("1 \xC3\x97 2 \xE2\x82\xAC \xFF"), "1 \xC3\x97 2 \xE2\x82\xAC \xFF");  // signs, the euro, a stray byte
  EXPECT_EQ(Fold(""), "");
}

class SettingSearch : public ::testing::Test {
 protected:
  test::TestConfiguration configuration;

  // The dialog as the host opens it, at a start page.
  std::unique_ptr<DEditorSetupMain> Open(GPrefiguration& record, int start_page) {
    auto dialog = std::make_unique<DEditorSetupMain>(FeatureSwitchesOf(record), false);
    dialog->Open(start_page);
    return dialog;
  }
  static std::optional<Match> Named(const std::vector<Match>& matches, const std::string& name) {
    auto it = std::find_if(matches.begin(), matches.end(), [&](const Match& m) { return m.name == name; });
    if (it == matches.end()) return std::nullopt;
    return *it;
  }
  // The matches of the General page (the machine types' templates differ
  // from the page defaults in places, on purpose).
  static std::vector<Match> OfGeneral(std::vector<Match> matches) {
    std::erase_if(matches, [](const Match& m) { return m.entry != 0; });
    return matches;
  }
  static WConfigBase& PageOf(DEditorSetupMain& dialog, PageId id) { return *dialog.Page(id); }
};

TEST_F(SettingSearch, FindsByTextKeyAndValueOnPagesNeverOpenedAndLoadsNone) {
  GPrefiguration& record = configuration.Start();
  record.Global().Values().SetText(kHeadRight, "Page %p of %P");
  auto dialog = Open(record, 2);  // the Editor: General and Printer are never shown

  std::vector<Match> tab = Find(*dialog, {"TAB"});
  std::optional<Match> width = Named(tab, "SYSTEM/TABCHARS");
  ASSERT_NE(width, std::nullopt);
  EXPECT_EQ(width->field, Field::kText);
  EXPECT_EQ(width->text, "Tab width:");
  EXPECT_EQ(dialog->Tree()[width->entry].id, PageId::kGeneral);
  EXPECT_TRUE(Named(tab, "EDITOR/TABSTOSPACE"));

  for (const char* key : {"tabchars", "System/TabChars"}) {
    std::vector<Match> by_key = Find(*dialog, {key});
    ASSERT_EQ(by_key.size(), 1u) << key;
    EXPECT_EQ(by_key[0].field, Field::kKey);
    EXPECT_EQ(by_key[0].text, "SYSTEM/TABCHARS");
  }
  // Values as the controls would show them: the record's text, the window
  // size (0.66) in per cent.
  std::optional<Match> head = Named(Find(*dialog, {"of %p"}), "PRINTERSETUP/HEADRIGHT");
  ASSERT_TRUE(head);
  EXPECT_EQ(head->field, Field::kValue);
  EXPECT_EQ(head->text, "Page %p of %P");
  std::optional<Match> size = Named(Find(*dialog, {"66"}), "INSPECT/DEFAULTWINSIZE");
  ASSERT_TRUE(size);
  EXPECT_EQ(size->text, "66");

  EXPECT_FALSE(PageOf(*dialog, PageId::kGeneral).IsLoaded());
  EXPECT_FALSE(PageOf(*dialog, PageId::kPrinter).IsLoaded());
  EXPECT_TRUE(Find(*dialog, {"no setting says this"}).empty());
  EXPECT_TRUE(Find(*dialog, {""}).empty());
}

TEST_F(SettingSearch, SearchesInTheDialogsLanguageWithoutAccents) {
  GPrefiguration& record = configuration.Start("[GLOBAL]\r\nLANGUAGE=de-DE\r\n");
  auto dialog = Open(record, 1);
  std::optional<Match> changes = Named(Find(*dialog, {"externe anderungen"}), "SYSTEM/CHECKMODIFIED");
  ASSERT_TRUE(changes);
  EXPECT_EQ(changes->text, "Externe Änderungen prüfen");
  EXPECT_TRUE(Named(Find(*dialog, {"TABULATORBREITE"}), "SYSTEM/TABCHARS"));
  EXPECT_FALSE(Named(Find(*dialog, {"tab width"}), "SYSTEM/TABCHARS"));
}

// A control differs from the page's default as the user sees it; Reset sets
// it back in the control only, and OK stores what it shows.
TEST_F(SettingSearch, ModifiedControlsAndResettingOneOfThem) {
  GPrefiguration& record = configuration.Start();
  record.Global().Values().SetInt(kTabChars, 4);
  record.Global().Values().SetDouble(kDefaultWinSize, 0.664);  // shown as 66, the default's per cent
  auto dialog = Open(record, 2);
  WConfigBase& general = PageOf(*dialog, PageId::kGeneral);
  auto& tab_width = test::BoundControl<WSpinValue>(general, kTabChars);

  std::vector<Match> modified = OfGeneral(Find(*dialog, {{}, true}));  // General is not loaded yet
  ASSERT_EQ(modified.size(), 1u);
  EXPECT_EQ(modified[0].name, "SYSTEM/TABCHARS");
  EXPECT_EQ(modified[0].field, Field::kValue);
  EXPECT_EQ(modified[0].text, "4");
  EXPECT_EQ(OfGeneral(Find(*dialog, {"tab", true})).size(), 1u);
  EXPECT_TRUE(general.IsModified(tab_width));

  dialog->Select(0);
  EXPECT_TRUE(general.IsModified(tab_width));
  EXPECT_FALSE(general.IsModified(test::BoundControl<WSpinValue>(general, kDefaultWinSize)));
  tab_width.UserEdit("8");
  EXPECT_FALSE(general.IsModified(tab_width));
  tab_width.UserEdit("6");
  EXPECT_TRUE(general.IsModified(tab_width));

  EXPECT_TRUE(general.ResetControl(tab_width));
  EXPECT_EQ(tab_width.Text(), "8");
  EXPECT_FALSE(general.IsModified(tab_width));
  EXPECT_EQ(record.Global().Values().Int(kTabChars), 4);  // the record waits for OK
  EXPECT_TRUE(OfGeneral(Find(*dialog, {{}, true})).empty());
  EXPECT_TRUE(general.ResetControl(tab_width));  // nothing left to reset
  EXPECT_FALSE(general.ResetControl(test::FindControl<WComboBox>(
      general, [](const WComboBox& c) { return c.BoundSetting() == nullptr; })));  // the language: no default

  dialog->Ok();
  EXPECT_EQ(test::StoredValue(configuration.MainIniPath(), "SYSTEM", "TABCHARS"), "8");
}

TEST_F(SettingSearch, ResetThenCancelLeavesTheFileAsItWas) {
  GPrefiguration& record = configuration.Start();
  record.Global().Values().SetInt(kTabChars, 4);
  record.Global().Values().Save(record, kTabChars);
  const std::string before = configuration.MainIniText();
  auto dialog = Open(record, 1);
  WConfigBase& general = *dialog->CurrentPage();
  ASSERT_TRUE(general.ResetControl(test::BoundControl<WSpinValue>(general, kTabChars)));
  dialog->Cancel();
  EXPECT_EQ(configuration.MainIniText(), before);
  EXPECT_EQ(record.Global().Values().Int(kTabChars), 4);
}

}  // namespace
}  // namespace prefig
