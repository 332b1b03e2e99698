// The site folder on the command line: a default the user's file never
// gets, a lock that prefig page and prefig ini refuse to change, and
// prefig site show.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "support/page_cli_test_base.h"

namespace prefig {
namespace {

using test::Prefig;
using test::ReadFile;
using test::WriteFile;
namespace fs = std::filesystem;

std::map<std::string, std::string> FilesUnder(const std::string& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) files[fs::relative(entry.path(), root).string()] = ReadFile(entry.path());
  }
  return files;
}

// The line of a control in show output, or empty.
std::string ShownLine(const std::string& out, const std::string& name) {
  size_t at = out.rfind(name + "\t", 0) == 0 ? 0 : out.find("\n" + name + "\t");
  if (at == std::string::npos) return {};
  if (at != 0) ++at;
  return out.substr(at, out.find('\n', at) - at);
}

// An initialised configuration, then the administrator's site folder
// named in its ConfigPaths.cfg; the user's main file without TABCHARS.
class SiteCli : public test::PageCliTest {
 protected:
  std::string site = root.path() + "/site";
  std::string main_ini = root.path() + "/CFG/Prefig.ini";
  std::string mill = root.path() + "/TYPES/ISO Mill.MAC";

  SiteCli() {
    fs::create_directory(site);
    WriteFile(site + "/Prefig.ini", "[SYSTEM]\r\nTABCHARS = 4\r\n");
    WriteFile(site + "/ISO Mill.MAC",
              "[INSPECT]\r\nLOCKED = FILTERTYPE\r\nFILTERTYPE = MILLFANUC\r\n[PLANAR]\r\nLOCKED = *\r\n");
    UseSiteFolder(site);
    std::string text = ReadFile(main_ini);
    size_t line = text.find("TABCHARS");
    if (line != std::string::npos) text.erase(line, text.find('\n', line) + 1 - line);
    WriteFile(main_ini, text);
  }
  void UseSiteFolder(const std::string& folder) {
    WriteFile(root.path() + "/ConfigPaths.cfg", "SITE = " + folder + "\r\n");
  }
};

TEST_F(SiteCli, DefaultIsShownAndOkLeavesTheUserFileWithoutIt) {
  test::ProgramResult show = Page({"show", "1"});
  ASSERT_EQ(show.exit_code, 0) << show.err;
  EXPECT_EQ(ShownLine(show.out, "SYSTEM/TABCHARS"), "SYSTEM/TABCHARS\tspin\t4\tenabled");
  test::ProgramResult set = Page({"set", "1", "SYSTEM/WARNINGBEEP=off"});
  ASSERT_EQ(set.exit_code, 0) << set.err;
  std::string text = ReadFile(main_ini);
  EXPECT_EQ(text.find("TABCHARS"), std::string::npos);
  EXPECT_NE(text.find("WARNINGBEEP\t= No"), std::string::npos);
  // prefig ini reads through the site, and writes nothing back.
  test::ProgramResult get =
      Prefig({"ini", "get-int", main_ini, "SYSTEM", "TABCHARS", "8", "1", "32", "--root", root.path()});
  EXPECT_EQ(get.out, "4\n");
  EXPECT_EQ(ReadFile(main_ini), text);
}

TEST_F(SiteCli, LockedFilterIsShownLockedAndItsSetChangesNoFile) {
  test::ProgramResult show = Page({"show", "DMchInspect", "--type", "ISO Milling"});
  ASSERT_EQ(show.exit_code, 0) << show.err;
  std::string filter = ShownLine(show.out, "filter");
  EXPECT_EQ(filter.substr(filter.rfind('\t')), "\tlocked") << filter;

  const auto before = FilesUnder(root.path());
  test::ProgramResult set = Page({"set", "DMchInspect", "--type", "ISO Milling", "filter=Heidenhain"});
  EXPECT_EQ(set.exit_code, 2);
  EXPECT_EQ(set.err,
            "prefig: filter is locked: INSPECT/FILTERTYPE is set by the site file " + site + "/ISO Mill.MAC\n");
  EXPECT_EQ(FilesUnder(root.path()), before);

  test::ProgramResult ini = Prefig({"ini", "set", mill, "INSPECT", "FILTERTYPE", "APT", "--root", root.path()});
  EXPECT_EQ(ini.exit_code, 2);
  EXPECT_EQ(ini.err, "prefig: INSPECT/FILTERTYPE is locked by the site file " + site + "/ISO Mill.MAC\n");
  EXPECT_EQ(FilesUnder(root.path()), before);
}

TEST_F(SiteCli, WholeSectionLockCoversEveryKeyOfIt) {
  const auto before = FilesUnder(root.path());
  for (std::vector<std::string> args : {std::vector<std::string>{"set", mill, "PLANAR", "NEWKEY", "1"},
                                        std::vector<std::string>{"delete", mill, "PLANAR"}}) {
    args.insert(args.begin(), "ini");
    args.insert(args.end(), {"--root", root.path()});
    test::ProgramResult result = Prefig(args);
    EXPECT_EQ(result.exit_code, 2) << args[1];
    EXPECT_NE(result.err.find("PLANAR"), std::string::npos) << result.err;
  }
  EXPECT_EQ(FilesUnder(root.path()), before);
  test::ProgramResult show = Page({"show", "DMchPlanar", "--type", "ISO Milling"});
  ASSERT_EQ(show.exit_code, 0) << show.err;
  int planar = 0;
  for (size_t at = 0; (at = show.out.find("PLANAR/", at)) != std::string::npos; ++at) {
    if (at != 0 && show.out[at - 1] != '\n') continue;
    ++planar;
    std::string line = show.out.substr(at, show.out.find('\n', at) - at);
    EXPECT_EQ(line.substr(line.rfind('\t')), "\tlocked") << line;
  }
  EXPECT_GT(planar, 0);
}

TEST_F(SiteCli, SiteShowListsEveryValueAndLockWithItsFile) {
  WriteFile(site + "/Prefig.ini", "[SYSTEM]\r\nTABCHARS = 4\r\nLOCKED = WARNINGBEEP,NLINSIZE\r\nNLINSIZE = 1\r\n");
  WriteFile(site + "/notes.txt", "not a site file\r\n");
  test::ProgramResult show = Prefig({"site", "show", "--root", root.path()});
  ASSERT_EQ(show.exit_code, 0) << show.err;
  EXPECT_EQ(show.out, site + "/ISO Mill.MAC\tINSPECT/FILTERTYPE\tlocked\tMILLFANUC\n" + site +
                          "/ISO Mill.MAC\tPLANAR/*\tlocked\t\n" + site + "/Prefig.ini\tSYSTEM/TABCHARS\tdefault\t4\n" +
                          site + "/Prefig.ini\tSYSTEM/NLINSIZE\tlocked\t1\n" + site +
                          "/Prefig.ini\tSYSTEM/WARNINGBEEP\tlocked\t\n");
  EXPECT_EQ(show.err, "");
}

TEST_F(SiteCli, DamagedSiteFileIsSkippedTheRestServes) {
  WriteFile(site + "/Prefig.ini", std::string("[SYSTEM]\r\nTABCHARS = 4\0\0\0\x01", 26));
  test::ProgramResult show = Prefig({"site", "show", "--root", root.path()});
  ASSERT_EQ(show.exit_code, 0) << show.err;
  EXPECT_EQ(show.err, "prefig: Site file '" + site + "/Prefig.ini' skipped: it is no text file\n");
  EXPECT_EQ(show.out, site + "/ISO Mill.MAC\tINSPECT/FILTERTYPE\tlocked\tMILLFANUC\n" + site +
                          "/ISO Mill.MAC\tPLANAR/*\tlocked\t\n");
  test::ProgramResult page = Page({"show", "1"});
  ASSERT_EQ(page.exit_code, 0) << page.err;
  EXPECT_EQ(ShownLine(page.out, "SYSTEM/TABCHARS"), "SYSTEM/TABCHARS\tspin\t8\tenabled");
}

TEST_F(SiteCli, MissingSiteFolderStartsWithoutIt) {
  UseSiteFolder(root.path() + "/no-such-share");
  test::ProgramResult page = Page({"show", "DMchInspect", "--type", "ISO Milling"});
  ASSERT_EQ(page.exit_code, 0) << page.err;
  std::string filter = ShownLine(page.out, "filter");
  EXPECT_EQ(filter.substr(filter.rfind('\t')), "\tenabled") << filter;
  test::ProgramResult show = Prefig({"site", "show", "--root", root.path()});
  EXPECT_EQ(show.exit_code, 2);
  EXPECT_EQ(show.err, "prefig: Site folder '" + root.path() +
                          "/no-such-share' not found; starting without it\nprefig: no site defaults or locks in use\n");
  // prefig check names it, as a warning: the site folder is read, never made.
  test::ProgramResult check = Prefig({"check", "--root", root.path()});
  EXPECT_EQ(check.exit_code, 0);
  EXPECT_EQ(check.out.rfind(root.path() + "/ConfigPaths.cfg:1: warning: SITE: the folder " + root.path() +
                                "/no-such-share is not there (no site defaults) [config-paths]\n",
                            0),
            0u)
      << check.out;
  EXPECT_FALSE(fs::exists(root.path() + "/no-such-share"));
  fs::remove(root.path() + "/ConfigPaths.cfg");
  show = Prefig({"site", "show", "--root", root.path()});
  EXPECT_EQ(show.exit_code, 1);
}

}  // namespace
}  // namespace prefig
