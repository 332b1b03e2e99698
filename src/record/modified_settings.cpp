#include "record/modified_settings.h"

#include <iterator>
#include <set>

#include "record/setting_values.h"
#include "schema/registry.h"

namespace prefig {
namespace {

// The tables of what a user sets: a type's name, description and place in
// the list are who it is, and what is read only or kept by the editor
// itself (the editing state, window places) has no default to go back to.
bool HoldsUserSettings(const SettingTable& table) {
  if (table.settings.data() == std::data(schema::kTypeIdentity)) return false;
  return table.saved == Saved::kByPage || table.saved == Saved::kWhenChanged;
}

}  // namespace

std::vector<ModifiedSetting> ModifiedSettings(const SettingValues& values, const LoadContext& context) {
  std::vector<ModifiedSetting> modified;
  std::set<const Setting*> seen;
  std::vector<const Setting*> settings;
  for (const SettingTable& table : TablesOf(values.scope())) {
    if (!HoldsUserSettings(table)) continue;
    for (const Setting* s : table.settings) {
      if (seen.insert(s).second) settings.push_back(s);
    }
  }
  for (const Setting* s : settings) {
    if (!values.Holds(*s)) continue;
    for (int member = 0; member < s->count; ++member) {
      if (!values.IsHeld(*s, member)) continue;
      std::optional<std::string> page_default = PageDefaultText(*s, context, member);
      std::string default_text = page_default ? *page_default : DefaultText(*s, context, member, &values);
      std::string value = values.Format(*s, member);
      std::string default_value = FormatValue(*s, ParseValue(*s, default_text));
      if (value == default_value) continue;
      std::string key = s->kind == Kind::kFont ? FontKeyName(*s, "") : DeclaredKeyName(*s, member);
      modified.push_back({s, member, std::string(s->section) + "/" + key, std::move(value), std::move(default_value)});
    }
  }
  return modified;
}

}  // namespace prefig
