// The configuration record: the full initialisation against a program
// directory of its own, and the editing state written when it is destroyed.
#include "store/prefiguration.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "context/config_path_handler.h"
#include "context/message_file.h"
#include "entry/module_state.h"
#include "entry/scripted_services.h"
#include "store/dnc_config.h"
#include "store/schema/registry.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using namespace schema;
namespace fs = std::filesystem;

// The program directory: msg/ with the shipped message files, Templates/
// and Protocols/ with the sample protocol. Without a ConfigPaths.cfg every
// configuration directory lies below it (CFG, TYPES, ...).
class PrefigurationTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  test::ScopedEnv env;
  ScopedScriptedServices services;  // no localisation library beside this program
  std::string program = dir.File("prefig-host");

  void SetUp() override {
    Module() = ModuleState{};
    env.Set("LC_ALL", "C");
    fs::create_directory(dir.File("msg"));
    for (const char* language : {"en-US", "de-DE"}) {
      fs::copy_file(std::string(PREFIG_STAGE_DIR) + "/msg/" + MessageFileName(language),
                    dir.File("msg/" + MessageFileName(language)));
    }
    fs::copy(std::string(PREFIG_STAGE_DIR) + "/Templates", dir.File("Templates"));
    fs::create_directory(dir.File("Protocols"));
    fs::copy_file(std::string(PREFIG_STAGE_DIR) + "/Protocols/SampleProtocol.so", dir.File("Protocols/Serial.so"));
    ConfigPaths().SetProgramFile(program);
  }
  void TearDown() override {
    ConfigPaths().SetProgramFile({});
    Module() = ModuleState{};
  }

  int Start(GPrefiguration& record) {
    Module() = ModuleState{};
    record.SetProgram({program}, program);
    return record.InitDnc(kMainIniName, true);
  }
};

TEST_F(PrefigurationTest, AFirstStartBuildsEverythingAndDestroyingWritesTheEditingStateOnce) {
  GPrefiguration record;
  ASSERT_EQ(Start(record), GConfiguration::kInitDone);
  EXPECT_EQ(record.Path(), dir.File("CFG/Prefig.ini"));
  EXPECT_EQ(record.ProtocolResult(), 1);
  EXPECT_EQ(record.Protocols().Protocols()[0].name, "SERIAL");
  ASSERT_EQ(record.MachineTypes().Count(), 7);
  EXPECT_EQ(record.MachineTypes().At(0).Description(), "ISO Milling");
  EXPECT_EQ(record.MachineTypes().At(0).Path(), dir.File("TYPES/ISO Mill.MAC"));
  EXPECT_EQ(record.MachineTypes().At(0).Values().Text(kTemplate), dir.File("DATA/ToolList.txt"));
  EXPECT_EQ(record.Global().Values().Int(kTabChars), 8);
  EXPECT_EQ(record.GetString("SYSTEM", "TABCHARS"), "8");
  EXPECT_EQ(record.GetString("PROTOCOLS", "PROTOCOL000NAME"), "SERIAL");

  GDncConfig dnc;
  record.InitDncConfig(dnc);
  EXPECT_EQ(dnc.Ini().Path(), dir.File("CFG/DNCClient.ini"));
  EXPECT_EQ(dnc.Values().Int(kDncResetErrors), 60);

  record.Global().Values().SetText(kSearchHistory, "G0 X0", 0);
  record.Destroy();
  EXPECT_EQ(record.MachineTypes().Count(), 0);
  EXPECT_EQ(record.GetString("SEARCH", "SEARCH00"), "G0 X0");
  record.WriteString("SEARCH", "SEARCH00", "changed elsewhere");
  record.Destroy();
  EXPECT_EQ(record.GetString("SEARCH", "SEARCH00"), "changed elsewhere");
}

TEST_F(PrefigurationTest, WithoutMessagesNothingIsLoadedAndNothingWritten) {
  fs::remove_all(dir.File("msg"));
  {
    GPrefiguration record;
    EXPECT_EQ(Start(record), GConfiguration::kInitNoMessages);
    EXPECT_EQ(record.MachineTypes().Count(), 0);
  }
  GIniFile main;
  main.Open(dir.File("CFG/Prefig.ini"));
  EXPECT_FALSE(main.SectionExists("SEARCH"));
  EXPECT_FALSE(fs::exists(dir.File("TYPES")));
}

TEST_F(PrefigurationTest, ADescriptionInAnotherLanguageIsTranslatedThroughTheMessageFiles) {
  fs::create_directory(dir.File("TYPES"));
  test::WriteFile(dir.File("TYPES/mine.mac"),
                  "[GENERAL]\r\nTYPENAME=M\r\nDESCRIPTION=Standard\r\nLANGUAGE=de\r\nVERSION=80402\r\n");
  GPrefiguration record;
  ASSERT_EQ(Start(record), GConfiguration::kInitDone);
  ASSERT_EQ(record.MachineTypes().Count(), 1);
  EXPECT_EQ(record.MachineTypes().At(0).Description(), "Default");
  EXPECT_EQ(record.MachineTypes().At(0).Values().Text(kTypeLanguage), "en-US");
}

}  // namespace
}  // namespace prefig
