// Bulk loading from one scan of the text must give what reading every key
// through the store gives, and leave the same file.
#include "schema/declared_values.h"

#include <gtest/gtest.h>

#include "ini/ini_file.h"
#include "record/colour_list.h"
#include "record/setting_tables.h"
#include "record/tool_table.h"
#include "schema/registry.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

struct Loaded {
  std::vector<std::string> values;
  std::string file;
};

Loaded LoadAllTables(const std::string& path, const std::string& text, bool with_scan) {
  WriteFile(path, text);
  GIniFile ini;
  ini.SetCached(true);
  ini.Open(path);
  SettingValues values(Scope::kType);
  ColourList colours;
  ToolTable mill(schema::kToolCount, schema::kTool), turn(schema::kTurnToolCount, schema::kTurnTool);
  std::optional<DeclaredValues> scan;
  if (with_scan) scan.emplace(Scope::kType, *ini.CachedText());
  values.UseScan(scan ? &*scan : nullptr);
  SettingHolders holders{values, &colours, {&mill, &turn}, scan ? &*scan : nullptr};
  LoadContext context{.basic_type = 1, .language = "en-US"};
  for (const SettingTable& table : schema::kTypeTables) LoadTable(ini, table, holders, context);
  values.UseScan(nullptr);
  Loaded loaded;
  for (const Setting* s : SettingsOf(Scope::kType)) {
    if (!values.Holds(*s)) continue;
    for (int member = 0; member < s->count; ++member) {
      loaded.values.push_back(std::string(s->key) + "=" + values.Format(*s, member));
    }
  }
  for (const UserColour& entry : colours.Entries()) loaded.values.push_back(FormatUserColour(entry));
  for (const ToolRecord& tool : mill.Tools()) loaded.values.push_back(FormatToolRecord(tool));
  ini.SetCached(false);
  loaded.file = ReadFile(path);
  return loaded;
}

TEST(DeclaredValuesTest, AScanAnswersAsTheStoreWouldForEveryKindOfOddFile) {
  const std::vector<std::string> texts = {
      "",
      "[GENERAL]\r\nTYPENAME=A\r\n[general]\r\nTYPENAME=B\r\nPRINTCOL=3\r\n",
      "[RENUM]\r\nauto=No\r\nAUTO=Yes\r\n  PreceedeStr =  \"  N \"  \r\nINSERTSPACE=-99\r\nSTART=x\r\n",
      "[LOADSAVE]\r\nLOADEXT= nc,, .iso \r\nUNIPROMPT=1\r\nUNIALWAYS=yes\r\n[LOADSAVE\r\nSAVEEXT=XX\r\n",
      "[MACHINETYPE]\r\nCOMMENTSTART=\r\nCOMMENTEND=\"\"\r\nDECIMALCOUNT=07\r\nRAPIDRATE=\"\r\n",
      "[GLOBALCOLORLIST]\r\nCOUNT=2\r\nUSRCOLOR0=1:14:G\r\nUSRCOLOR1=bad\r\nFIXCOLOR3=99999999999\r\nFIXCOLOR4=-1\r\n",
      "[INSPECT]\r\nTOOLCOUNT=2\r\nTOOL000=3|1|0|0|a|b|1|0|0|1|2|3|1|5|h|1|2|3|4|2|||||L|0\r\nTOOL001=3|x\r\n"
      "[PLANAR]\r\nGRIDSIZE=0,5\r\nSPLINESUBSTITUTIONTOLERANCE=1e9\r\n[MULTICHANNEL]\r\nENABLE=Yes\r\nMODE=3\r\n",
      "garbage before any section\r\nKEY=1\r\n[QUIVER]\r\nID=12\r\n[QUIVER]\r\nID=13\r\n=novalue\r\n",
  };
  TempDir dir;
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    Loaded key_by_key = LoadAllTables(dir.File("a.mac"), text, false);
    Loaded scanned = LoadAllTables(dir.File("b.mac"), text, true);
    EXPECT_EQ(scanned.values, key_by_key.values);
    EXPECT_EQ(scanned.file, key_by_key.file);
  }
}

}  // namespace
}  // namespace prefig
