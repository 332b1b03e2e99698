// GIniFile on real files: the operations, defaults written back, cache mode.
#include "store/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_dir.h"
#include "support/unprivileged.h"
#include "entry/module_log.h"

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
  EXPECT_EQ(ReadFile(path), kVersionBlock + "\r\n## GLOBAL " + std::string(69, '#') +
                                "\r\n\r\n[GLOBAL]\r\nLANGUAGE\t= en-US\r\n");
}

TEST_F(IniFileTest, OpenOnAFileThatAlreadySaysVersion200ChangesNothing) {
  WriteFile(path, "[INIFILEVERSION]\nversion=200\n[A]\nK=1\n");
  struct stat before{};
  ::stat(path.c_str(), &before);
  GIniFile ini;
  ini.Open(path);
  struct stat after{};
  ::stat(path.c_str(), &after);
  EXPECT_FALSE(ini.IsReadOnly());
  EXPECT_EQ(ReadFile(path), "[INIFILEVERSION]\nversion=200\n[A]\nK=1\n");
  EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST_F(IniFileTest, OpenInAMissingDirectoryIsReadOnlyAndReadsGiveDefaults) {
  GIniFile ini;
  ini.Open(dir.File("no/such/dir/x.ini"));
  EXPECT_TRUE(ini.IsReadOnly());
  EXPECT_EQ(ini.GetInt("A", "K", 7, 0, 10), 7);
  EXPECT_EQ(ini.GetString("A", "K", "d"), "d");
}

TEST_F(IniFileTest, EmptyPathDoesNothing) {
  GIniFile ini;
  ini.Open("");
  EXPECT_TRUE(ini.IsReadOnly());
  EXPECT_EQ(ini.GetInt("A", "K", 3, 0, 10), 3);
  ini.WriteInt("A", "K", 4);
  EXPECT_FALSE(ini.KeyExists("A", "K"));
  EXPECT_TRUE(ini.SectionExists("A"));
}

TEST_F(IniFileTest, GetIntDefaultsAndClamping) {
  GIniFile ini;
  OpenWith(ini, "[N]\r\nA=abc\r\nB=x0\r\nC=5\r\nD=50\r\nE= 12 mm\r\n");
  EXPECT_EQ(ini.GetInt("N", "A", 3, 0, 10), 3);
  EXPECT_EQ(ini.GetInt("N", "B", 3, 0, 10), 0);
  EXPECT_EQ(ini.GetInt("N", "C", 15, 10, 20), 10);
  EXPECT_EQ(ini.GetInt("N", "D", 15, 10, 20), 20);
  EXPECT_EQ(ini.GetInt("N", "E", 0, 0, 100), 12);
  EXPECT_EQ(ini.GetInt("N", "MISSING", 99, 0, 10), 10);
  EXPECT_EQ(ReadFile(path),
            kVersionBlock + "[N]\r\nA= 3\r\nB=x0\r\nC= 10\r\nD= 20\r\nE= 12 mm\r\nMISSING\t\t= 10\r\n");
}

TEST_F(IniFileTest, GetDoubleAcceptsCommaAndWritesBackInCLocale) {
  GIniFile ini;
  OpenWith(ini, "[N]\r\nA=2,5\r\nB=junk\r\n");
  EXPECT_DOUBLE_EQ(ini.GetDouble("N", "A", 0, 0, 10), 2.5);
  EXPECT_DOUBLE_EQ(ini.GetDouble("N", "B", 1.25, 0, 10), 1.25);
  EXPECT_DOUBLE_EQ(ini.GetDouble("N", "C", 20, 0, 10), 10);
  EXPECT_EQ(ReadFile(path), kVersionBlock + "[N]\r\nA=2,5\r\nB= 1.250000\r\nC\t\t= 10.000000\r\n");
}

TEST_F(IniFileTest, GetBoolReadsYesOrOneAndWritesMissingDefault) {
  GIniFile ini;
  OpenWith(ini, "[B]\r\nA=YES\r\nB=yes\r\nC=1\r\nD=true\r\nE=Y\r\nF=10\r\n");
  for (const char* key : {"A", "B", "C"}) EXPECT_TRUE(ini.GetBool("B", key, false)) << key;
  for (const char* key : {"D", "E", "F"}) EXPECT_FALSE(ini.GetBool("B", key, true)) << key;
  EXPECT_TRUE(ini.GetBool("B", "G", true));
  EXPECT_FALSE(ini.GetBool("B", "H", false));
  EXPECT_EQ(ReadFile(path), kVersionBlock + "[B]\r\nA=YES\r\nB=yes\r\nC=1\r\nD=true\r\nE=Y\r\nF=10\r\nG\t\t= Yes\r\nH\t\t= No\r\n");
}

TEST_F(IniFileTest, TextRoundTripsWithQuotes) {
  GIniFile ini;
  ini.Open(path);
  for (std::string text : {"  two leading and one trailing ", "\"quoted\"", "", "a \"middle\" quote", "tab\t"}) {
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
  EXPECT_EQ(ini.GetString("S", "Q", "", buffer, sizeof buffer), 4u);
  EXPECT_STREQ(buffer, "  qu");
  char with_default[16] = "preset";
  EXPECT_EQ(ini.GetString("S", "NEW", with_default, sizeof with_default), 6u);
  EXPECT_STREQ(with_default, "preset");
  EXPECT_EQ(ini.GetString("S", "NEW", "other"), "preset");
  char untouched[8] = "keep";
  EXPECT_EQ(ini.GetString("", "K", "x", untouched, sizeof untouched), 0u);
  EXPECT_STREQ(untouched, "keep");
}

TEST_F(IniFileTest, TypedWrites) {
  GIniFile ini;
  ini.Open(path);
  EXPECT_EQ(ini.WriteInt("W", "I", -5), -5);
  EXPECT_EQ(ini.WriteUInt("W", "U", 4000000000u), 4000000000u);
  EXPECT_EQ(ini.WriteByte("W", "BY", 255), 255);
  EXPECT_DOUBLE_EQ(ini.WriteDouble("W", "D", 0.1), 0.1);
  EXPECT_TRUE(ini.WriteBool("W", "B", true));
  ini.WriteHex("W", "H", "Az");
  ini.WriteRaw("W", "R", "  raw \"value\"  ");
  EXPECT_EQ(ReadFile(path), kVersionBlock + "\r\n## W " + std::string(74, '#') +
                                "\r\n\r\n[W]\r\nI\t\t= -5\r\nU\t\t= 4000000000\r\nBY\t\t= 255\r\nD\t\t= 0.100000\r\n"
                                "B\t\t= Yes\r\nH\t\t= 417A\r\nR\t\t= raw \"value\"\r\n");
}

TEST_F(IniFileTest, ExistsQueries) {
  GIniFile ini;
  OpenWith(ini, "[lower]\r\nK=1\r\n");
  EXPECT_TRUE(ini.SectionExists("LOWER"));
  EXPECT_TRUE(ini.KeyExists("LOWER", "k"));
  EXPECT_FALSE(ini.KeyExists("LOWER", "J"));
  EXPECT_FALSE(ini.SectionExists("OTHER"));
  EXPECT_TRUE(ini.SectionExists(""));
  GIniFile missing;
  missing.Open("");
  EXPECT_FALSE(missing.KeyExists("A", "B"));
}

TEST_F(IniFileTest, UnusableNamesWriteNothing) {
  GIniFile ini;
  ini.Open(path);
  ini.WriteInt("TWO WORDS", "K", 1);
  ini.WriteInt("S", "A=B", 1);
  ini.WriteInt("S", "", 1);
  EXPECT_EQ(ini.GetInt("TWO WORDS", "K", 5, 0, 9), 5);
  EXPECT_EQ(ReadFile(path), kVersionBlock);
}

TEST_F(IniFileTest, CurrentSectionVariants) {
  GIniFile ini;
  ini.Open(path);
  EXPECT_EQ(ini.Current().GetInt("K", 5, 0, 9), 5);
  ini.Current().WriteInt("K", 6);
  EXPECT_EQ(ReadFile(path), kVersionBlock);
  char buffer[8] = "same";
  EXPECT_EQ(ini.Current().GetString("K", "x", buffer, sizeof buffer), 0u);
  EXPECT_STREQ(buffer, "same");

  ini.SelectSectionF("MACRO%03d", 7);
  EXPECT_EQ(ini.CurrentSection(), "MACRO007");
  ini.Current().WriteInt("K", 6);
  EXPECT_EQ(ini.GetInt("MACRO007", "K", 0, 0, 9), 6);
  EXPECT_TRUE(ini.Current().KeyExists("K"));
  ini.SelectSection(std::string(40, 'S'));
  EXPECT_EQ(ini.CurrentSection().size(), 32u);
  ini.SelectSection("");
  EXPECT_FALSE(ini.Current().KeyExists("K"));
}

TEST_F(IniFileTest, CacheModeWritesWhenSwitchedOffOrDestroyed) {
  GIniFile ini;
  ini.Open(path);
  EXPECT_FALSE(ini.SetCached(true));
  ini.WriteInt("A", "K", 1);
  EXPECT_EQ(ini.GetInt("A", "K", 0, 0, 9), 1);
  EXPECT_EQ(ReadFile(path), kVersionBlock);  // not yet on disk
  EXPECT_TRUE(ini.SetCached(false));
  EXPECT_EQ(ini.GetInt("A", "K", 0, 0, 9), 1);
  EXPECT_NE(ReadFile(path), kVersionBlock);
  {
    GIniFile destroyed;
    destroyed.Open(path);
    destroyed.SetCached(true);
    destroyed.WriteInt("A", "K", 2);
  }
  EXPECT_EQ(ini.GetInt("A", "K", 0, 0, 9), 2) << "destroying flushes";
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
    struct stat st{};
    ::stat(path.c_str(), &st);
    return !ini.IsReadOnly() && (st.st_mode & S_IWUSR) && ini.GetInt("A", "K", 0, 0, 9) == 1 &&
           ini.GetInt("INIFILEVERSION", "VERSION", 0, 0, 999) == 200;
  });
  EXPECT_TRUE(ok);
}

TEST_F(IniFileTest, UnwritableFileAndDirectoryAreReadOnly) {
  WriteFile(path, kVersionBlock + "[A]\r\nK=1\r\n");
  bool ok = test::RunWithoutPrivileges(dir.path(), [&] {
    ::chmod(dir.path().c_str(), 0555);
    std::string other = dir.File("other.ini");
    GIniFile ini;
    ini.Open(other);  // cannot be created
    bool missing_is_read_only = ini.IsReadOnly() && ini.GetInt("A", "K", 4, 0, 9) == 4;
    ::chmod(dir.path().c_str(), 0755);
    return missing_is_read_only;
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

TEST_F(IniFileTest, PermissionsSurviveARewrite) {
  WriteFile(path, "[A]\r\nK=1\r\n");
  ::chmod(path.c_str(), 0640);
  GIniFile ini;
  ini.Open(path);
  ini.WriteInt("A", "K", 2);
  struct stat st{};
  ::stat(path.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

}  // namespace
}  // namespace prefig
