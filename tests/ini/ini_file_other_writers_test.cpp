// GIniFile in cache mode while another program writes the same file: the
// flush keeps what the other wrote and logs what it had to overwrite.
#include <gtest/gtest.h>

#include "ini/ini_file.h"
#include "platform/module_log.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

const std::string kOtherWritersStart =
    "[INIFILEVERSION]\r\nVERSION = 200\r\n"
    "[SYSTEM]\r\nTABCHARS = 8\r\nLINEFEEDS = 0\r\n";

class IniFileOtherWriters : public ::testing::Test {
 protected:
  TempDir dir;
  std::string path = dir.File("Prefig.ini");
  std::string log = dir.File("module.log");
  GIniFile cached;

  IniFileOtherWriters() {
    WriteFile(path, kOtherWritersStart);
    cached.Open(path);
    cached.SetCached(true);
    EXPECT_EQ(cached.GetInt("SYSTEM", "TABCHARS", 0, 0, 99), 8);  // the cache is read here
  }
  // What `prefig ini set` does: one write, straight to the file.
  void OtherProgramWrites(const char* key, const char* value) {
    GIniFile other;
    other.Open(path);
    EXPECT_TRUE(other.WriteRaw("SYSTEM", key, value));
  }
  bool FlushLogged() {
    SetLogFileName(log);
    bool written = cached.Flush();
    SetLogFileName("");
    return written;
  }
};

TEST_F(IniFileOtherWriters, BothProgramsChangesOfDifferentKeysAreKept) {
  OtherProgramWrites("LINEFEEDS", "2");
  EXPECT_TRUE(cached.WriteInt("SYSTEM", "TABCHARS", 4));
  EXPECT_TRUE(cached.WriteBool("SYSTEM", "BEEP", true));
  EXPECT_TRUE(FlushLogged());
  EXPECT_EQ(ReadFile(path),
            "[INIFILEVERSION]\r\nVERSION = 200\r\n"
            "[SYSTEM]\r\nTABCHARS = 4\r\nLINEFEEDS = 2\r\nBEEP\t\t= Yes\r\n");
  EXPECT_EQ(ReadFile(log), "");
}

TEST_F(IniFileOtherWriters, OnAKeyBothChangedOursWinsAndTheirsIsLogged) {
  OtherProgramWrites("TABCHARS", "3");
  cached.WriteInt("SYSTEM", "TABCHARS", 4);
  EXPECT_TRUE(FlushLogged());
  EXPECT_EQ(ReadFile(path), "[INIFILEVERSION]\r\nVERSION = 200\r\n[SYSTEM]\r\nTABCHARS = 4\r\nLINEFEEDS = 0\r\n");
  EXPECT_NE(
      ReadFile(log).find("INI   : [SYSTEM] TABCHARS: '3' written by another program replaced by '4' in '" + path + "'"),
      std::string::npos)
      << ReadFile(log);
}

TEST_F(IniFileOtherWriters, ADirectFileWriteCountsLikeAnyOtherProgram) {
  WriteFile(path, "; rewritten by a script\n[SYSTEM]\nLINEFEEDS=1\nTABCHARS=8\n");
  cached.DeleteKey("SYSTEM", "TABCHARS");
  EXPECT_TRUE(cached.Flush());
  EXPECT_EQ(ReadFile(path), "; rewritten by a script\n[SYSTEM]\nLINEFEEDS=1\n");
}

// Without another writer the cached text is written as it stands; without a
// change of ours nothing is written, whatever happened on disk.
TEST_F(IniFileOtherWriters, AloneOrUnchangedTheFlushIsAsBefore) {
  cached.WriteInt("SYSTEM", "TABCHARS", 4);
  cached.WriteInt("SYSTEM", "TABCHARS", 8);
  EXPECT_TRUE(cached.Flush());
  EXPECT_EQ(ReadFile(path), kOtherWritersStart);

  cached.SetCached(true);
  cached.GetInt("SYSTEM", "TABCHARS", 0, 0, 99);
  OtherProgramWrites("TABCHARS", "6");
  cached.WriteInt("SYSTEM", "TABCHARS", 8);  // what the cache holds already
  EXPECT_TRUE(cached.Flush());
  EXPECT_EQ(ReadFile(path), "[INIFILEVERSION]\r\nVERSION = 200\r\n[SYSTEM]\r\nTABCHARS = 6\r\nLINEFEEDS = 0\r\n");
}

}  // namespace
}  // namespace prefig
