// GIniFile on real files: the operations, defaults written back, cache mode.
#include "ini/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "platform/module_log.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace prefig {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

const std::string kVersionBlock =
    "\r\n## INIFILEVERSION #############################################################\r\n\r\n"
    "[INIFILEVERSION]\r\nVERSION\t\t= 200\r\n";

class IniFileTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::string path = dir.File("test.ini");

  // A file with `content` after the version block, opened.
  void OpenWith(GIniFile& ini, const std::string& content) {
    WriteFile(path, kVersionBlock + content);
    ini.Open(path);
  }
};

TEST_F(IniFileTest, TwelveLineExample) {
  GIniFile ini;
  ini.Open(path);
  ini.WriteBool("EDITOR", "PADTABS", false);
  ini.WriteString("EDITOR", "FONTFACENAME", "Courier New");
  ini.WriteBool("EDITOR", "BOOKMARKINDICATORS", true);
  EXPECT_EQ(ReadFile(path),
            "\r\n"
            "## INIFILEVERSION #############################################################\r\n"
            "\r\n"
            "[INIFILEVERSION]\r\n"
            "VERSION\t\t= 200\r\n"
            "\r\n"
            "## EDITOR #####################################################################\r\n"
            "\r\n"
            "[EDITOR]\r\n"
            "PADTABS\t\t= No\r\n"
            "FONTFACENAME\t= Courier New\r\n"
            "BOOKMARKINDICATORS= Yes\r\n");
}

TEST_F(IniFileTest, OpenCreatesOnlyTheVersionBlockThenReadsFillTheFile) {
  GIniFile ini;
  ini.Open(path);
  EXPECT_FALSE(ini.IsReadOnly());
  EXPECT_EQ(ReadFile(path), kVersionBlock);
  EXPECT_EQ(ini.GetString("GLOBAL", "LANGUAGE", "en-US"), "en-US");
  EXPECT_EQ(ReadFile(path),
            kVersionBlock + "\r\n## GLOBAL " + std::string(69, '#') + "\r\n\r\n[GLOBAL]\r\nLANGUAGE\t= en-US\r\n");
}

TEST_F(IniFileTest, OpenOnAFileThatAlreadySaysVersion200ChangesNothing) {
  WriteFile(path, "[INIFILEVERSION]\nversion=200\n[A]\nK=1\n");
  struct stat before {};
  ::stat(path.c_str(), &before);
  GIniFile ini;
  ini.Open(path);
  struct stat after {};
  ::stat(path.c_str(), &after);
  EXPECT_FALSE(ini.IsReadOnly());
  EXPECT_EQ(ReadFile(path), "[INIFILEVERSION]\nversion=200\n[A]\nK=1\n");
  EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST_F(IniFileTest, AMissingDirectoryOrNoPathIsReadOnlyAndReadsGiveDefaults) {
  GIniFile missing, none;
  missing.Open(dir.File("no/such/dir/x.ini"));
  none.Open("");
  for (GIniFile* ini : {&missing, &none}) {
    EXPECT_TRUE(ini->IsReadOnly());
    ini->WriteInt("A", "K", 4);
    EXPECT_EQ(ini->GetInt("A", "K", 7, 0, 10), 7);
    EXPECT_FALSE(ini->KeyExists("A", "K"));
  }
}

// A caller that must write says why it cannot: the reason the probe met.
TEST_F(IniFileTest, OpenSaysWhyAFileIsReadOnly) {
  WriteFile(dir.File("plain"), "a file");
  std::filesystem::create_directory(dir.File("folder.ini"));
  struct Case {
    std::string path;
    bool read_only;
    int error;
  };
  const Case cases[] = {
      {path, false, 0},
      {dir.File("plain/x.ini"), true, ENOTDIR},
      {dir.File("folder.ini"), true, EISDIR},
      {"", true, ENOENT},
      {"/" + std::string(GIniFile::kPathMax, 'x'), true, ENAMETOOLONG},
  };
  GIniFile ini;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.substr(0, 64));
    ini.Open(c.path);
    EXPECT_EQ(ini.IsReadOnly(), c.read_only);
    EXPECT_EQ(ini.OpenError(), c.error);
    EXPECT_EQ(ini.WriteError(), 0);
  }
}

// Unusable values are replaced, values out of range clamped, and missing
// keys written, each in the form of its kind; doubles may use a comma.
TEST_F(IniFileTest, TypedReadsWriteBackWhatTheyCouldNotUse) {
  GIniFile ini;
  OpenWith(ini, "[N]\r\nA=abc\r\nB=x0\r\nC=5\r\nD=50\r\nE= 12 mm\r\nR=2,5\r\nS=junk\r\nY=yes\r\nZ=true\r\n");
  EXPECT_EQ(ini.GetInt("N", "A", 3, 0, 10), 3);
  EXPECT_EQ(ini.GetInt("N", "B", 3, 0, 10), 0);
  EXPECT_EQ(ini.GetInt("N", "C", 15, 10, 20), 10);
  EXPECT_EQ(ini.GetInt("N", "D", 15, 10, 20), 20);
  EXPECT_EQ(ini.GetInt("N", "E", 0, 0, 100), 12);
  EXPECT_EQ(ini.GetInt("N", "MISSING", 99, 0, 10), 10);
  EXPECT_DOUBLE_EQ(ini.GetDouble("N", "R", 0, 0, 10), 2.5);
  EXPECT_DOUBLE_EQ(ini.GetDouble("N", "S", 1.25, 0, 10), 1.25);
  EXPECT_TRUE(ini.GetBool("N", "Y", false));
  EXPECT_FALSE(ini.GetBool("N", "Z", true));
  EXPECT_FALSE(ini.GetBool("N", "H", false));
  EXPECT_EQ(ReadFile(path), kVersionBlock +
                                "[N]\r\nA= 3\r\nB=x0\r\nC= 10\r\nD= 20\r\nE= 12 mm\r\nR=2,5\r\nS= 1.250000\r\n"
                                "Y=yes\r\nZ=true\r\nMISSING\t\t= 10\r\nH\t\t= No\r\n");
}

TEST_F(IniFileTest, TextRoundTripsWithQuotes) {
  GIniFile ini;
  ini.Open(path);
  for (std::string text : {"  two leading and one trailing ", "\"quoted\"", "", "a \"middle\" quote", "tab\t",
                           "\bbackspace first", "bell last\a", "\f\v"}) {
    ini.WriteString("T", "K", text);
    EXPECT_EQ(ini.GetString("T", "K", "default"), text);
  }
  EXPECT_TRUE(ini.KeyExists("T", "K")) << "an empty text stays a key";
  ini.DeleteKey("T", "K");
  EXPECT_FALSE(ini.KeyExists("T", "K"));
}

TEST_F(IniFileTest, BufferReadsCutAndUseTheBufferAsDefault) {
  GIniFile ini;
  OpenWith(ini, "[S]\r\nK=abcdefgh\r\nQ=\"  quoted value  \"\r\n");
  char buffer[5] = "";
  EXPECT_EQ(ini.GetString("S", "K", "", buffer, sizeof buffer), 4u);
  EXPECT_STREQ(buffer, "abcd");
  char with_default[16] = "preset";
  EXPECT_EQ(ini.GetString("S", "NEW", with_default, sizeof with_default), 6u);
  EXPECT_EQ(ini.GetString("S", "NEW", "other"), "preset");
}

TEST_F(IniFileTest, TypedWrites) {
  GIniFile ini;
  ini.Open(path);
  EXPECT_TRUE(ini.WriteInt("W", "I", -5));
  EXPECT_TRUE(ini.WriteUInt("W", "U", 4000000000u));
  EXPECT_TRUE(ini.WriteByte("W", "BY", 255));
  EXPECT_TRUE(ini.WriteDouble("W", "D", 0.1));
  EXPECT_TRUE(ini.WriteBool("W", "B", true));
  ini.WriteHex("W", "H", "Az");
  ini.WriteRaw("W", "R", "  raw \"value\"  ");
  EXPECT_EQ(ReadFile(path), kVersionBlock + "\r\n## W " + std::string(74, '#') +
                                "\r\n\r\n[W]\r\nI\t\t= -5\r\nU\t\t= 4000000000\r\nBY\t\t= 255\r\nD\t\t= 0.100000\r\n"
                                "B\t\t= Yes\r\nH\t\t= 417A\r\nR\t\t= raw \"value\"\r\n");
}

// Refused names are refused by every operation, and a refusal is reported.
TEST_F(IniFileTest, UnusableNamesWriteNothingAndSaySo) {
  GIniFile ini;
  ini.Open(path);
  const std::pair<const char*, const char*> refused[] = {
      {" LEAD", "K"}, {"TRAIL ", "K"}, {"A]B", "K"}, {"S", "A=B"}, {"S", ""}, {"S", "[K"}, {"LINE\nBREAK", "K"},
      {"S", "K\f"},   {"S", "\vK"},   {"S", "K\b"}, {"S", "\aK"}, {"S", " K"}};
  for (auto [section, key] : refused) {
    EXPECT_FALSE(ini.WriteInt(section, key, 1)) << section << key;
    EXPECT_EQ(ini.GetInt(section, key, 5, 0, 9), 5);
    EXPECT_FALSE(ini.KeyExists(section, key));
  }
  EXPECT_EQ(ini.WriteError(), EINVAL);
  EXPECT_FALSE(ini.SectionExists("A]B"));
  EXPECT_EQ(ReadFile(path), kVersionBlock);
  ini.ClearWriteError();
  EXPECT_EQ(ini.WriteError(), 0);
}

// A name that a read finds, every operation finds: brackets and blanks
// inside a section name included.
TEST_F(IniFileTest, SectionsWithBracketsOrBlanksInsideAreFoundByEveryOperation) {
  WriteFile(path, "[A]\r\n[[sub]]\r\nKEY = NONE\r\n[RENUM DEFAULT]\r\nAUTO = No\r\n");
  GIniFile ini;
  ini.Open(path);
  EXPECT_EQ(ini.GetString("[sub", "KEY"), "NONE");
  EXPECT_TRUE(ini.KeyExists("[SUB", "key"));
  EXPECT_TRUE(ini.SectionExists("renum default"));
  EXPECT_TRUE(ini.WriteString("[sub", "KEY", "NEW"));
  EXPECT_EQ(ini.GetInt("[sub", "NUMBER", 7, 0, 10), 7);
  EXPECT_TRUE(ini.WriteBool("RENUM DEFAULT", "AUTO", true));
  EXPECT_EQ(ReadFile(path),
            "[A]\r\n[[sub]]\r\nKEY = NEW\r\nNUMBER\t\t= 7\r\n[RENUM DEFAULT]\r\nAUTO = Yes\r\n" + kVersionBlock);
  EXPECT_TRUE(ini.DeleteKey("[sub", "KEY"));
  EXPECT_TRUE(ini.DeleteSection("RENUM DEFAULT"));
  EXPECT_TRUE(ini.WriteRaw("CLI Server", "PORT", "8080"));
  EXPECT_EQ(ReadFile(path), "[A]\r\n[[sub]]\r\nNUMBER\t\t= 7\r\n" + kVersionBlock + "\r\n## CLI SERVER " +
                                std::string(65, '#') + "\r\n\r\n[CLI SERVER]\r\nPORT\t\t= 8080\r\n");
  EXPECT_EQ(ini.WriteError(), 0);
}

// A write that cannot reach the disk is reported, directly and at the end
// of cache mode, and the failure stays for the saver that asks.
TEST_F(IniFileTest, FailedWritesReturnFalse) {
  GIniFile ini;
  EXPECT_FALSE(ini.WriteInt("S", "K", 1));  // no file attached
  ini.Open(path);
  EXPECT_EQ(ini.WriteError(), 0);
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);  // a folder where the file was
  EXPECT_FALSE(ini.WriteInt("S", "K", 1));
  EXPECT_NE(ini.WriteError(), 0);
  ini.ClearWriteError();
  std::filesystem::remove(path);
  ini.SetCached(true);
  EXPECT_TRUE(ini.WriteInt("S", "K", 1));
  std::filesystem::create_directory(path);
  EXPECT_FALSE(ini.Flush());
  EXPECT_NE(ini.WriteError(), 0);
  // The change waits in the cache until a flush can write it.
  EXPECT_EQ(ini.GetInt("S", "K", 0, 0, 9), 1);
  std::filesystem::remove(path);
  EXPECT_TRUE(ini.Flush());
  EXPECT_EQ(ReadFile(path),
            "\r\n## S ##########################################################################\r\n\r\n[S]\r\nK\t\t= 1\r\n");
  // Leaving cache mode after a failed flush keeps nothing for later.
  EXPECT_TRUE(ini.WriteInt("S", "K", 2));
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  ini.SetCached(false);
  std::filesystem::remove(path);
  ini.SetCached(true);
  EXPECT_EQ(ini.GetInt("S", "K", 7, 0, 9), 7);
  EXPECT_TRUE(ini.Flush());
  EXPECT_EQ(ReadFile(path),
            "\r\n## S ##########################################################################\r\n\r\n[S]\r\nK\t\t= 7\r\n");
}

// A flush into a save that was then dropped: the cache taken before is put
// back, its changes read as before, and the next flush makes them again on
// what another program wrote meanwhile.
TEST_F(IniFileTest, ACacheStatePutBackReadsAsBeforeAndIsFlushedOnWhatOthersWrote) {
  WriteFile(path, std::string(kVersionBlock) + "[S]\r\nA=0\r\n");
  const std::string before = ReadFile(path);
  GIniFile ini;
  ini.Open(path);
  ini.SetCached(true);
  ASSERT_TRUE(ini.WriteInt("S", "A", 1));
  GIniFile::CacheState state = ini.TakeCacheState();
  ASSERT_TRUE(ini.WriteInt("S", "B", 2));
  ASSERT_TRUE(ini.Flush());
  WriteFile(path, before + "C=3\r\n");  // the save dropped, and another program's key
  ini.RestoreCacheState(std::move(state));
  EXPECT_EQ(ini.GetInt("S", "A", 9, 0, 9), 1);
  ASSERT_NE(ini.CachedText(), nullptr);
  EXPECT_EQ(ini.CachedText()->find("B"), std::string::npos);
  ASSERT_TRUE(ini.Flush());
  EXPECT_EQ(ReadFile(path), std::string(kVersionBlock) + "[S]\r\nA= 1\r\nC=3\r\n");
}

TEST_F(IniFileTest, CurrentSectionVariants) {
  GIniFile ini;
  ini.Open(path);
  ini.Current().WriteInt("K", 6);
  EXPECT_EQ(ReadFile(path), kVersionBlock) << "no section selected";

  ini.SelectSectionF("MACRO%03d", 7);
  ini.Current().WriteInt("K", 6);
  EXPECT_EQ(ini.GetInt("MACRO007", "K", 0, 0, 9), 6);
  ini.SelectSection(std::string(40, 'S'));
  EXPECT_EQ(ini.CurrentSection().size(), 32u);
}

TEST_F(IniFileTest, CacheModeWritesWhenSwitchedOffOrDestroyed) {
  GIniFile ini;
  ini.Open(path);
  EXPECT_FALSE(ini.SetCached(true));
  ini.WriteInt("A", "K", 1);
  EXPECT_EQ(ini.GetInt("A", "K", 0, 0, 9), 1);
  EXPECT_EQ(ReadFile(path), kVersionBlock);  // not yet on disk
  EXPECT_TRUE(ini.SetCached(false));
  EXPECT_NE(ReadFile(path), kVersionBlock);
  {
    GIniFile destroyed;
    destroyed.Open(path);
    destroyed.SetCached(true);
    destroyed.WriteInt("A", "K", 2);
  }
  EXPECT_EQ(ini.GetInt("A", "K", 0, 0, 9), 2) << "destroying flushes";
}

// A bulk load in cache mode writes the defaults of a section's missing keys
// back together; they read back at once, a later write of one of them
// changes its line, and the file is what one write at a time would leave.
TEST_F(IniFileTest, DefaultsWrittenBackInCacheModeLandWhereSingleWritesWould) {
  GIniFile ini;
  OpenWith(ini, "[A]\r\nX=1\r\n\r\n; kept\r\n[B]\r\nY=2");
  ini.SetCached(true);
  EXPECT_EQ(ini.GetInt("A", "COUNT", 3, 0, 9), 3);
  EXPECT_EQ(ini.GetString("A", "NAME", "\"  two words \""), "\"  two words \"");
  EXPECT_EQ(ini.GetString("A", "name", "other"), "  two words ") << "held back, yet read";
  EXPECT_EQ(ini.GetString("B", "Y", "0"), "2");  // another section read in between
  EXPECT_TRUE(ini.GetBool("A", "ON", true));
  EXPECT_EQ(ini.GetString("B", "Z", "z"), "z");
  EXPECT_EQ(ini.GetInt("B", "N", 12, 0, 9), 9);
  EXPECT_TRUE(ini.WriteInt("A", "COUNT", 4));
  EXPECT_EQ(ini.GetInt("A", "COUNT", 3, 0, 9), 4);
  EXPECT_EQ(ini.GetString("A", "X", ""), "1");
  ini.SetCached(false);
  EXPECT_EQ(ReadFile(path), kVersionBlock +
                                "[A]\r\nX=1\r\nCOUNT\t\t= 4\r\nNAME\t\t= \"  two words \"\r\nON\t\t= Yes\r\n"
                                "\r\n; kept\r\n[B]\r\nY=2\r\nZ\t\t= z\r\nN\t\t= 9\r\n");
}

TEST_F(IniFileTest, ZeroBytesReadAsSpacesAndOneByteIsEmpty) {
  WriteFile(path, std::string("[A]\r\nK=a\0b\r\n", 12));
  GIniFile ini;
  ini.Open(path);
  EXPECT_EQ(ini.GetString("A", "K"), "a b");
  WriteFile(path, "x");
  GIniFile one_byte;
  one_byte.Open(path);
  EXPECT_EQ(ReadFile(path), kVersionBlock);
}

TEST_F(IniFileTest, ReadOnlyFileIsMadeWritableByTheProbe) {
  WriteFile(path, "[A]\r\nK=1\r\n");
  bool ok = test::RunWithoutPrivileges(dir.path(), [&] {
    ::chmod(path.c_str(), 0444);
    ::chmod(dir.path().c_str(), 0555);  // no new files in the directory either
    GIniFile ini;
    ini.Open(path);
    ::chmod(dir.path().c_str(), 0755);
    struct stat st {};
    ::stat(path.c_str(), &st);
    return !ini.IsReadOnly() && (st.st_mode & S_IWUSR) && ini.GetInt("A", "K", 0, 0, 9) == 1 &&
           ini.GetInt("INIFILEVERSION", "VERSION", 0, 0, 999) == 200;
  });
  EXPECT_TRUE(ok);
}

TEST_F(IniFileTest, DroppedWriteIsLogged) {
  std::string cfg = dir.File("cfg");
  ::mkdir(cfg.c_str(), 0755);
  std::string file = cfg + "/locked.ini";
  WriteFile(file, kVersionBlock);
  std::string log = dir.File("module.log");
  bool ok = test::RunWithoutPrivileges(dir.path(), [&] {
    GIniFile ini;
    ini.Open(file);
    ::chmod(file.c_str(), 0444);
    ::chmod(cfg.c_str(), 0555);
    SetLogFileName(log);
    ini.WriteInt("A", "K", 1);
    SetLogFileName("");
    ::chmod(cfg.c_str(), 0755);
    return true;
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(ReadFile(file), kVersionBlock);
  EXPECT_NE(ReadFile(log).find("INI   : Could not write '" + file + "'"), std::string::npos) << ReadFile(log);
}

}  // namespace
}  // namespace prefig
