#pragma once
#include "record/setting_values.h"
#include "record/tool_table.h"

namespace prefig {

class GIniFile;

// The settings of the main INI file that the record holds: every section
// of the global pages, the editing state and the tool lists.
class GlobalSettings {
 public:
  GlobalSettings();

  // Reads every table of the main INI file in cache mode (the file is read
  // once and written at most once, completed with every default).
  void Load(GIniFile& main, const LoadContext& context);
  // The editing state (histories, flags, view options, tool lists) in
  // cache mode, flushed once.
  bool WriteEditingState(GIniFile& main);  // false when the file could not be written

  SettingValues& Values() { return values_; }
  const SettingValues& Values() const { return values_; }
  ToolTable& MillTools() { return mill_tools_; }
  ToolTable& TurnTools() { return turn_tools_; }

 private:
  SettingValues values_{Scope::kMain};
  ToolTable mill_tools_;
  ToolTable turn_tools_;
};

}  // namespace prefig
