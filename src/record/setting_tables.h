#pragma once
// Loading and saving whole tables whose settings are held by different
// objects: the values, the colour list, the tool lists. Each setting goes
// to its holder, in the table's order.
#include <vector>

#include "record/setting_values.h"

namespace prefig {

class ColourList;
class DeclaredValues;
class ToolTable;
struct SettingTable;

struct SettingHolders {
  SettingValues& values;
  ColourList* colours = nullptr;
  std::vector<ToolTable*> tool_tables;
  const DeclaredValues* scan = nullptr;  // a scan of the file, for bulk loading
};

void LoadTable(GIniFile& ini, const SettingTable& table, SettingHolders& holders, const LoadContext& context);
void SaveTable(GIniFile& ini, const SettingTable& table, const SettingHolders& holders);

}  // namespace prefig
