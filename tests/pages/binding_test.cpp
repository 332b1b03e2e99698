// Bound controls of every kind on a record started from its files: family
// members, colours with their opacity, fonts and sliders load, save (in the
// page's table order) and take their defaults; a binding that cannot fit is
// left alone.
#include "pages/binding.h"

#include <gtest/gtest.h>

#include "controls/auto_checkbox.h"
#include "controls/color_indicator.h"
#include "controls/edit.h"
#include "controls/font_sample.h"
#include "controls/slider.h"
#include "pages/config_base.h"
#include "schema/backplot_colors.h"
#include "schema/editor.h"
#include "schema/external_commands.h"
#include "schema/general.h"
#include "schema/printer.h"
#include "support/ini_keys.h"
#include "support/test_configuration.h"

namespace prefig {
namespace {

using namespace schema;

// The external commands table, declared out of its order, and controls of
// the other kinds bound to settings of no table of the page.
class BindingPage : public WPrefigBase {
 public:
  BindingPage() : WPrefigBase(900, kExternalCommandsPage) {}

  WEdit second_output{this, 901, Member(kExtOutput, 1)};
  WEdit second_title{this, 902, Member(kExtTitle, 1)};
  WAutoCheckbox first_wait{this, 903, Member(kExtWaitOutput, 0)};
  WEdit first_title{this, 904, kExtTitle};
  WColorIndicator rapid{this, 905, kColToolpathRapid};
  WFontSample editor_font{this, 906, kEditorFont};
  WSlider paper_width{this, 907, kPaperWidth};
  WAutoCheckbox not_a_yes_no{this, 908, kTabChars};
  WEdit no_such_member{this, 909, Member(kExtTitle, kExternalCommands)};
};

class Bindings : public ::testing::Test {
 protected:
  Bindings() {
    values.SetText(kExtTitle, "First", 0);
    values.SetText(kExtTitle, "Second", 1);
    values.SetValue(kColToolpathRapid, uint32_t{0x80336699});
    values.SetInt(kPaperWidth, 100);
  }
  std::string Stored(const char* section, const std::string& key) {
    return test::StoredValue(configuration.MainIniPath(), section, key.c_str());
  }

  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  SettingValues& values = record.Global().Values();
  ScriptedServices& services = configuration.services;
  BindingPage page;
};

TEST_F(Bindings, FamilyMembersLoadSaveAndDefaultEachOnTheirOwn) {
  page.ShowPage(true);
  EXPECT_EQ(page.first_title.Text(), "First");
  EXPECT_EQ(page.second_title.Text(), "Second");
  page.second_title.UserEdit("Renamed");
  page.SaveValues();
  EXPECT_EQ(Stored("EXTCMD", "TITLE01"), "Renamed");
  EXPECT_EQ(Stored("EXTCMD", "TITLE00"), "First");
  page.second_output.UserEdit("elsewhere");
  page.ResetToDefaults();
  EXPECT_EQ(page.second_output.Text(), "$PATH/$FILENOEXT.OUT");
  EXPECT_EQ(page.second_title.Text(), "");
}

// The opacity is the stored colour's top byte; the chooser leaves it.
TEST_F(Bindings, ColoursFontsAndSlidersLoadSaveAndTakeTheirPageDefaults) {
  page.ShowPage(true);
  EXPECT_EQ(page.rapid.Color(), (Rgba{0x99, 0x66, 0x33, 0x80}));
  EXPECT_EQ(page.editor_font.Font(), values.Font(kEditorFont));
  EXPECT_EQ(page.paper_width.Position(), 100);
  services.color_answers = {0xFF123456};
  page.rapid.Choose();
  services.font_answers = {"Liberation Sans,-13,400,1"};
  page.editor_font.Choose();
  page.paper_width.UserMove(120);
  page.SaveValues();
  EXPECT_EQ(Stored("INSPECTCOLOR", "COL024"), std::to_string(0x80563412u));
  EXPECT_EQ(Stored("EDITOR", "FONTFACENAME"), "Liberation Sans");
  EXPECT_EQ(Stored("EDITOR", "FONTHEIGHT"), "-13");
  EXPECT_EQ(Stored("EDITOR", "FONTITALIC"), "1");
  EXPECT_EQ(Stored("EDITOR", "FONTPITCHFAMILY"), "49");
  EXPECT_EQ(Stored("PRINTERSETUP", "PAPERWIDTH"), "120");

  page.ResetToDefaults();
  page.SaveValues();
  EXPECT_EQ(Stored("INSPECTCOLOR", "COL024"), "3221287152");  // 0xC000F0F0
  EXPECT_EQ(Stored("EDITOR", "FONTFACENAME"), "Courier New");
  EXPECT_EQ(Stored("EDITOR", "FONTWEIGHT"), "700");
  EXPECT_EQ(Stored("PRINTERSETUP", "PAPERWIDTH"), "78");
}

TEST_F(Bindings, DefaultThenCancelWritesNothing) {
  page.ShowPage(true);
  std::string before = configuration.MainIniText();
  services.color_answers = {0xFF000000};
  page.rapid.Choose();
  page.ResetToDefaults();
  EXPECT_EQ(configuration.MainIniText(), before);
  EXPECT_EQ(values.Colour(kColToolpathRapid), 0x80336699u);
}

// The table saves member by member; the controls are declared otherwise.
TEST_F(Bindings, ATableSavedByMemberIsWrittenMemberByMember) {
  page.ShowPage(true);
  record.DeleteSection("EXTCMD");
  page.SaveValues();
  EXPECT_EQ(test::KeysOfSection(configuration.MainIniText(), "EXTCMD"),
            (std::vector<std::string>{"TITLE00", "WAITOUTPUT00", "TITLE01", "OUTPUT01"}));
}

TEST_F(Bindings, ABindingThatCannotFitIsLeftAlone) {
  EXPECT_FALSE(CanBind(page.not_a_yes_no));
  EXPECT_FALSE(CanBind(page.no_such_member));
  page.ShowPage(true);
  page.not_a_yes_no.Click();
  page.no_such_member.UserEdit("lost");
  page.ResetToDefaults();
  page.SaveValues();
  EXPECT_EQ(Stored("SYSTEM", "TABCHARS"), "8");
  EXPECT_EQ(Stored("EXTCMD", "TITLE02"), "(missing)");
}

}  // namespace
}  // namespace prefig
