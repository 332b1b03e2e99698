// The site layer of the store: a site file's defaults and locks under a
// user file, and that no site value ever reaches the user's file.
#include <gtest/gtest.h>

#include <memory>

#include "ini/ini_file.h"
#include "ini/ini_overlay.h"
#include "ini/ini_site.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

const std::string kSiteVersionBlock =
    "\r\n## INIFILEVERSION #############################################################\r\n\r\n"
    "[INIFILEVERSION]\r\nVERSION\t\t= 200\r\n";

TEST(IniOverlayTest, LocksByListOrWholeSectionFirstCopiesWinAndEntriesInFileOrder) {
  GIniOverlay site("/site/Prefig.ini",
                   "; shop defaults\r\n"
                   "stray = before any section\r\n"
                   "[System]\r\n"
                   "TabChars = 4\r\n"
                   "locked = warningbeep, NOVALUE\r\n"
                   "TABCHARS = 8\r\n"
                   "WARNINGBEEP = \"No\"\r\n"
                   "LOCKED = TABCHARS\r\n"
                   "[INSPECT]\r\n"
                   "LOCKED = *\r\n"
                   "FILTERTYPE = MILLFANUC\r\n"
                   "[system]\r\n"
                   "TABCHARS = 2\r\n");
  EXPECT_EQ(site.Value("SYSTEM", "tabchars"), "4");
  EXPECT_EQ(site.Value("SYSTEM", "WARNINGBEEP"), "No");
  EXPECT_FALSE(site.Value("SYSTEM", "LOCKED"));
  EXPECT_FALSE(site.Value("GLOBAL", "STRAY"));
  EXPECT_TRUE(site.IsLocked("system", "WarningBeep"));
  EXPECT_TRUE(site.IsLocked("SYSTEM", "NOVALUE"));
  EXPECT_FALSE(site.IsLocked("SYSTEM", "TABCHARS"));  // only the first LOCKED line counts
  EXPECT_TRUE(site.IsLocked("INSPECT", "ANYTHING"));
  EXPECT_TRUE(site.IsSectionLocked("inspect"));
  EXPECT_FALSE(site.IsSectionLocked("SYSTEM"));
  EXPECT_TRUE(site.HasLocks());

  std::string listed;
  for (const GIniOverlay::Entry& e : site.Entries()) {
    listed += e.section + "/" + e.key + " " + (e.locked ? "locked" : "default") + " " + e.value.value_or("-") + "\n";
  }
  EXPECT_EQ(listed,
            "SYSTEM/TABCHARS default 4\n"
            "SYSTEM/WARNINGBEEP locked No\n"
            "SYSTEM/NOVALUE locked -\n"
            "INSPECT/* locked -\n"
            "INSPECT/FILTERTYPE locked MILLFANUC\n");
}

TEST(IniOverlayTest, BinaryTextIsDamagedOrdinaryTextIsNot) {
  EXPECT_EQ(GIniOverlay::WhyUnusable("[A]\r\nB = \xe4\xf6\t1\f\x1a"), nullptr);
  EXPECT_NE(GIniOverlay::WhyUnusable(std::string("[A]\r\nB = 1\0\0", 11)), nullptr);
  EXPECT_NE(GIniOverlay::WhyUnusable("\x7f"
                                     "ELF\x02\x01"),
            nullptr);
}

TEST(IniSiteTest, OverlayByFileNameWithoutRegardToCase) {
  GIniSite site("/site");
  site.Add("ISO Mill.mac", "[A]\r\nB = 1\r\n");
  ASSERT_NE(site.For("/home/u/Types/iso mill.MAC"), nullptr);
  EXPECT_EQ(site.For("/home/u/Types/iso mill.MAC")->Source(), "/site/ISO Mill.mac");
  EXPECT_EQ(site.For("/home/u/Types/Other.MAC"), nullptr);
}

class IniSiteFileTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::string path = dir.File("Prefig.ini");

  // The user's file with `content` after the version block, opened over a
  // site file of the same name holding `site_text`.
  void OpenWith(GIniFile& ini, const std::string& content, const std::string& site_text) {
    WriteFile(path, kSiteVersionBlock + content);
    auto site = std::make_shared<GIniSite>("/site");
    site->Add("PREFIG.INI", site_text);
    ini.UseSite(site);
    ini.Open(path);
  }
};

TEST_F(IniSiteFileTest, SiteValuesAreDefaultsThatAreNeverWrittenBack) {
  for (bool cached : {false, true}) {
    GIniFile ini;
    ini.SetCached(cached);
    OpenWith(ini, "\r\n[SYSTEM]\r\nWARNINGBEEP = No\r\n",
             "[SYSTEM]\r\nTABCHARS = 4\r\nWARNINGBEEP = Yes\r\nWIDTH = wide\r\nRATIO = 7.5\r\nNAME = shop\r\n");
    EXPECT_EQ(ini.GetInt("SYSTEM", "TABCHARS", 8, 1, 32), 4);
    EXPECT_FALSE(ini.GetBool("SYSTEM", "WARNINGBEEP", true));  // the user's own value wins
    EXPECT_EQ(ini.GetInt("SYSTEM", "WIDTH", 3, 1, 9), 3);      // unusable at the site: the default, not repaired
    EXPECT_EQ(ini.GetDouble("SYSTEM", "RATIO", 1, 0, 5), 5);   // clamped, not written
    EXPECT_EQ(ini.GetString("SYSTEM", "NAME", "x"), "shop");
    char buffer[16] = "x";
    EXPECT_EQ(ini.GetString("SYSTEM", "NAME", buffer, sizeof buffer), 4u);
    EXPECT_TRUE(ini.KeyExists("SYSTEM", "TABCHARS"));
    EXPECT_EQ(ini.SiteDefault("SYSTEM", "TABCHARS"), "4");
    EXPECT_FALSE(ini.SiteDefault("SYSTEM", "WARNINGBEEP"));  // the file has it
    // Writing what the site says already changes nothing; another value is the user's.
    EXPECT_TRUE(ini.WriteInt("SYSTEM", "TABCHARS", 4));
    EXPECT_TRUE(ini.WriteString("SYSTEM", "NAME", "mine"));
    // A key that neither has gets its default written, as always.
    EXPECT_EQ(ini.GetInt("SYSTEM", "NLINSIZE", 2, 0, 9), 2);
    ini.SetCached(false);
    EXPECT_EQ(ReadFile(path),
              kSiteVersionBlock + "\r\n[SYSTEM]\r\nWARNINGBEEP = No\r\nNAME\t\t= mine\r\nNLINSIZE\t= 2\r\n")
        << "cached " << cached;
    EXPECT_EQ(ini.WriteError(), 0);
  }
}

TEST_F(IniSiteFileTest, LockedKeysReadTheSiteAndRefuseEveryChange) {
  const std::string user = "\r\n[INSPECT]\r\nFILTERTYPE = TURNFANUCA\r\nTOOLCOUNT = 3\r\n\r\n[PLANAR]\r\nPOST = x\r\n";
  GIniFile ini;
  OpenWith(ini, user,
           "[INSPECT]\r\nLOCKED = FILTERTYPE, FILTERURI\r\nFILTERTYPE = MILLFANUC\r\n"
           "[PLANAR]\r\nLOCKED = *\r\nPOST = shop.pst\r\n");
  EXPECT_EQ(ini.GetString("INSPECT", "FILTERTYPE"), "MILLFANUC");
  EXPECT_EQ(ini.GetString("INSPECT", "FILTERURI", "urn:default"), "urn:default");  // locked, no site value
  EXPECT_FALSE(ini.KeyExists("INSPECT", "FILTERURI"));
  EXPECT_EQ(ini.GetString("PLANAR", "POST"), "shop.pst");
  EXPECT_EQ(ini.GetInt("PLANAR", "MACHINETYPE", 1, 0, 9), 1);  // the whole section is locked
  EXPECT_EQ(ini.GetInt("INSPECT", "TOOLCOUNT", 0, 0, 99), 3);  // not locked: the user's
  EXPECT_TRUE(ini.IsLocked("planar", "anything"));

  EXPECT_FALSE(ini.WriteString("INSPECT", "FILTERTYPE", "HEIDENHAIN"));
  EXPECT_FALSE(ini.DeleteKey("INSPECT", "FILTERTYPE"));
  EXPECT_FALSE(ini.WriteString("PLANAR", "POST", "mine.pst"));
  EXPECT_FALSE(ini.DeleteSection("PLANAR"));
  EXPECT_EQ(ini.WriteError(), 0);  // refused, yet no failure of the file: a save goes on
  EXPECT_EQ(ReadFile(path), kSiteVersionBlock + user);
  // A section that is only partly locked may go: the site's values stay in force.
  EXPECT_TRUE(ini.DeleteSection("INSPECT"));
  EXPECT_EQ(ini.GetString("INSPECT", "FILTERTYPE"), "MILLFANUC");
}

TEST_F(IniSiteFileTest, OverlayFollowsTheFileNameThroughOpenAndSkipsTheProbe) {
  auto site = std::make_shared<GIniSite>("/site");
  site->Add("a.mac", "[GENERAL]\r\nPRINTCOL = 3\r\n[INIFILEVERSION]\r\nLOCKED = *\r\nVERSION = 7\r\n");
  GIniFile ini;
  ini.UseSite(site);
  ini.Open(dir.File("A.MAC"));
  EXPECT_FALSE(ini.IsReadOnly());  // the probe writes and reads the user's file
  EXPECT_EQ(ini.GetInt("GENERAL", "PRINTCOL", 2, 1, 4), 3);
  ini.Open(dir.File("b.mac"));
  EXPECT_EQ(ini.Overlay(), nullptr);
  EXPECT_EQ(ini.GetInt("GENERAL", "PRINTCOL", 2, 1, 4), 2);
}

}  // namespace
}  // namespace prefig
