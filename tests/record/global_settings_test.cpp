// The main INI file's settings as the record holds them, the editing state
// written when it is destroyed, and the host's DNC configuration object.
#include "record/global_settings.h"

#include <gtest/gtest.h>

#include "ini/ini_file.h"
#include "record/dnc_config.h"
#include "schema/registry.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using namespace schema;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

std::string SectionText(const std::string& text, const std::string& name) {
  size_t start = text.find("[" + name + "]");
  if (start == std::string::npos) return {};
  size_t end = text.find("\r\n\r\n## ", start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end + 2 - start);
}

TEST(GlobalSettingsTest, LoadingCompletesTheMainFileAndTheEditingStateWritesOnlyItsKeys) {
  TempDir dir;
  GIniFile main;
  WriteFile(dir.File("main.ini"),
            "[SYSTEM]\r\nTABCHARS=4\r\n[INSPECT]\r\nTOOLCOUNT=1\r\n"
            "TOOL000=3|1|0|0|A|B|6|0|0|1|2|3|6|0|H|1|2|3|4|2|||||L|0\r\n");
  main.Open(dir.File("main.ini"));
  GlobalSettings settings;
  settings.Load(main, LoadContext{.language = "de-DE"});
  EXPECT_EQ(settings.Values().Int(kTabChars), 4);
  EXPECT_EQ(settings.Values().Text(kLanguage), "de-DE");
  EXPECT_EQ(settings.MillTools().Tools().size(), 1u);
  EXPECT_EQ(main.GetString("INSPECTCOLOR", "COL002"), "4292362047");

  settings.Values().SetText(kSearchHistory, "G0 X10", 0);
  settings.Values().SetBool(kSearchCase, true);
  settings.Values().SetText(kReplaceToHistory, "M6", 1);
  settings.Values().SetInt(kTabChars, 12);
  settings.MillTools().Tools().clear();
  settings.WriteEditingState(main);
  std::string text = ReadFile(dir.File("main.ini"));
  std::string search = "[SEARCH]\r\nSEARCH00\t= G0 X10\r\n";
  for (int i = 1; i < 16; ++i) search += "SEARCH" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "\t= \r\n";
  search += "SEARCHWHOLE\t= No\r\nSEARCHCASE\t= Yes\r\nSEARCHALL\t= No\r\nSEARCHSPECIAL\t= No\r\nSEARCHREGEX\t= No\r\n";
  EXPECT_EQ(SectionText(text, "SEARCH"), search);
  EXPECT_NE(SectionText(text, "REPLACE").find("REPLACETO01\t= M6\r\n"), std::string::npos);
  EXPECT_EQ(main.GetString("SYSTEM", "TABCHARS"), "4");
  EXPECT_EQ(main.GetString("INSPECT", "TOOLCOUNT"), "0");
  EXPECT_FALSE(main.KeyExists("INSPECT", "TOOL000"));
}

TEST(DncConfigTest, TheClientSettingsLiveInTheirOwnFileWithThePagesDefaults) {
  TempDir dir;
  WriteFile(dir.File("DNCClient.ini"), "[GLOBAL]\r\nDNCLOGTHEME=5\r\n");
  GDncConfig config;
  config.Load(dir.File("DNCClient.ini"), LoadContext{});
  EXPECT_EQ(config.Values().Int(kDncLogTheme), 1);
  EXPECT_FALSE(config.Values().Bool(kDncShowColumn, 3));
  EXPECT_EQ(config.Ini().GetString("PORTLIST", "SHOWCOL03"), "Yes");
  EXPECT_EQ(config.Ini().GetString("PORTLIST", "SHOWCOL04"), "No");
  EXPECT_EQ(config.Ini().GetString("GLOBAL", "DNCLOGTHEME"), "1");

  config.Values().SetBool(kDncLocalServerOnly, true);
  config.Save();
  GDncConfig again;
  again.Load(dir.File("DNCClient.ini"), LoadContext{});
  EXPECT_TRUE(again.Values().Bool(kDncLocalServerOnly));
}

}  // namespace
}  // namespace prefig
