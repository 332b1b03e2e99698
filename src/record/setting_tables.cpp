#include "record/setting_tables.h"

#include "record/colour_list.h"
#include "record/tool_table.h"
#include "schema/registry.h"

namespace prefig {
namespace {

ToolTable* ToolTableCounting(const SettingHolders& holders, const Setting& s) {
  for (ToolTable* table : holders.tool_tables) {
    if (&table->CountSetting() == &s) return table;
  }
  return nullptr;
}

}  // namespace

void LoadTable(GIniFile& ini, const SettingTable& table, SettingHolders& holders, const LoadContext& context) {
  if (table.by_member) {
    holders.values.Load(ini, table, context);
    return;
  }
  for (const Setting* s : table.settings) {
    switch (s->held_by) {
      case HeldBy::kValues:
      case HeldBy::kIniFile: holders.values.Load(ini, *s, context); break;
      case HeldBy::kColourList:
        // The count key reads the whole list.
        if (holders.colours && s == &schema::kColourCount) holders.colours->Load(ini, holders.scan);
        break;
      case HeldBy::kToolTable:
        if (ToolTable* tools = ToolTableCounting(holders, *s)) tools->Load(ini, holders.scan);
        break;
      case HeldBy::kProtocolList:
      case HeldBy::kMacroLibrary: break;
    }
  }
}

void SaveTable(GIniFile& ini, const SettingTable& table, const SettingHolders& holders) {
  if (table.by_member) {
    holders.values.Save(ini, table);
    return;
  }
  for (const Setting* s : table.settings) {
    switch (s->held_by) {
      case HeldBy::kValues: holders.values.Save(ini, *s); break;
      case HeldBy::kColourList:
        if (holders.colours) holders.colours->Save(ini, *s);
        break;
      case HeldBy::kToolTable:
        if (ToolTable* tools = ToolTableCounting(holders, *s)) tools->Save(ini);
        break;
      case HeldBy::kIniFile:
      case HeldBy::kProtocolList:
      case HeldBy::kMacroLibrary: break;
    }
  }
}

}  // namespace prefig
