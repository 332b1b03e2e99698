// The setup dialog holds the main file in cache mode while it is open; an
// administrator's script writing the same file meanwhile loses nothing.
#include <gtest/gtest.h>

#include "controls/spin_value.h"
#include "ini/ini_file.h"
#include "pages/config_base.h"
#include "pages/editor_setup_main.h"
#include "pages/run_setup.h"
#include "platform/module_log.h"
#include "schema/general.h"
#include "support/temp_dir.h"
#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

class SetupWithOtherWriters : public ::testing::Test {
 protected:
  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  std::vector<GMachineType*> list = std::vector<GMachineType*>(256, nullptr);
  int count = 0;
  test::TempDir logs;
  std::string log = logs.File("module.log");

  // The General page open; the script's writes happen while it is, then the
  // user sets the tab width and presses OK.
  void RunGeneralPage(const std::string& tab_width, const std::function<void()>& meanwhile) {
    configuration.services.dialog_scripts.push_back([&](ModalDialog& dialog) {
      meanwhile();
      auto& setup = dynamic_cast<DEditorSetupMain&>(dialog);
      auto& spin = test::BoundControl<WSpinValue>(*setup.CurrentPage(), schema::kTabChars);
      spin.UserEdit(tab_width);
      setup.Ok();
    });
    SetLogFileName(log);
    EXPECT_EQ(RunSetupSession(1, list.data(), &count, &record, nullptr), 0);
    SetLogFileName("");
  }
  // `prefig ini set` in short: one write straight to the file.
  void ScriptSets(const char* section, const char* key, const char* value) {
    GIniFile script;
    script.Open(configuration.MainIniPath());
    EXPECT_TRUE(script.WriteRaw(section, key, value));
  }
  std::string Stored(const char* section, const char* key) {
    return test::StoredValue(configuration.MainIniPath(), section, key);
  }
};

TEST_F(SetupWithOtherWriters, TheScriptsKeysAndTheDialogsKeyAreAllInTheFile) {
  RunGeneralPage("12", [&] {
    ScriptSets("SYSTEM", "RECENTLISTSIZE", "30");  // a key of the open page, not changed there
    ScriptSets("ADMIN", "ROLLOUT", "7");
  });
  EXPECT_EQ(Stored("SYSTEM", "TABCHARS"), "12");
  EXPECT_EQ(Stored("SYSTEM", "RECENTLISTSIZE"), "30");
  EXPECT_EQ(Stored("ADMIN", "ROLLOUT"), "7");
  EXPECT_EQ(test::ReadFile(log).find("written by another program"), std::string::npos);
}

TEST_F(SetupWithOtherWriters, AKeyBothChangedTakesTheDialogsValueAndLogsTheScripts) {
  RunGeneralPage("12", [&] { ScriptSets("SYSTEM", "TABCHARS", "3"); });
  EXPECT_EQ(Stored("SYSTEM", "TABCHARS"), "12");
  EXPECT_NE(test::ReadFile(log).find("INI   : [SYSTEM] TABCHARS: '3' written by another program replaced by '12'"),
            std::string::npos)
      << test::ReadFile(log);
}

}  // namespace
}  // namespace prefig
