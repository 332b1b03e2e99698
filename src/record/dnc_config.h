#pragma once
#include <string>

#include "ini/ini_file.h"
#include "record/setting_values.h"

namespace prefig {

// The host's DNC configuration object: the DNC client's settings that the
// DNC administration and port list pages edit. The host owns it; it keeps
// them in an INI file of its own (DNCClient.ini beside the main INI file),
// through which the pages also write their three direct keys.
class GDncConfig {
 public:
  virtual ~GDncConfig() = default;

  // Attaches the file and reads every setting, completing the file.
  void Load(const std::string& path, const LoadContext& context);
  // Writes every setting the pages may have changed, in one write.
  bool Save();  // false when the file could not be written
  // RunSetup calls this before it builds the setup dialog, so that the
  // pages see the object up to date; what that takes is the host's (a DNC
  // client reads its server's state). This one holds its file's values.
  virtual void Refresh() {}

  GIniFile& Ini() { return ini_; }
  SettingValues& Values() { return values_; }
  const SettingValues& Values() const { return values_; }

 private:
  GIniFile ini_;
  SettingValues values_{Scope::kDnc};
};

}  // namespace prefig
