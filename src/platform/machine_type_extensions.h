#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_associations.h"

namespace prefig::platform {

// The longest list of the extensions that the machine types registered
// (the main INI file keeps it for the next run).
inline constexpr size_t kCurrentExtensionsMax = 16320;

// What one machine type asks to have registered: its description and the
// extensions of its load and save settings that are marked for it.
struct MachineTypeExtensions {
  std::string description;
  std::vector<std::string> extensions;
};

struct MachineTypeRegistration {
  bool ok = true;                   // every registration succeeded
  std::optional<std::string> list;  // the comma list to keep for the next run; nothing: keep the old one
};

// Replaces the registration of the last run, whose list is `current`, by
// one for these machine types, in list order, each extension once (the
// first type that names it wins; compared without regard to case),
// described as "<description> <file_word>", icon 1. With `only_if_none`
// nothing happens while `current` is not empty.
MachineTypeRegistration RegisterMachineTypeExtensions(std::string_view current,
                                                      std::span<const MachineTypeExtensions> types, bool only_if_none,
                                                      std::string_view file_word = kFileWord,
                                                      std::string_view program = {});

}  // namespace prefig::platform
