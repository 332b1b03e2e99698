// The configuration record: the full initialisation against a program
// directory of its own, and the editing state written when it is destroyed.
#include "record/prefiguration.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "record/dnc_config.h"
#include "schema/registry.h"
#include "support/test_configuration.h"

namespace prefig {
namespace {

using namespace schema;
namespace fs = std::filesystem;

// A program directory of its own, with the sample protocol in Protocols/.
class PrefigurationTest : public ::testing::Test {
 protected:
  test::TestConfiguration configuration;
  std::string File(const std::string& name) const { return configuration.directory() + "/" + name; }

  PrefigurationTest() {
    fs::create_directory(File("Protocols"));
    fs::copy_file(std::string(PREFIG_STAGE_DIR) + "/Protocols/SampleProtocol.so", File("Protocols/Serial.so"));
  }
};

TEST_F(PrefigurationTest, AFirstStartBuildsEverythingAndDestroyingWritesTheEditingStateOnce) {
  GPrefiguration& record = configuration.Start();
  ASSERT_EQ(configuration.init_result, GConfiguration::kInitDone);
  EXPECT_EQ(record.Path(), File("CFG/Prefig.ini"));
  EXPECT_EQ(record.ProtocolResult(), 1);
  ASSERT_EQ(record.MachineTypes().Count(), 7);
  EXPECT_EQ(record.MachineTypes().At(0).Path(), File("TYPES/ISO Mill.MAC"));
  EXPECT_EQ(record.MachineTypes().At(0).Values().Text(kTemplate), File("DATA/ToolList.txt"));
  EXPECT_EQ(record.GetString("SYSTEM", "TABCHARS"), "8");

  GDncConfig dnc;
  record.InitDncConfig(dnc);
  EXPECT_EQ(dnc.Ini().Path(), File("CFG/DNCClient.ini"));

  record.Global().Values().SetText(kSearchHistory, "G0 X0", 0);
  record.Destroy();
  EXPECT_EQ(record.MachineTypes().Count(), 0);
  EXPECT_EQ(record.GetString("SEARCH", "SEARCH00"), "G0 X0");
  record.WriteString("SEARCH", "SEARCH00", "changed elsewhere");
  record.Destroy();
  EXPECT_EQ(record.GetString("SEARCH", "SEARCH00"), "changed elsewhere");
}

TEST_F(PrefigurationTest, WithoutMessagesNothingIsLoadedAndNothingWritten) {
  fs::remove_all(File("msg"));
  EXPECT_EQ(configuration.Start().MachineTypes().Count(), 0);
  EXPECT_EQ(configuration.init_result, GConfiguration::kInitNoMessages);
  configuration.Stop();
  EXPECT_EQ(test::StoredValue(File("CFG/Prefig.ini"), "SEARCH", "SEARCH00"), "(missing)");
  EXPECT_FALSE(fs::exists(File("TYPES")));
}

TEST_F(PrefigurationTest, ADescriptionInAnotherLanguageIsTranslatedThroughTheMessageFiles) {
  fs::create_directory(File("TYPES"));
  test::WriteFile(File("TYPES/mine.mac"),
                  "[GENERAL]\r\nTYPENAME=M\r\nDESCRIPTION=Standard\r\nLANGUAGE=de\r\nVERSION=80402\r\n");
  GPrefiguration& record = configuration.Start();
  ASSERT_EQ(record.MachineTypes().Count(), 1);
  EXPECT_EQ(record.MachineTypes().At(0).Description(), "Default");
}

}  // namespace
}  // namespace prefig
