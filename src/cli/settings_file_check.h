#pragma once
#include <string>

#include "schema/setting.h"

namespace prefig::cli {

class CheckReport;

// Reads one settings file as the store does and reports what the store
// cannot read or would repair: unreadable files and lines, keys written
// twice in a section, values outside their setting's range or kind, and
// unknown keys in the sections that the schema declares for the file's
// scope (main, machine type or DNC file). With `fix`, the loader's own
// repairs are written back in place (the duplicates after the first
// removed, the repaired values written), every other byte kept. Returns the file's text after the fixes.
std::string CheckSettingsFile(const std::string& path, Scope scope, bool fix, CheckReport& report);

}  // namespace prefig::cli
