#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace prefig {

class GIniFile;

namespace platform {

// EXTENSIONS/CURRENT in the main INI file: the comma list of the
// extensions that the machine types registered last time.
inline constexpr std::string_view kExtensionsSection = "EXTENSIONS";
inline constexpr std::string_view kCurrentExtensionsKey = "CURRENT";
inline constexpr size_t kCurrentExtensionsMax = 16320;

// What one machine type asks to have registered: its description and the
// extensions of its load and save settings that are marked for it.
struct MachineTypeExtensions {
  std::string description;
  std::vector<std::string> extensions;
};

// Replaces the registration of the last run by one for these machine types,
// in list order, each extension once (the first type that names it wins;
// compared without regard to case), described as "<description> File",
// icon 1; then records the list in EXTENSIONS/CURRENT. With `only_if_none`
// nothing happens while that list is not empty. True when every
// registration succeeded.
bool RegisterMachineTypeExtensions(GIniFile& main_ini, std::span<const MachineTypeExtensions> types,
                                   bool only_if_none, std::string_view program = {});

}  // namespace platform
}  // namespace prefig
