#include "record/global_settings.h"

#include "ini/ini_file.h"
#include "record/external_command.h"
#include "record/setting_tables.h"
#include "schema/registry.h"

namespace prefig {

GlobalSettings::GlobalSettings()
    : mill_tools_(schema::kToolCount, schema::kTool), turn_tools_(schema::kTurnToolCount, schema::kTurnTool) {}

void GlobalSettings::Load(GIniFile& main, const LoadContext& context) {
  bool was_cached = main.SetCached(true);
  SettingHolders holders{values_, nullptr, {&mill_tools_, &turn_tools_}};
  for (const SettingTable& table : schema::kMainTables) LoadTable(main, table, holders, context);
  NormalizeExternalCommands(values_);
  main.SetCached(was_cached);
}

bool GlobalSettings::WriteEditingState(GIniFile& main) {
  bool was_cached = main.SetCached(true);
  SettingHolders holders{values_, nullptr, {&mill_tools_, &turn_tools_}};
  for (const SettingTable& table : schema::kMainTables) {
    if (table.saved == Saved::kOnDestroy) SaveTable(main, table, holders);
  }
  main.SetCached(was_cached);
  return main.WriteError() == 0;
}

}  // namespace prefig
