#include "platform/machine_type_extensions.h"

#include "platform/file_associations.h"
#include "ini/ini_file.h"
#include "ini/ini_text.h"

namespace prefig::platform {

bool RegisterMachineTypeExtensions(GIniFile& main_ini, std::span<const MachineTypeExtensions> types,
                                   bool only_if_none, std::string_view program) {
  std::string current = main_ini.GetString(kExtensionsSection, kCurrentExtensionsKey, std::string_view{}, kCurrentExtensionsMax);
  if (only_if_none && !current.empty()) return true;
  bool ok = current.empty() || UnregisterExtensions(current, program);

  std::vector<std::string> collected;
  std::string list;
  for (const MachineTypeExtensions& type : types) {
    std::string mine;
    for (const std::string& item : type.extensions) {
      for (std::string& extension : SplitExtensions(item)) {
        bool seen = false;
        for (const std::string& other : collected) seen = seen || ini::SameName(other, extension);
        if (seen) continue;
        mine += (mine.empty() ? "" : ",") + extension;
        collected.push_back(std::move(extension));
      }
    }
    if (mine.empty()) continue;
    ok &= RegisterExtensions(mine, type.description + " " + FileWord(), program, 1);
  }
  for (const std::string& extension : collected) {
    // The list is kept to whole items.
    if (list.size() + extension.size() + 1 > kCurrentExtensionsMax) break;
    list += (list.empty() ? "" : ",") + extension;
  }
  main_ini.WriteString(kExtensionsSection, kCurrentExtensionsKey, list);
  return ok;
}

}  // namespace prefig::platform
