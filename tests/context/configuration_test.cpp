#include "context/configuration.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "context/config_path_handler.h"
#include "context/message_ids.h"
#include "module/module_state.h"
#include "pages/scripted_services.h"
#include "platform/module_log.h"
#include "schema/general.h"
#include "support/scoped_env.h"
#include "support/test_configuration.h"

namespace prefig {
namespace {

// The keys the record passes in: the schema's.
const GConfiguration::LanguageKeys kKeys{schema::kLanguage.section, schema::kLanguage.key,
                                         schema::kLastLanguage.section, schema::kLastLanguage.key};

// A program directory of its own: the program file, msg/ with the shipped
// English and German message files, and the main INI file in Cfg/ (the
// fixed place used without the path table).
class ConfigurationTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  test::ScopedEnv env;
  ScopedScriptedServices services;  // the localisation library is not beside this program
  std::string program = dir.File("prefig-host");
  std::string ini = dir.File("Cfg/editor.ini");
  std::string log = dir.File("prefig.log");

  void SetUp() override {
    Module() = ModuleState{};
    env.Set("LC_ALL", "C");
    std::filesystem::create_directory(dir.File("Cfg"));
    test::CopyShippedMessages(dir.path());
    SetLogFileName(log);
  }
  void TearDown() override {
    SetLogFileName({});
    Module() = ModuleState{};
  }

  // One start of the program with these arguments; a new start begins
  // with no message table, as a new process would.
  int Start(GConfiguration& record, std::vector<std::string> arguments, std::string* out = nullptr) {
    Module() = ModuleState{};
    arguments.insert(arguments.begin(), program);
    record.SetProgram(arguments, program);
    return record.Init("editor", out, false);
  }
  std::string Stored(const char* key) { return test::StoredValue(ini, "GLOBAL", key); }
};

TEST_F(ConfigurationTest, LangOptionWinsOverTheStoredLanguageAndIsWritten) {
  test::WriteFile(ini, "[GLOBAL]\r\nLANGUAGE=en-US\r\n");
  GConfiguration record{kKeys};
  std::string arguments;
  ASSERT_EQ(Start(record, {"-x", "/LANG=de-DE", "file.nc"}, &arguments), GConfiguration::kInitDone);
  EXPECT_EQ(arguments, "-x /LANG=de-DE file.nc");
  EXPECT_EQ(record.Language(), "de-DE");
  EXPECT_EQ(record.Path(), ini);
  EXPECT_STREQ(MessageText(kLanguageCodeMessageId), "de-DE");
  EXPECT_STREQ(MessageText(1002), "Allgemein");
  EXPECT_EQ(Stored("LANGUAGE"), "de-DE");
  // The translations are looked for too; this program has no library.
  ASSERT_EQ(services.message_boxes.size(), 1u);
  EXPECT_EQ(services.message_boxes[0].text.rfind("Could not find a valid Localization.so", 0), 0u);
}

TEST_F(ConfigurationTest, StoredLegacyOrLocaleLanguageIsNormalised) {
  test::WriteFile(ini, "[GLOBAL]\r\nLANGUAGE=de\r\n");
  GConfiguration record{kKeys};
  ASSERT_EQ(Start(record, {}), GConfiguration::kInitDone);
  EXPECT_EQ(record.Language(), "de-DE");

  // Without a stored language the locale decides.
  std::filesystem::remove(ini);
  env.Set("LC_ALL", "de_AT.UTF-8");
  GConfiguration second{kKeys};
  ASSERT_EQ(Start(second, {}), GConfiguration::kInitDone);
  EXPECT_EQ(second.Language(), "de-DE");
  EXPECT_FALSE(second.UsesInches());
}

TEST_F(ConfigurationTest, LanguageWithoutMessagesFallsBackToEnglishAndWritesIt) {
  GConfiguration record{kKeys};
  ASSERT_EQ(Start(record, {"/lang=fi-FI"}), GConfiguration::kInitDone);
  EXPECT_EQ(record.Language(), "en-US");
  EXPECT_EQ(Stored("LANGUAGE"), "en-US");
  // A code that is no file name never leaves the message folder.
  GConfiguration escaping{kKeys};
  ASSERT_EQ(Start(escaping, {"/lang=../de-DE"}), GConfiguration::kInitDone);
  EXPECT_EQ(escaping.Language(), "en-US");
}

TEST_F(ConfigurationTest, LanguageChangeIsReportedOnceOnly) {
  GConfiguration first{kKeys}, second{kKeys}, third{kKeys};
  ASSERT_EQ(Start(first, {"/lang=de-DE"}), GConfiguration::kInitDone);
  EXPECT_TRUE(first.LanguageChanged());
  EXPECT_EQ(Stored("LASTLANGUAGE"), "de-DE");
  ASSERT_EQ(Start(second, {"/lang=DE-de"}), GConfiguration::kInitDone);
  EXPECT_FALSE(second.LanguageChanged());
  ASSERT_EQ(Start(third, {"/lang=en-US"}), GConfiguration::kInitDone);
  EXPECT_TRUE(third.LanguageChanged());
}

TEST_F(ConfigurationTest, MissingOrDamagedMessagesStopTheStartWithALogLine) {
  std::filesystem::remove(dir.File("msg/msg_en-US.bin"));
  test::WriteFile(dir.File("msg/msg_de-DE.bin"), "damaged");
  GConfiguration record{kKeys};
  EXPECT_EQ(Start(record, {"/lang=de-DE"}), GConfiguration::kInitNoMessages);
  EXPECT_FALSE(record.IsInitialized());
  std::string lines = test::ReadFile(log);
  EXPECT_NE(lines.find("INIT  : Error loading msg file: " + dir.File("msg/msg_de-DE.bin")), std::string::npos);
  EXPECT_NE(lines.find("INIT  : Default language not found"), std::string::npos);
}

TEST_F(ConfigurationTest, WithThePathTableTheMainFileLiesInTheConfigurationDirectory) {
  test::WriteFile(dir.File("ConfigPaths.cfg"), "CFG = %EXEDIR%/settings/here\n");
  ConfigPaths().SetProgramFile(program);
  GConfiguration record{kKeys};
  record.SetProgram({program}, program);
  const int result = record.Init("editor", nullptr, true);
  ConfigPaths().SetProgramFile({});
  ASSERT_EQ(result, GConfiguration::kInitDone);
  EXPECT_EQ(record.Path(), dir.File("settings/here/editor.ini"));
  EXPECT_TRUE(std::filesystem::exists(dir.File("settings/here/editor.ini")));
}

}  // namespace
}  // namespace prefig
