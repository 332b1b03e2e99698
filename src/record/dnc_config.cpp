#include "record/dnc_config.h"

#include "schema/registry.h"

namespace prefig {

void GDncConfig::Load(const std::string& path, const LoadContext& context) {
  ini_.Open(path);
  bool was_cached = ini_.SetCached(true);
  for (const SettingTable& table : schema::kDncTables) values_.Load(ini_, table, context);
  ini_.SetCached(was_cached);
}

bool GDncConfig::Save() {
  bool was_cached = ini_.SetCached(true);
  for (const SettingTable& table : schema::kDncTables) values_.Save(ini_, table);
  ini_.SetCached(was_cached);
  return ini_.WriteError() == 0;
}

}  // namespace prefig
