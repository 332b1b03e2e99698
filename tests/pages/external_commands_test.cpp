// The External commands page driven as a user would, with what reaches
// section EXTCMD and what the record holds checked.
#include "pages/global/external_commands.h"

#include <gtest/gtest.h>

#include "module/module_state.h"
#include "record/prefiguration.h"
#include "support/temp_dir.h"
#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

using namespace schema;

class ExternalCommandsPage : public ::testing::Test {
 protected:
  test::TestConfiguration configuration;
  ScriptedServices& services = configuration.services;

  std::string Stored(const std::string& key) {
    return test::StoredValue(configuration.MainIniPath(), "EXTCMD", key.c_str());
  }
  template <typename Control>
  Control& Field(DExternalCmd& page, const Setting& s, int command) {
    return test::FindControl<Control>(
        page, [&s, command](const Control& c) { return c.BoundSetting() == &s && c.BoundMember() == command; });
  }
};

// The file keeps the parameters as typed; the record holds them as the host runs them.
TEST_F(ExternalCommandsPage, TheRecordHoldsTheParametersNormalised) {
  GPrefiguration& record = configuration.Start(
      "[EXTCMD]\nTITLE00=View\nEXE00=/usr/bin/viewer\nPARAM00=$PATH/$FILE   -x\n"
      "PARAM01=-o \"$PATH/out file.txt\"\n");
  EXPECT_EQ(record.Global().Values().Text(kExtParam, 0), "\"$PATH/$FILE\" -x");
  EXPECT_EQ(record.Global().Values().Text(kExtParam, 1), "-o \"$PATH/out file.txt\"");
  EXPECT_EQ(Stored("PARAM00"), "$PATH/$FILE   -x");
  DExternalCmd page;
  page.ShowPage(true);
  Field<WEdit>(page, kExtParam, 0).UserEdit("$OUTFILE  -y");
  page.SaveValues();
  EXPECT_EQ(Stored("PARAM00"), "$OUTFILE  -y");
  EXPECT_EQ(record.Global().Values().Text(kExtParam, 0), "\"$OUTFILE\" -y");
}

TEST_F(ExternalCommandsPage, ANewCommandOrTitleAsksForARestartAndParametersDoNot) {
  configuration.Start("[EXTCMD]\nTITLE00=View\nEXE00=/usr/bin/viewer\n");
  DExternalCmd page;
  page.ShowPage(true);
  Field<WEdit>(page, kExtParam, 0).UserEdit("-z");
  Field<WEdit>(page, kExtTitle, 1).UserEdit("Check");  // no program yet: still no command
  Field<WEdit>(page, kExtTitle, 1).UserEdit("");
  page.SaveValues();
  EXPECT_FALSE(Module().restart_notice);
  Field<WEdit>(page, kExtTitle, 1).UserEdit("Check");
  Field<WEdit>(page, kExtExe, 1).UserEdit("/usr/bin/checker");
  page.SaveValues();
  EXPECT_TRUE(Module().restart_notice);
  EXPECT_EQ(Stored("TITLE01"), "Check");
  Module().restart_notice = false;
  page.SaveValues();  // saved again unchanged
  EXPECT_FALSE(Module().restart_notice);
  Field<WEdit>(page, kExtTitle, 0).UserEdit(" Show ");
  page.SaveValues();
  EXPECT_TRUE(Module().restart_notice);
  EXPECT_EQ(Stored("TITLE00"), "Show");
}

TEST_F(ExternalCommandsPage, WithoutATitleTheGroupIsDisabled) {
  configuration.Start("[EXTCMD]\nTITLE00=View\nWAITOUTPUT00=No\n");
  DExternalCmd page;
  page.ShowPage(true);
  EXPECT_TRUE(Field<WEdit>(page, kExtExe, 0).IsEnabled());
  EXPECT_FALSE(Field<WEdit>(page, kExtOutput, 0).IsEnabled());
  Field<WAutoCheckbox>(page, kExtWaitOutput, 0).Click();
  EXPECT_TRUE(Field<WEdit>(page, kExtOutput, 0).IsEnabled());
  Field<WEdit>(page, kExtTitle, 0).UserEdit("  ");
  for (const Setting* s : {&kExtExe, &kExtParam, &kExtWaitOutput, &kExtOutput}) {
    EXPECT_FALSE(Field<WControl>(page, *s, 0).IsEnabled()) << s->key;
  }
  EXPECT_FALSE(Field<WEdit>(page, kExtExe, 1).IsEnabled());
}

TEST_F(ExternalCommandsPage, TheChosenProgramFillsTheField) {
  configuration.Start("[EXTCMD]\nTITLE00=View\n");
  test::TempDir dir;
  std::string program = dir.path() + "/viewer";
  test::WriteFile(program, "#!/bin/sh\n");
  DExternalCmd page;
  page.ShowPage(true);
  auto& browse = test::FindControl<WIcoButton>(page);
  services.file_answers = {std::nullopt, dir.path() + "/missing", program};
  browse.Click();
  browse.Click();
  EXPECT_EQ(Field<WEdit>(page, kExtExe, 0).Text(), "");
  browse.Click();
  EXPECT_EQ(Field<WEdit>(page, kExtExe, 0).Text(), program);
}

TEST_F(ExternalCommandsPage, DefaultsGiveEmptyCommandsWithTheDefaultTexts) {
  configuration.Start("[EXTCMD]\nTITLE00=View\nEXE00=/usr/bin/viewer\nWAITOUTPUT00=No\nOUTPUT00=x\n");
  DExternalCmd page;
  page.ShowPage(true);
  std::string before = configuration.MainIniText();
  page.ResetToDefaults();
  EXPECT_EQ(configuration.MainIniText(), before);
  page.SaveValues();
  EXPECT_EQ(Stored("TITLE00"), "");
  EXPECT_EQ(Stored("EXE00"), "");
  EXPECT_EQ(Stored("WAITOUTPUT00"), "Yes");
  EXPECT_EQ(Stored("OUTPUT00"), "$PATH/$FILENOEXT.OUT");
  EXPECT_EQ(Stored("PARAM00"), "\"$PATH/$FILE\" \"$OUTFILE\"");
}

}  // namespace
}  // namespace prefig
