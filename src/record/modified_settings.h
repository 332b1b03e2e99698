#pragma once
#include <string>
#include <vector>

#include "record/setting_io.h"

namespace prefig {

class SettingValues;

// A stored setting whose value is not its default, as the file holds both.
struct ModifiedSetting {
  const Setting* setting = nullptr;
  int member = 0;
  std::string key;  // SECTION/KEY
  std::string value;
  std::string default_value;
};

// Every setting a user sets (each member of a family) that `values` read
// from its file and that differs from its default where the program runs,
// in the order of the schema's tables (a page's or a type's tables, not
// the editing state, nor a type's identity). The default is the page's (what the Default
// button gives), or the loader's where the page leaves the setting alone.
std::vector<ModifiedSetting> ModifiedSettings(const SettingValues& values, const LoadContext& context);

}  // namespace prefig
