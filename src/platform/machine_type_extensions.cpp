#include "platform/machine_type_extensions.h"

#include "platform/text.h"

namespace prefig::platform {

MachineTypeRegistration RegisterMachineTypeExtensions(std::string_view current,
                                                      std::span<const MachineTypeExtensions> types, bool only_if_none,
                                                      std::string_view file_word, std::string_view program) {
  MachineTypeRegistration result;
  if (only_if_none && !current.empty()) return result;
  result.ok = current.empty() || UnregisterExtensions(current, program);

  std::vector<std::string> collected;
  for (const MachineTypeExtensions& type : types) {
    std::string mine;
    for (const std::string& item : type.extensions) {
      for (std::string& extension : SplitExtensions(item)) {
        bool seen = false;
        for (const std::string& other : collected) seen = seen || SameIgnoringCase(other, extension);
        if (seen) continue;
        mine += (mine.empty() ? "" : ",") + extension;
        collected.push_back(std::move(extension));
      }
    }
    if (mine.empty()) continue;
    result.ok &= RegisterExtensions(mine, type.description + " " + std::string(file_word), program, 1);
  }
  std::string list;
  for (const std::string& extension : collected) {
    // The list is kept to whole items.
    if (list.size() + extension.size() + 1 > kCurrentExtensionsMax) break;
    list += (list.empty() ? "" : ",") + extension;
  }
  result.list = std::move(list);
  return result;
}

}  // namespace prefig::platform
