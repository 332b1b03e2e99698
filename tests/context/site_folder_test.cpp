// Reading the site folder: which files, and a folder that is missing, slow
// or holds a damaged file.
#include "context/site_folder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "context/config_path_handler.h"
#include "ini/ini_overlay.h"
#include "platform/module_log.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using test::ReadFile;
using test::WriteFile;

class SiteFolderTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string site = dir.File("site");
  std::string log = dir.File("prefig.log");
  void SetUp() override {
    std::filesystem::create_directory(site);
    SetLogFileName(log);
  }
  void TearDown() override { SetLogFileName({}); }

  // The messages of the log, without the time and thread of each line.
  std::string LoggedMessages() {
    std::string text = ReadFile(log), messages;
    for (size_t pos = 0; pos < text.size();) {
      size_t end = text.find('\n', pos);
      size_t tab = text.find('\t', pos);
      messages += text.substr(tab + 1, end - tab);
      pos = end + 1;
    }
    return messages;
  }
};

TEST_F(SiteFolderTest, MainFileAndTypeFilesInNameOrderOthersLeftAlone) {
  WriteFile(site + "/prefig.INI", "[SYSTEM]\r\nTABCHARS = 4\r\n");
  WriteFile(site + "/Mill.MAC", "[INSPECT]\r\nLOCKED = FILTERTYPE\r\n");
  WriteFile(site + "/Lathe.mac", "");
  WriteFile(site + "/DNCClient.ini", "[DNC]\r\nA = 1\r\n");
  WriteFile(site + "/notes.txt", "");
  std::filesystem::create_directory(site + "/old.mac");
  SiteRead read = ReadSiteFolder(site, "Prefig.ini");
  ASSERT_NE(read.site, nullptr);
  EXPECT_TRUE(read.problems.empty());
  std::string names;
  for (const auto& [name, overlay] : read.site->Files()) names += name + " ";
  EXPECT_EQ(names, "Lathe.mac Mill.MAC prefig.INI ");
  EXPECT_EQ(read.site->For("/u/CFG/Prefig.ini")->Value("SYSTEM", "TABCHARS"), "4");
  EXPECT_TRUE(read.site->For("/u/TYPES/mill.mac")->IsLocked("INSPECT", "FILTERTYPE"));
  EXPECT_EQ(LoggedMessages(), "");
}

TEST_F(SiteFolderTest, MissingFolderGivesNoSiteAndOneLogLine) {
  SiteRead read = ReadSiteFolder(dir.File("gone"), "Prefig.ini");
  EXPECT_EQ(read.site, nullptr);
  EXPECT_EQ(LoggedMessages(), "SITE  : Site folder '" + dir.File("gone") + "' not found; starting without it\n");
}

TEST_F(SiteFolderTest, DamagedFileIsSkippedTheOthersServe) {
  WriteFile(site + "/Prefig.ini", std::string("\x7f"
                                              "ELF\x02\x01\x01\0\0\0",
                                              10));
  WriteFile(site + "/Mill.mac", "[GENERAL]\r\nPRINTCOL = 3\r\n");
  SiteRead read = ReadSiteFolder(site, "Prefig.ini");
  ASSERT_NE(read.site, nullptr);
  EXPECT_EQ(read.site->For("Prefig.ini"), nullptr);
  EXPECT_NE(read.site->For("Mill.mac"), nullptr);
  EXPECT_EQ(LoggedMessages(), "SITE  : Site file '" + site + "/Prefig.ini' skipped: it is no text file\n");
}

// A share that does not answer: a reader that nobody writes to blocks in
// open, as a hung network mount does.
TEST_F(SiteFolderTest, FolderThatDoesNotAnswerIsLeftOutAfterTheDeadline) {
  std::string fifo = site + "/Prefig.ini";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  SiteRead read = ReadSiteFolder(site, "Prefig.ini", std::chrono::milliseconds(100));
  EXPECT_EQ(read.site, nullptr);
  EXPECT_EQ(LoggedMessages(), "SITE  : Site folder '" + site + "' did not answer within 100 ms; starting without it\n");
  // Let the reader go, so that it ends with the test.
  int fd = ::open(fifo.c_str(), O_WRONLY);
  if (fd >= 0) ::close(fd);
}

TEST_F(SiteFolderTest, SiteKeyOfTheConfigurationPathsOrNone) {
  GConfigPathHandler none(dir.File("prefig-host"));
  EXPECT_EQ(SiteFolderOf(none), "");
  WriteFile(dir.File("ConfigPaths.cfg"), "SITE = %EXEDIR%/site/  # the shop's share\r\n");
  GConfigPathHandler paths(dir.File("prefig-host"));
  EXPECT_EQ(SiteFolderOf(paths), site);
}

}  // namespace
}  // namespace prefig
