// The DNC protocol list: the plug-ins of the Protocols folder, mirrored in
// the main INI file and reused while the folder is unchanged.
#include "record/protocol_list.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <filesystem>

#include "ini/ini_file.h"
#include "module/module_state.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;
namespace fs = std::filesystem;

const std::string kSample = std::string(PREFIG_STAGE_DIR) + "/Protocols/SampleProtocol.so";
const std::string kOld = std::string(PREFIG_TEST_PLUGIN_BASE) + "/Dll/OldProtocol.so";

class ProtocolListTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::string protocols = dir.File("Protocols");
  GIniFile main;
  GProtocolList list;
  const char* table[800] = {};

  ProtocolListTest() {
    table[711] = "***";
    Module() = ModuleState{};
    Module().message_table = table;
    fs::create_directories(protocols);
    main.Open(dir.File("main.ini"));
  }
  ~ProtocolListTest() override { Module() = ModuleState{}; }
};

TEST_F(ProtocolListTest, AFolderWithoutPlugInsGivesCode250) {
  WriteFile(protocols + "/readme.txt", "");
  EXPECT_EQ(list.Load(main, protocols), GProtocolList::kNoProtocols);
  EXPECT_EQ(list.Load(main, dir.File("missing")), GProtocolList::kNoProtocols);
  EXPECT_TRUE(list.Protocols().empty());
}

TEST_F(ProtocolListTest, PlugInsAreAskedOnceAndTheListReusedWhileTheFolderIsUnchanged) {
  fs::copy_file(kSample, protocols + "/Serial.SO");
  ASSERT_EQ(list.Load(main, protocols), 1);
  EXPECT_TRUE(list.Rescanned());
  const Protocol& serial = list.Protocols()[0];
  EXPECT_EQ(serial.description, "Serial line, no handshake (sample)");
  EXPECT_EQ(serial.library, protocols + "/Serial.SO");
  EXPECT_EQ(main.GetString("PROTOCOLS", "PROTOCOL000NAME"), "SERIAL");
  EXPECT_EQ(main.GetString("PROTOCOLS", "PROTOCOL000VER"), "80402");
  EXPECT_EQ(main.GetInt("PROTOCOLS", "PROTOCOL000TIME", 0, 0, 0x7FFFFFFF), LibraryTimeStamp(serial.library));

  GProtocolList again;
  ASSERT_EQ(again.Load(main, protocols), 1);
  EXPECT_FALSE(again.Rescanned());

  struct utimbuf times {
    1000000000, 1000000000
  };
  ::utime(serial.library.c_str(), &times);
  GProtocolList touched;
  touched.Load(main, protocols);
  EXPECT_TRUE(touched.Rescanned());

  GProtocolList forced;
  forced.Load(main, protocols, true);
  EXPECT_TRUE(forced.Rescanned());
}

TEST_F(ProtocolListTest, LibrariesThatDoNotQualifyAreSkippedAndLeaveGaps) {
  fs::copy_file(kSample, protocols + "/serial.so");
  fs::copy_file(kOld, protocols + "/old.so");
  WriteFile(protocols + "/broken.so", "not a library");
  ASSERT_EQ(list.Load(main, protocols), 1);
  int index = list.Protocols()[0].index;
  char key[32];
  std::snprintf(key, sizeof key, "PROTOCOL%03XNAME", index);
  EXPECT_EQ(main.GetString("PROTOCOLS", key), "SERIAL");
  EXPECT_EQ(main.GetString("PROTOCOLS", "COUNT"), "1");
  // COUNT never equals the three files found, so every start asks them again.
  GProtocolList again;
  again.Load(main, protocols);
  EXPECT_TRUE(again.Rescanned());
}

}  // namespace
}  // namespace prefig
